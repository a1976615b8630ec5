// The SSE2 path of the transforms: one complex point per register.

#include "processor/fft_levels.h"
#include "processor/fft_paths.h"
#include "processor/fft_sse2_real.h"

using namespace fftdetail;

namespace {

template <FFTDirection D>
void transformBitReversed(double* data) {
  transformBlocksOf8<D>(data);
  combineLevelsAbove8<D>(data);
}

void realForward(double* frame, double* spectrum) {
  gatherBitReversedBlocksOf8<kFFTForward>(frame, spectrum);
  combineLevelsAbove8<kFFTForward>(spectrum);
  splitRealSpectrum(spectrum);
}

void realInverse(const double* spectrum, double* out) {
  mergeRealSpectrum(spectrum, out);
  transformBitReversed<kFFTInverse>(out);
}

}  // namespace

namespace fftdetail {

constinit const FFTPath kSse2Path{"SSE2", realForward, realInverse,
                                  transformBitReversed<kFFTForward>,
                                  transformBitReversed<kFFTInverse>};

}  // namespace fftdetail
