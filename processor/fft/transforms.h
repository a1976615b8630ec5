#pragma once

// The transforms of one instruction-set path, written once over its Pair type, two
// neighbouring points per register: a path's translation unit includes its Pair
// (sse2/pair.h or avx2/pair.h) and this header, and builds its FFTPath from
// pathTransforms<Pair>(). Every path runs the same IEEE additions and
// multiplications in the same order, so all give bit-identical results.
//
// The levels of the 4096-point complex transform are radix-2 decimation in time on
// bit-reversed input, one routine per size with its constants folded in: sizes 2, 4
// and 8 on eight points held in registers, sizes 16 to 512 two levels per pass,
// sizes 1024 to 4096 in a last pass of three. Twiddles come from the recurrence of
// each level, run once per pass and shared by every block, with the exact symmetries
// of the unit circle (quarter turns and mirrors) supplying the rest.

#include "processor/fft/first_levels.h"
#include "processor/fft/middle_levels.h"
#include "processor/fft/paths.h"
#include "processor/fft/real_spectrum.h"
#include "processor/fft/top_levels.h"

namespace fftdetail {
namespace {

// Sizes 16 ... 4096, after the blocks of eight are done.
template <class P, FFTDirection D>
inline void combineLevelsAbove8(double* data) {
  merge16And32<P, D>(data);
  mergeLevels<P, 64, D>(data);
  mergeLevels<P, 256, D>(data);
  mergeLevelsFrom1024<P, D>(data);
}

template <class P, FFTDirection D>
inline void transformBitReversed(double* data) {
  transformBlocksOf8<P, D>(data);
  combineLevelsAbove8<P, D>(data);
}

// The permutation is fused into the first pass, from the frame into the spectrum.
template <class P>
inline void realForward(double* frame, double* spectrum) {
  gatherBitReversedBlocksOf8<P, kFFTForward>(frame, spectrum);
  combineLevelsAbove8<P, kFFTForward>(spectrum);
  splitRealSpectrum<P>(spectrum);
}

template <class P>
inline void realInverse(const double* spectrum, double* out) {
  mergeRealSpectrum<P>(spectrum, out);
  transformBitReversed<P, kFFTInverse>(out);
}

template <class P>
constexpr FFTPath pathTransforms(const char* name) {
  return {name, realForward<P>, realInverse<P>, transformBitReversed<P, kFFTForward>,
          transformBitReversed<P, kFFTInverse>};
}

}  // namespace
}  // namespace fftdetail
