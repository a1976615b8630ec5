#pragma once

// The transforms of one instruction-set path, written once over its Pair type, two
// neighbouring points per register: a path's translation unit includes its Pair
// (sse2/pair.h or avx2/pair.h) and this header, and builds its FFTPath from
// pathTransforms<Pair>(). Every path runs the same IEEE additions and
// multiplications in the same order, so all give bit-identical results.
//
// The levels of the 4096-point complex transform are radix-2 decimation in time on
// bit-reversed input, one routine per size with its constants folded in: sizes 2, 4
// and 8 on eight points held in registers and sizes 16 and 32 in the same pass, block
// by block; sizes 64 to 512 in a pass of four levels and sizes 1024 to 4096 in a last
// pass of three, so the data goes through the level-two cache three times. Twiddles
// come from the recurrence of each level, run once per pass and shared by every block,
// with the exact symmetries of the unit circle (quarter turns and mirrors) and turns
// by eighths and sixteenths of it supplying the rest.

#include "processor/fft/first_levels.h"
#include "processor/fft/middle_levels.h"
#include "processor/fft/paths.h"
#include "processor/fft/real_spectrum.h"
#include "processor/fft/top_levels.h"

namespace fftdetail {
namespace {

// Sizes 2 to 32 on every block of 32 consecutive points, in place: a block stays in
// the level-one cache from its first level to its last.
template <class P, FFTDirection D>
inline void transformBlocksOf32(double* data) {
  for (int base = 0; base < kFFTComplexPoints; base += 32) {
    transformTwoBlocksOf8<P, D>(data, base);
    transformTwoBlocksOf8<P, D>(data, base + 16);
    merge16And32<P, D>(data, base);
  }
}

// The bit-reversal permutation fused with sizes 2 to 32, from in to out. The blocks
// of eight of b = 2u + 128 t, t = 0 ... 3, and of b + 1 make up two blocks of 32: the
// 9-bit reversal of 2u (u < 64) is 4 times the 6-bit reversal of u, that of 128 t is
// the 2-bit reversal of t, and b + 1 lands M/2 points above b.
template <class P, FFTDirection D>
inline void gatherBitReversedBlocksOf32(const double* in, double* out) {
  constexpr int reversedQuarter[4] = {0, 2, 1, 3};
  MirrorCounter<32> mirror;
  for (int u = 0; u < 64; u += 2, mirror.advance()) {
    // u and u + 1 read the two halves of the same cache lines; the 6-bit reversal
    // of u + 1 is that of u plus 32.
    const int base = 32 * mirror.value();
    for (int t = 0; t < 4; ++t) {
      gatherTwoBlocksOf8<P, D>(in, out, 2 * u + 128 * t, base + 8 * reversedQuarter[t]);
      gatherTwoBlocksOf8<P, D>(in, out, 2 * u + 2 + 128 * t, base + 1024 + 8 * reversedQuarter[t]);
    }
    for (int half = 0; half < kFFTComplexPoints; half += kFFTComplexPoints / 2) {
      merge16And32<P, D>(out, base + half);
      merge16And32<P, D>(out, base + 1024 + half);
    }
  }
}

// Sizes 64 ... 4096, after the blocks of 32 are done.
template <class P, FFTDirection D>
inline void combineLevelsAbove32(double* data) {
  mergeLevels64To512<P, D>(data);
  mergeLevelsFrom1024<P, D>(data);
}

template <class P, FFTDirection D>
inline void transformBitReversed(double* data) {
  transformBlocksOf32<P, D>(data);
  combineLevelsAbove32<P, D>(data);
}

// The permutation is fused into the first pass, from the frame into the spectrum.
template <class P>
inline void realForward(double* frame, double* spectrum) {
  gatherBitReversedBlocksOf32<P, kFFTForward>(frame, spectrum);
  combineLevelsAbove32<P, kFFTForward>(spectrum);
  splitRealSpectrum<P>(spectrum);
}

template <class P>
inline void realInverse(const double* spectrum, double* out) {
  mergeRealSpectrum<P>(spectrum, out);
  transformBitReversed<P, kFFTInverse>(out);
}

// The weighting is folded into the merge's reading of the spectrum.
template <class P>
inline void realInverseWeighted(const double* spectrum, const double* weights, double nyquistWeight,
                                double* out) {
  mergeRealSpectrum<P>(spectrum, out, Weighted{weights, nyquistWeight});
  transformBitReversed<P, kFFTInverse>(out);
}

template <class P>
constexpr FFTPath pathTransforms(const char* name) {
  return {name,
          realForward<P>,
          realInverse<P>,
          realInverseWeighted<P>,
          transformBitReversed<P, kFFTForward>,
          transformBitReversed<P, kFFTInverse>};
}

}  // namespace
}  // namespace fftdetail
