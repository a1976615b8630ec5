// The 4096-point complex transform and the bit-reversal permutation on their own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "fft/fft_reference.h"
#include "platform/diagnostics.h"
#include "processor/fft/fft.h"

namespace {

int reverse12(int n) {
  int reversed = 0;
  for (int bit = 0; bit < 12; ++bit) reversed |= ((n >> bit) & 1) << (11 - bit);
  return reversed;
}

std::vector<double> transformed(std::vector<double> points, FFTDirection direction) {
  bitReverse(points.data());
  complexFFT(points.data(), direction);
  return points;
}

TEST(BitReverse, MovesEveryPointToItsReversedIndex) {
  std::vector<double> points(kFFTSize);
  for (int n = 0; n < kFFTComplexPoints; ++n) {
    points[2 * n] = n;
    points[2 * n + 1] = -n;
  }
  bitReverse(points.data());
  for (int n = 0; n < kFFTComplexPoints; ++n) {
    ASSERT_EQ(points[2 * n], reverse12(n)) << "point " << n;
    ASSERT_EQ(points[2 * n + 1], -reverse12(n)) << "point " << n;
  }
}

TEST(BitReverse, IsItsOwnInverse) {
  const auto original = fftref::randomSamples(kFFTSize, 21);
  auto points = original;
  bitReverse(points.data());
  EXPECT_NE(points, original);
  bitReverse(points.data());
  EXPECT_EQ(points, original);
}

TEST(ComplexFFT, MatchesTheDirectTransformInBothDirections) {
  const auto points = fftref::randomSamples(kFFTSize, 31);
  for (FFTDirection direction : {kFFTForward, kFFTInverse}) {
    const auto expected = fftref::complexDFT(points, direction);
    const auto actual = fftref::toComplex(transformed(points, direction));
    EXPECT_LE(fftref::relativeError(actual, expected), 1e-11L) << "direction " << direction;
  }
}

TEST(ComplexFFT, ForwardThenInverseReturnsTheSizeTimesThePoints) {
  const auto points = fftref::randomSamples(kFFTSize, 41);
  const auto back = transformed(transformed(points, kFFTForward), kFFTInverse);
  double error = 0;
  for (int i = 0; i < kFFTSize; ++i)
    error = std::max(error, std::abs(back[i] - 4096.0 * points[i]));
  EXPECT_LE(error / 4096.0, 1e-12);
}

TEST(ComplexFFT, UnknownDirectionLeavesTheDataAndSaysSo) {
  diag::takeLines();
  const auto original = fftref::randomSamples(kFFTSize, 51);
  auto points = original;
  complexFFT(points.data(), static_cast<FFTDirection>(0));
  complexFFT(nullptr, kFFTForward);
  EXPECT_EQ(points, original);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("complexFFT: unknown direction 0"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("complexFFT: missing buffer"), std::string::npos) << lines[1];
}

}  // namespace
