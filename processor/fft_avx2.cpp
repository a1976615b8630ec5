// The AVX2 path of the transforms: two complex points per register. Compiled for
// AVX2 and run only on processors that have it (see fft.cpp).

#include "processor/fft_avx2_levels.h"
#include "processor/fft_avx2_real.h"
#include "processor/fft_paths.h"

using namespace fftavx2;

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

constinit const FFTPath kAvx2Path{"AVX2", realForward, realInverse,
                                  transformBitReversed<kFFTForward>,
                                  transformBitReversed<kFFTInverse>};

}  // namespace fftdetail
