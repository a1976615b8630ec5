// The real transforms against direct transforms computed in long double.

#include "fft/fft_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "processor/fft/fft.h"

namespace {

TEST(RealFFTForward, MatchesTheDirectTransformOfRandomFrames) {
  for (unsigned seed : {101u, 202u}) {
    auto frame = fftref::randomSamples(kFFTSize, seed);
    const auto expected = fftref::realDFT(frame);
    std::vector<double> spectrum(kFFTSize);
    realFFTForward(frame.data(), spectrum.data());
    EXPECT_LE(fftref::relativeError(fftref::unpackSpectrum(spectrum), expected), 1e-11L)
        << "seed " << seed;
  }
}

TEST(RealFFTInverse, MatchesTheDirectInverseOfARandomSpectrum) {
  // Any packed spectrum is that of some real frame: DC and Nyquist are real by layout.
  const auto spectrum = fftref::randomSamples(kFFTSize, 303);
  const auto expected = fftref::realInverseDFT(spectrum);
  std::vector<double> out(kFFTSize);
  realFFTInverse(spectrum.data(), out.data());
  long double largest = 0, error = 0;
  for (int n = 0; n < kFFTSize; ++n) {
    largest = std::max(largest, std::abs(expected[n]));
    error = std::max(error, std::abs(out[n] - expected[n]));
  }
  EXPECT_LE(error / largest, 1e-11L);
}

}  // namespace
