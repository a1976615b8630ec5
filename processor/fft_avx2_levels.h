#pragma once

// The radix-2 levels of the 4096-point complex transform in the AVX2 path: the same
// routines per size, passes and twiddles as the SSE2 path (fft_levels.h), with two
// neighbouring points per register.

#include "processor/fft_avx2_first_levels.h"
#include "processor/fft_avx2_middle_levels.h"
#include "processor/fft_avx2_top_levels.h"

namespace fftavx2 {

// Sizes 16 ... 4096, after the blocks of eight are done.
template <FFTDirection D>
void combineLevelsAbove8(double* data) {
  merge16And32<D>(data);
  mergeLevels<64, D>(data);
  mergeLevels<256, D>(data);
  mergeLevelsFrom1024<D>(data);
}

}  // namespace fftavx2
