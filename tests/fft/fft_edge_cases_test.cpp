// The real transforms on frames whose spectra are known exactly.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "fft/fft_reference.h"
#include "platform/diagnostics.h"
#include "processor/fft/fft.h"

namespace {

constexpr double kRounding = 1e-9;  // far above rounding of sums of 8192 unit terms

std::vector<double> forward(std::vector<double> frame) {
  std::vector<double> spectrum(kFFTSize);
  realFFTForward(frame.data(), spectrum.data());
  return spectrum;
}

// Every packed element except those listed must be zero to rounding.
void expectOnly(const std::vector<double>& spectrum,
                const std::vector<std::pair<int, double>>& expected) {
  std::vector<double> want(kFFTSize, 0.0);
  for (auto [index, value] : expected) want[index] = value;
  for (int i = 0; i < kFFTSize; ++i)
    EXPECT_NEAR(spectrum[i], want[i], kRounding) << "element " << i;
}

TEST(RealFFTForward, UnitImpulseHasAFlatSpectrum) {
  std::vector<double> frame(kFFTSize, 0.0);
  frame[0] = 1.0;
  const auto spectrum = forward(frame);
  EXPECT_EQ(spectrum[0], 1.0);
  EXPECT_EQ(spectrum[1], 1.0);
  for (int k = 1; k < kFFTComplexPoints; ++k) {
    EXPECT_NEAR(spectrum[2 * k], 1.0, 1e-15) << "bin " << k;
    EXPECT_NEAR(spectrum[2 * k + 1], 0.0, 1e-15) << "bin " << k;
  }
}

TEST(RealFFTForward, ConstantFrameIsPureDC) {
  expectOnly(forward(std::vector<double>(kFFTSize, 1.0)), {{0, 8192.0}});
}

TEST(RealFFTForward, CosineAtBin5IsOneRealBin) {
  std::vector<double> frame(kFFTSize);
  for (int n = 0; n < kFFTSize; ++n) frame[n] = std::cos(2.0 * std::numbers::pi * 5 * n / kFFTSize);
  expectOnly(forward(frame), {{10, 4096.0}});
}

TEST(RealFFTForward, SineAtBin1234IsOneImaginaryBin) {
  // A bin away from the symmetric points catches sign and mirroring faults.
  std::vector<double> frame(kFFTSize);
  for (int n = 0; n < kFFTSize; ++n) {
    frame[n] = std::sin(2.0 * std::numbers::pi * ((1234L * n) % kFFTSize) / kFFTSize);
  }
  expectOnly(forward(frame), {{2 * 1234 + 1, -4096.0}});
}

TEST(RealFFTForward, AlternatingSignIsPureNyquist) {
  std::vector<double> frame(kFFTSize);
  for (int n = 0; n < kFFTSize; ++n) frame[n] = (n % 2 == 0) ? 1.0 : -1.0;
  expectOnly(forward(frame), {{1, 8192.0}});
}

TEST(RealFFTForward, SingleBinsAtTheSymmetryPointsOfTheSplit) {
  // Bins 1024, 2048 and 3072 take the special paths of the real-spectrum split.
  for (int bin : {1, 1023, 1024, 1025, 2047, 2048, 2049, 3072, 4095}) {
    std::vector<double> frame(kFFTSize);
    for (int n = 0; n < kFFTSize; ++n) {
      frame[n] =
          std::cos(2.0 * std::numbers::pi * ((static_cast<long>(bin) * n) % kFFTSize) / kFFTSize);
    }
    SCOPED_TRACE(bin);
    expectOnly(forward(frame), {{2 * bin, 4096.0}});
  }
}

TEST(RealFFTRoundTrip, ReturnsHalfTheSizeTimesTheFrame) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const auto frame = fftref::randomSamples(kFFTSize, seed);
    const auto spectrum = forward(frame);
    std::vector<double> out(kFFTSize);
    realFFTInverse(spectrum.data(), out.data());
    double error = 0;
    for (int n = 0; n < kFFTSize; ++n)
      error = std::max(error, std::abs(out[n] - 4096.0 * frame[n]));
    EXPECT_LE(error / 4096.0, 1e-12) << "seed " << seed;
  }
}

TEST(RealFFTInverse, LeavesTheSpectrumUnchanged) {
  const auto spectrum = fftref::randomSamples(kFFTSize, 7);
  auto copy = spectrum;
  std::vector<double> out(kFFTSize);
  realFFTInverse(copy.data(), out.data());
  EXPECT_EQ(copy, spectrum);
}

TEST(RealFFT, WorksOnBuffersWithoutVectorAlignment) {
  // Buffers offset by one double: 8-byte but not 16-byte aligned.
  const auto frame = fftref::randomSamples(kFFTSize, 11);
  std::vector<double> input(kFFTSize + 1), spectrum(kFFTSize + 1), out(kFFTSize + 1);
  std::copy(frame.begin(), frame.end(), input.begin() + 1);
  realFFTForward(input.data() + 1, spectrum.data() + 1);
  realFFTInverse(spectrum.data() + 1, out.data() + 1);
  EXPECT_EQ(std::vector<double>(spectrum.begin() + 1, spectrum.end()), forward(frame));
  for (int n = 0; n < kFFTSize; ++n) EXPECT_NEAR(out[n + 1], 4096.0 * frame[n], 1e-8);
}

TEST(RealFFT, RefusesMissingOrOverlappingBuffersAndSaysSo) {
  diag::takeLines();
  std::vector<double> buffer = fftref::randomSamples(2 * kFFTSize, 5);
  const auto before = buffer;

  realFFTForward(buffer.data(), buffer.data());
  realFFTForward(buffer.data(), buffer.data() + kFFTSize - 1);
  realFFTInverse(buffer.data() + 100, buffer.data());
  realFFTForward(nullptr, buffer.data());
  realFFTInverse(buffer.data(), nullptr);

  EXPECT_EQ(buffer, before);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_NE(lines[0].find("realFFTForward: input and output buffers overlap"), std::string::npos)
      << lines[0];
  EXPECT_NE(lines[2].find("realFFTInverse: input and output buffers overlap"), std::string::npos)
      << lines[2];
  EXPECT_NE(lines[3].find("realFFTForward: missing buffer"), std::string::npos) << lines[3];
  EXPECT_NE(lines[4].find("realFFTInverse: missing buffer"), std::string::npos) << lines[4];
}

TEST(RealFFT, AdjacentBuffersAreNotAnOverlap) {
  diag::takeLines();
  std::vector<double> buffer = fftref::randomSamples(2 * kFFTSize, 6);
  const std::vector<double> frame(buffer.begin(), buffer.begin() + kFFTSize);
  realFFTForward(buffer.data(), buffer.data() + kFFTSize);
  EXPECT_TRUE(diag::takeLines().empty());
  EXPECT_EQ(std::vector<double>(buffer.begin() + kFFTSize, buffer.end()), forward(frame));
}

}  // namespace
