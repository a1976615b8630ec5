#pragma once

// The radix-2 decimation-in-time levels of the 4096-point complex transform, one
// routine per size with that size's constants folded in. Input is in bit-reversed
// order. Sizes 2, 4 and 8 run on eight points held in registers, sizes 16 to 512
// two levels per pass, sizes 1024 to 4096 in a last pass of three. Twiddles come
// from the recurrence of each level, run once per pass and shared by every block,
// with the exact symmetries of the unit circle (quarter turns and mirrors)
// supplying the rest.

#include "processor/fft_first_levels.h"
#include "processor/fft_middle_levels.h"
#include "processor/fft_top_levels.h"

namespace fftdetail {

// Sizes 16 ... 4096, after the blocks of eight are done.
template <FFTDirection D>
void combineLevelsAbove8(double* data) {
  merge16And32<D>(data);
  mergeLevels<64, D>(data);
  mergeLevels<256, D>(data);
  mergeLevelsFrom1024<D>(data);
}

}  // namespace fftdetail
