#include "platform/diagnostics.h"
#include "processor/fft.h"
#include "processor/fft_bit_reversal.h"
#include "processor/fft_levels.h"

using namespace fftdetail;

void bitReverse(double* data) {
  if (data == nullptr) {
    diag::write("bitReverse: missing buffer, nothing permuted");
    return;
  }
  MirrorCounter<kFFTComplexPoints> mirror;
  for (int n = 0; n < kFFTComplexPoints; ++n, mirror.advance()) {
    const int m = mirror.value();
    if (n < m) {
      const Complex point = loadPoint(data, n);
      storePoint(data, n, loadPoint(data, m));
      storePoint(data, m, point);
    }
  }
}

template <FFTDirection D>
static void transformBitReversed(double* data) {
  transformBlocksOf8<D>(data);
  combineLevelsAbove8<D>(data);
}

void complexFFT(double* data, FFTDirection direction) {
  if (data == nullptr) {
    diag::write("complexFFT: missing buffer, nothing transformed");
  } else if (direction == kFFTForward) {
    transformBitReversed<kFFTForward>(data);
  } else if (direction == kFFTInverse) {
    transformBitReversed<kFFTInverse>(data);
  } else {
    diag::write("complexFFT: unknown direction %d, nothing transformed",
                static_cast<int>(direction));
  }
}
