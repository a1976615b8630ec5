#pragma once

// The radix-2 decimation-in-time levels of the 4096-point complex transform, one
// routine per size with that size's constants folded in. Input is in bit-reversed
// order. Sizes 2, 4 and 8 run together on eight points held in registers; then
// sizes are merged two at a time (16 and 32, 64 and 128, ...): each point is loaded
// once for two levels, while every butterfly is still the radix-2 one of its level
// with that level's twiddle. Size 4096 finishes alone.

#include "processor/fft_bit_reversal.h"
#include "processor/fft_twiddle.h"

namespace fftdetail {

inline void butterflyInRegisters(Complex& top, Complex& bottom, Complex t) {
  const Complex a = top;
  top = a + t;
  bottom = a - t;
}

// The transforms of sizes 2, 4 and 8 of eight points given in bit-reversed order;
// the result is in natural order. The twiddles of size 8 are 1, w1, and w1 turned
// by a quarter; the second half of every level uses exact quarter turns of the first.
template <FFTDirection D>
inline void transform8(Complex (&p)[8]) {
  for (int i = 0; i < 8; i += 2) butterflyInRegisters(p[i], p[i + 1], p[i + 1]);
  for (int i = 0; i < 8; i += 4) {
    butterflyInRegisters(p[i], p[i + 2], p[i + 2]);
    butterflyInRegisters(p[i + 1], p[i + 3], quarterTurn<D>(p[i + 3]));
  }
  const Multiplier w1 = multiplierOf(foldedTwiddleValue<8, D, 1>());
  butterflyInRegisters(p[0], p[4], p[4]);
  butterflyInRegisters(p[1], p[5], multiply(w1, p[5]));
  butterflyInRegisters(p[2], p[6], quarterTurn<D>(p[6]));
  butterflyInRegisters(p[3], p[7], quarterTurn<D>(multiply(w1, p[7])));
}

// Sizes 2 to 8 on every block of eight consecutive points, in place.
template <FFTDirection D>
void transformBlocksOf8(double* data) {
  for (int base = 0; base < kFFTComplexPoints; base += 8) {
    Complex p[8];
    for (int i = 0; i < 8; ++i) p[i] = loadPoint(data, base + i);
    transform8<D>(p);
    for (int i = 0; i < 8; ++i) storePoint(data, base + i, p[i]);
  }
}

// The bit-reversal permutation fused with sizes 2 to 8, from in to out: the block of
// eight at reversed position m holds the points b + 512 q, q = 0 ... 7, where b is
// the 9-bit reversal of m, with q itself taken in bit-reversed order. Walking b in
// order reads neighbouring points one after another and writes whole blocks.
template <FFTDirection D>
void gatherBitReversedBlocksOf8(const double* in, double* out) {
  constexpr int stride = kFFTComplexPoints / 8;
  constexpr int reversedSlot[8] = {0, 4, 2, 6, 1, 5, 3, 7};
  MirrorCounter<stride> mirror;
  for (int b = 0; b < stride; ++b, mirror.advance()) {
    Complex p[8];
    for (int i = 0; i < 8; ++i) p[i] = loadPoint(in, b + stride * reversedSlot[i]);
    transform8<D>(p);
    const int base = 8 * mirror.value();
    for (int i = 0; i < 8; ++i) storePoint(out, base + i, p[i]);
  }
}

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

template <FFTDirection D>
void merge16And32(double* data) {
  for (int base = 0; base < kFFTComplexPoints; base += 32) {
    double* block = data + 2 * base;
    mergeTwoLevels<16>(block, 0, foldedTwoLevelTwiddles<D, 0>());
    mergeTwoLevels<16>(block, 1, foldedTwoLevelTwiddles<D, 1>());
    mergeTwoLevels<16>(block, 2, foldedTwoLevelTwiddles<D, 2>());
    mergeTwoLevels<16>(block, 3, foldedTwoLevelTwiddles<D, 3>());
    mergeTwoLevels<16>(block, 4, foldedTwoLevelTwiddles<D, 4>());
    mergeTwoLevels<16>(block, 5, foldedTwoLevelTwiddles<D, 5>());
    mergeTwoLevels<16>(block, 6, foldedTwoLevelTwiddles<D, 6>());
    mergeTwoLevels<16>(block, 7, foldedTwoLevelTwiddles<D, 7>());
  }
}

// The twiddles of index size/2 - j from those of j, exactly: w_size^(size/2 - j) =
// -conj w_size^j and w_2size^(size/2 - j) = (-/+ i) conj w_2size^j.
template <FFTDirection D>
inline TwoLevelTwiddles mirroredTwiddles(const TwoLevelTwiddles& w) {
  return {negatedConjugate(w.inner), quarterTurned<D>(conjugated(w.outer)), negatedConjugate(w.outer)};
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
    return TwoLevelTwiddles{multiplierOf(inner.value()), outerFactor, quarterTurned<D>(outerFactor)};
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
        if (j != 0) mergeTwoLevels<size>(block, half - j, mirrored[step]);  // 0 has no mirror below size/2
      }
    }
  }
  const TwoLevelTwiddles middle = current();  // j = size/4 is its own mirror
  for (int base = 0; base < kFFTComplexPoints; base += 2 * size) {
    mergeTwoLevels<size>(data + 2 * base, quarter, middle);
  }
}

