#pragma once

// The radix-2 decimation-in-time levels of the 4096-point complex transform, one
// routine per size with that size's constants folded in. Input is in bit-reversed
// order; sizes 2, 4 and 8 run together on eight points held in registers, each
// larger size then merges pairs of transformed halves.

#include <utility>

#include "processor/fft_bit_reversal.h"
#include "processor/fft_twiddle.h"

namespace fftdetail {

// top, bottom <- top + t, top - t
inline void butterfly(double* data, int top, int bottom, Complex t) {
  const Complex a = loadPoint(data, top);
  storePoint(data, top, a + t);
  storePoint(data, bottom, a - t);
}

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

// The bit-reversal permutation fused with sizes 2 to 8, from in to out: block m of
// the reversed order holds the points rev9(m) + 512 q, q = 0 ... 7, with q itself
// taken in bit-reversed order.
template <FFTDirection D>
void gatherBitReversedBlocksOf8(const double* in, double* out) {
  constexpr int stride = kFFTComplexPoints / 8;
  constexpr int reversedSlot[8] = {0, 4, 2, 6, 1, 5, 3, 7};
  MirrorCounter<stride> mirror;
  for (int base = 0; base < kFFTComplexPoints; base += 8, mirror.advance()) {
    Complex p[8];
    for (int i = 0; i < 8; ++i) p[i] = loadPoint(in, mirror.value() + stride * reversedSlot[i]);
    transform8<D>(p);
    for (int i = 0; i < 8; ++i) storePoint(out, base + i, p[i]);
  }
}

// Merges the transformed halves of every block of `size` points. Twiddle j and
// j + size/4 (its exact quarter turn) share one step of the recurrence, and one
// twiddle serves every block, so each level runs its recurrence once, size/4 steps.
template <int size, FFTDirection D>
void combineLevel(double* data) {
  constexpr int half = size / 2;
  constexpr int quarter = size / 4;
  for (int base = 0; base < kFFTComplexPoints; base += size) {
    butterfly(data, base, base + half, loadPoint(data, base + half));
    butterfly(data, base + quarter, base + quarter + half,
              quarterTurn<D>(loadPoint(data, base + quarter + half)));
  }
  TwiddleRecurrence<D> twiddle(rotationConstants(size));
  for (int j = 1; j < quarter; ++j) {
    twiddle.advance();
    const Multiplier w = multiplierOf(twiddle.value());
    const Multiplier turned = multiplierOf(quarterTurn<D>(twiddle.value()));
    for (int base = j; base < kFFTComplexPoints; base += size) {
      butterfly(data, base, base + half, multiply(w, loadPoint(data, base + half)));
      butterfly(data, base + quarter, base + quarter + half,
                multiply(turned, loadPoint(data, base + quarter + half)));
    }
  }
}

// Sizes 16 ... 4096, after the blocks of eight are done.
template <FFTDirection D>
void combineLevelsAbove8(double* data) {
  combineLevel<16, D>(data);
  combineLevel<32, D>(data);
  combineLevel<64, D>(data);
  combineLevel<128, D>(data);
  combineLevel<256, D>(data);
  combineLevel<512, D>(data);
  combineLevel<1024, D>(data);
  combineLevel<2048, D>(data);
  combineLevel<4096, D>(data);
}

}  // namespace fftdetail
