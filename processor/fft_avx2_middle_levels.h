#pragma once

// Sizes 16 to 512 of the complex transform in the AVX2 path, merged two levels at a
// time like the SSE2 path's, on two neighbouring points per register.

#include <utility>

#include "processor/fft_avx2_twiddle.h"

namespace fftavx2 {

// The twiddles of two neighbouring indices j, j + 1 < size/2 in sizes `size` and
// 2 `size`: w_size^j for the inner level, w_2size^j and its quarter turn
// w_2size^(j + size/2) for the outer one.
struct TwoLevelTwiddles {
  PairMultiplier inner;
  PairMultiplier outer;
  PairMultiplier outerTurned;
};

template <FFTDirection D>
inline TwoLevelTwiddles twoLevelTwiddles(Pair inner, Pair outer) {
  const PairMultiplier outerFactor = multiplierOf(outer);
  return {multiplierOf(inner), outerFactor, quarterTurned<D>(outerFactor)};
}

// Points j, j + size/2, j + size, j + 3 size/2 of a block of 2 `size` points and
// their neighbours above: the inner level's butterflies on both halves, then the
// outer level's two.
template <int size>
inline void mergeTwoLevels(double* data, int j, const TwoLevelTwiddles& w) {
  constexpr int half = size / 2;
  const Pair a = load<Pair>(data, j);
  const Pair b = multiply(w.inner, load<Pair>(data, j + half));
  const Pair c = load<Pair>(data, j + size);
  const Pair d = multiply(w.inner, load<Pair>(data, j + size + half));
  const Pair innerTop = a + b, innerBottom = a - b;
  const Pair secondTop = multiply(w.outer, c + d);
  const Pair secondBottom = multiply(w.outerTurned, c - d);
  store(data, j, innerTop + secondTop);
  store(data, j + size, innerTop - secondTop);
  store(data, j + half, innerBottom + secondBottom);
  store(data, j + size + half, innerBottom - secondBottom);
}

// Sizes 16 and 32, with all their twiddles folded in at compile time.
template <FFTDirection D, int... j>
inline void merge16And32Block(double* block, std::integer_sequence<int, j...>) {
  (mergeTwoLevels<16>(
       block, 2 * j,
       twoLevelTwiddles<D>(foldedTwiddles<16, D, 2 * j>(), foldedTwiddles<32, D, 2 * j>())),
   ...);
}

template <FFTDirection D>
void merge16And32(double* data) {
  for (int base = 0; base < kFFTComplexPoints; base += 32) {
    merge16And32Block<D>(data + 2 * base, std::make_integer_sequence<int, 4>{});
  }
}

// The raw twiddles of two neighbouring indices in sizes `size` and 2 `size`.
struct TwoLevelValues {
  Pair inner;
  Pair outer;

  // Those of size/2 - j from those of j, exactly: w_size^(size/2 - j) =
  // -conj w_size^j and w_2size^(size/2 - j) = (-/+ i) conj w_2size^j.
  template <FFTDirection D>
  TwoLevelValues mirrored() const {
    return {negateReal(inner), quarterTurn<D>(conjugate(outer))};
  }

  static TwoLevelValues lanes(const TwoLevelValues& first, const TwoLevelValues& second) {
    return {firstLaneOf(first.inner, second.inner), firstLaneOf(first.outer, second.outer)};
  }
};

template <int size, FFTDirection D>
struct TwoLevelSource {
  PairRecurrence<size, D> inner;
  PairRecurrence<2 * size, D> outer;

  TwoLevelValues value() const { return {inner.value(), outer.value()}; }
  void advance() {
    inner.advance();
    outer.advance();
  }
};

// Sizes `size` and 2 `size` from run-time recurrences, one per level, each run once
// per pass: every group of twiddles serves all blocks, so each cache line of a block
// is used fully while it is loaded.
template <int size, FFTDirection D>
void mergeLevels(double* data) {
  TwoLevelSource<size, D> source;
  walkMirroredPairs<size / 2, D>(source, [data](int lower, const TwoLevelValues(&lowerSets)[2],
                                                int upper, const TwoLevelValues(&upperSets)[2]) {
    TwoLevelTwiddles w[4];
    for (int i = 0; i < 2; ++i) {
      w[i] = twoLevelTwiddles<D>(lowerSets[i].inner, lowerSets[i].outer);
      w[2 + i] = twoLevelTwiddles<D>(upperSets[i].inner, upperSets[i].outer);
    }
    for (int base = 0; base < kFFTComplexPoints; base += 2 * size) {
      double* block = data + 2 * base;
      mergeTwoLevels<size>(block, lower, w[0]);
      mergeTwoLevels<size>(block, lower + 2, w[1]);
      mergeTwoLevels<size>(block, upper, w[2]);
      mergeTwoLevels<size>(block, upper + 2, w[3]);
    }
  });
}

}  // namespace fftavx2
