#pragma once

// Sizes 2, 4 and 8 of the complex transform, on eight points held in registers:
// in place on bit-reversed data, or fused with the bit-reversal permutation itself.

#include "processor/fft_bit_reversal.h"
#include "processor/fft_twiddle.h"

namespace fftdetail {

// The transforms of sizes 2, 4 and 8 of eight points given in bit-reversed order;
// the result is in natural order. The twiddles of size 8 are 1, w1, and w1 turned
// by a quarter; the second half of every level uses exact quarter turns of the first.
template <FFTDirection D>
inline void transform8(Complex (&p)[8]) {
  for (int i = 0; i < 8; i += 2) butterfly(p[i], p[i + 1], p[i + 1]);
  for (int i = 0; i < 8; i += 4) {
    butterfly(p[i], p[i + 2], p[i + 2]);
    butterfly(p[i + 1], p[i + 3], quarterTurn<D>(p[i + 3]));
  }
  const Multiplier w1 = multiplierOf(foldedTwiddleValue<8, D, 1>());
  butterfly(p[0], p[4], p[4]);
  butterfly(p[1], p[5], multiply(w1, p[5]));
  butterfly(p[2], p[6], quarterTurn<D>(p[6]));
  butterfly(p[3], p[7], quarterTurn<D>(multiply(w1, p[7])));
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

}  // namespace fftdetail