// The twiddles of one index j < 512 in sizes 1024, 2048 and 4096: w_1024^j;
// w_2048^j and w_2048^(j+512); w_4096^(j + 512 q) for q = 0 ... 3.
struct TopTwiddles {
  Multiplier w1024;
  Multiplier w2048[2];
  Multiplier w4096[4];
};

// From w_1024^j, w_2048^j, w_4096^j and w_4096^(j+512): the rest are exact quarter
// turns of these.
template <FFTDirection D>
inline TopTwiddles topTwiddles(const Multiplier& w1024, const Multiplier& w2048, const Multiplier& w4096,
                               const Multiplier& w4096Eighth) {
  return {w1024,
          {w2048, quarterTurned<D>(w2048)},
          {w4096, w4096Eighth, quarterTurned<D>(w4096), quarterTurned<D>(w4096Eighth)}};
}

// Those of 512 - j from those of j, exactly: w_1024^(512-j) = -conj w_1024^j,
// w_2048^(512-j) = (-/+ i) conj w_2048^j, w_4096^(512-j) = (-/+ i) conj w_4096^(j+512)
// and w_4096^(1024-j) = (-/+ i) conj w_4096^j.
template <FFTDirection D>
inline TopTwiddles mirroredTopTwiddles(const TopTwiddles& w) {
  return topTwiddles<D>(negatedConjugate(w.w1024), quarterTurned<D>(conjugated(w.w2048[0])),
                        quarterTurned<D>(conjugated(w.w4096[1])), quarterTurned<D>(conjugated(w.w4096[0])));
}

// Points j + 512 q, q = 0 ... 7, through sizes 1024, 2048 and 4096.
inline void mergeTopLevels(double* data, int j, const TopTwiddles& w) {
  constexpr int stride = kFFTComplexPoints / 8;
  Complex p[8];
  for (int q = 0; q < 8; ++q) p[q] = loadPoint(data, j + stride * q);
  for (int q = 0; q < 8; q += 2) butterflyInRegisters(p[q], p[q + 1], multiply(w.w1024, p[q + 1]));
  for (int q = 0; q < 8; q += 4) {
    butterflyInRegisters(p[q], p[q + 2], multiply(w.w2048[0], p[q + 2]));
    butterflyInRegisters(p[q + 1], p[q + 3], multiply(w.w2048[1], p[q + 3]));
  }
  for (int q = 0; q < 4; ++q) butterflyInRegisters(p[q], p[q + 4], multiply(w.w4096[q], p[q + 4]));
  for (int q = 0; q < 8; ++q) storePoint(data, j + stride * q, p[q]);
}

// Sizes 1024, 2048 and 4096 in one pass: one recurrence per size, 256 steps each,
// every step serving index j and its mirror 512 - j. w_4096^(j+512) is w_4096^j
// turned by an eighth, e^(-/+ i pi/4), whose parts are both sqrt(1/2).
template <FFTDirection D>
void mergeLevelsFrom1024(double* data) {
  constexpr int eighth = kFFTComplexPoints / 8;
  const double root = rotationConstants(8).beta;  // sin(pi/4)
  const Multiplier eighthTurn = multiplierOf(makeComplex(root, D == kFFTForward ? -root : root));
  TwiddleRecurrence<D> w1024(rotationConstants(1024));
  TwiddleRecurrence<D> w2048(rotationConstants(2048));
  TwiddleRecurrence<D> w4096(rotationConstants(4096));
  auto current = [&] {
    return topTwiddles<D>(multiplierOf(w1024.value()), multiplierOf(w2048.value()), multiplierOf(w4096.value()),
                          multiplierOf(multiply(eighthTurn, w4096.value())));
  };
  mergeTopLevels(data, 0, current());
  for (int j = 1; j < eighth / 2; ++j) {
    w1024.advance();
    w2048.advance();
    w4096.advance();
    const TopTwiddles w = current();
    mergeTopLevels(data, j, w);
    mergeTopLevels(data, eighth - j, mirroredTopTwiddles<D>(w));
  }
  w1024.advance();
  w2048.advance();
  w4096.advance();
  mergeTopLevels(data, eighth / 2, current());  // 256 is its own mirror
}

// Sizes 16 ... 4096, after the blocks of eight are done.
template <FFTDirection D>
void combineLevelsAbove8(double* data) {
  merge16And32<D>(data);
  mergeLevels<64, D>(data);
  mergeLevels<256, D>(data);
  mergeLevelsFrom1024<D>(data);
}

}  // namespace fftdetail
