#pragma once

// Sizes 2, 4 and 8 of the complex transform, two blocks of eight points at once:
// lane 0 holds one block and lane 1 the other, so every butterfly is that of one
// block, applied to two side by side. In place on bit-reversed data, or fused with
// the bit-reversal permutation itself.

#include "processor/fft/bit_reversal.h"
#include "processor/fft/twiddle.h"

namespace fftdetail {
namespace {

// The transforms of sizes 2, 4 and 8 of two blocks of eight points given in
// bit-reversed order (point i of each block in p[i]); the result is in natural order.
// The twiddles of size 8 are 1, w1, and w1 turned by a quarter; the second half of
// every level uses exact quarter turns of the first.
template <FFTDirection D, class P>
[[gnu::always_inline]] inline void transform8(P (&p)[8]) {
  for (int i = 0; i < 8; i += 2) butterfly(p[i], p[i + 1], p[i + 1]);
  for (int i = 0; i < 8; i += 4) {
    butterfly(p[i], p[i + 2], p[i + 2]);
    butterfly(p[i + 1], p[i + 3], quarterTurn<D>(p[i + 3]));
  }
  const Multiplier<P> w1 = multiplierOf(foldedTwiddle<P, 8, D, 1>());
  butterfly(p[0], p[4], p[4]);
  butterfly(p[1], p[5], multiply(w1, p[5]));
  butterfly(p[2], p[6], quarterTurn<D>(p[6]));
  butterfly(p[3], p[7], quarterTurn<D>(multiply(w1, p[7])));
}

// Exchanges lane 1 of first with lane 0 of second: turns points (i, i + 1) of two
// blocks into point i of both blocks and point i + 1 of both, and back.
template <class P>
inline void transposeLanes(P& first, P& second) {
  const P a = first;
  first = joinLanes<0, 0>(a, second);
  second = joinLanes<1, 1>(a, second);
}

// Sizes 2 to 8 on the two blocks of eight consecutive points from `base`, in place.
template <class P, FFTDirection D>
inline void transformTwoBlocksOf8(double* data, int base) {
  P p[8];
  for (int i = 0; i < 8; i += 2) {
    p[i] = P::load(data, base + i);
    p[i + 1] = P::load(data, base + 8 + i);
    transposeLanes(p[i], p[i + 1]);
  }
  transform8<D>(p);
  for (int i = 0; i < 8; i += 2) {
    transposeLanes(p[i], p[i + 1]);
    store(data, base + i, p[i]);
    store(data, base + 8 + i, p[i + 1]);
  }
}

// The bit-reversal permutation fused with sizes 2 to 8 for the blocks of b and b + 1
// (b even), from in to out: the block of eight at reversed position m holds the points
// b + 512 q, q = 0 ... 7, where b is the 9-bit reversal of m, with q itself taken in
// bit-reversed order. The two blocks are read together, one pair of neighbours per
// point; the reversal of b + 1 is that of b plus 256, so the blocks go to `base` and
// M/2 points above.
template <class P, FFTDirection D>
inline void gatherTwoBlocksOf8(const double* in, double* out, int b, int base) {
  constexpr int stride = kFFTComplexPoints / 8;
  constexpr int reversedSlot[8] = {0, 4, 2, 6, 1, 5, 3, 7};
  P p[8];
  for (int i = 0; i < 8; ++i) p[i] = P::load(in, b + stride * reversedSlot[i]);
  transform8<D>(p);
  for (int i = 0; i < 8; i += 2) {
    transposeLanes(p[i], p[i + 1]);
    store(out, base + i, p[i]);
    store(out, base + kFFTComplexPoints / 2 + i, p[i + 1]);
  }
}

}  // namespace
}  // namespace fftdetail
