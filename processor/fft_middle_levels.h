#pragma once

// Sizes 16 to 512 of the complex transform, merged two levels at a time (16 and 32,
// 64 and 128, 256 and 512): each point is loaded once for both levels, while every
// butterfly is still the radix-2 one of its level with that level's twiddle.

#include <utility>

#include "processor/fft_twiddle.h"

namespace fftdetail {

// The twiddles one point index j < size/2 needs in sizes `size` and 2 `size`:
// w_size^j for the inner level, w_2size^j and w_2size^(j + size/2) (its exact
// quarter turn) for the outer one.
struct TwoLevelTwiddles {
  Multiplier inner;
  Multiplier outer;
  Multiplier outerTurned;
};

template <FFTDirection D>
inline TwoLevelTwiddles twoLevelTwiddles(Complex inner, Complex outer) {
  return {multiplierOf(inner), multiplierOf(outer), multiplierOf(quarterTurn<D>(outer))};
}

// Points j, j + size/2, j + size, j + 3 size/2 of a block of 2 `size` points: the
// inner level's butterflies on both halves, then the outer level's two.
template <int size>
inline void mergeTwoLevels(double* data, int j, const TwoLevelTwiddles& w) {
  constexpr int half = size / 2;
  const Complex a = loadPoint(data, j);
  const Complex b = multiply(w.inner, loadPoint(data, j + half));
  const Complex c = loadPoint(data, j + size);
  const Complex d = multiply(w.inner, loadPoint(data, j + size + half));
  const Complex innerTop = a + b, innerBottom = a - b;
  const Complex secondTop = multiply(w.outer, c + d);
  const Complex secondBottom = multiply(w.outerTurned, c - d);
  storePoint(data, j, innerTop + secondTop);
  storePoint(data, j + size, innerTop - secondTop);
  storePoint(data, j + half, innerBottom + secondBottom);
  storePoint(data, j + size + half, innerBottom - secondBottom);
}

// Sizes 16 and 32, with all their twiddles folded in at compile time.
template <FFTDirection D, int j>
inline TwoLevelTwiddles foldedTwoLevelTwiddles() {
  return twoLevelTwiddles<D>(foldedTwiddleValue<16, D, j>(), foldedTwiddleValue<32, D, j>());
}

template <FFTDirection D, int... j>
inline void merge16And32Block(double* block, std::integer_sequence<int, j...>) {
  (mergeTwoLevels<16>(block, j, foldedTwoLevelTwiddles<D, j>()), ...);
}

template <FFTDirection D>
void merge16And32(double* data) {
  for (int base = 0; base < kFFTComplexPoints; base += 32) {
    merge16And32Block<D>(data + 2 * base, std::make_integer_sequence<int, 8>{});
  }
}

// The twiddles of index size/2 - j from those of j, exactly: w_size^(size/2 - j) =
// -conj w_size^j and w_2size^(size/2 - j) = (-/+ i) conj w_2size^j.
template <FFTDirection D>
inline TwoLevelTwiddles mirroredTwiddles(const TwoLevelTwiddles& w) {
  return {negatedConjugate(w.inner), quarterTurned<D>(conjugated(w.outer)),
          negatedConjugate(w.outer)};
}

// Sizes `size` and 2 `size` from run-time recurrences, one per level, advanced
// together; each step serves index j and its mirror size/2 - j, so each recurrence
// runs size/4 steps. Twiddles are made a few steps ahead and applied to every
// block, so each recurrence runs once per pass and each cache line of a block is
// used fully while it is loaded.
template <int size, FFTDirection D>
void mergeLevels(double* data) {
  constexpr int half = size / 2;
  constexpr int quarter = size / 4;
  constexpr int steps = 4;
  static_assert(quarter % steps == 0);
  TwiddleRecurrence<D> inner(rotationConstants(size));
  TwiddleRecurrence<D> outer(rotationConstants(2 * size));
  auto current = [&] {
    const Multiplier outerFactor = multiplierOf(outer.value());
    return TwoLevelTwiddles{multiplierOf(inner.value()), outerFactor,
                            quarterTurned<D>(outerFactor)};
  };
  for (int first = 0; first < quarter; first += steps) {
    TwoLevelTwiddles w[steps];
    TwoLevelTwiddles mirrored[steps];
    for (int step = 0; step < steps; ++step) {
      w[step] = current();
      mirrored[step] = mirroredTwiddles<D>(w[step]);
      inner.advance();
      outer.advance();
    }
    for (int base = 0; base < kFFTComplexPoints; base += 2 * size) {
      double* block = data + 2 * base;
      for (int step = 0; step < steps; ++step) {
        const int j = first + step;
        mergeTwoLevels<size>(block, j, w[step]);
        // 0 has no mirror below size/2
        if (j != 0) mergeTwoLevels<size>(block, half - j, mirrored[step]);
      }
    }
  }
  const TwoLevelTwiddles middle = current();  // j = size/4 is its own mirror
  for (int base = 0; base < kFFTComplexPoints; base += 2 * size) {
    mergeTwoLevels<size>(data + 2 * base, quarter, middle);
  }
}

}  // namespace fftdetail
