// The AVX2 and SSE2 paths of the transforms give bit-identical results, and the
// public routines run the path chosen for this processor.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "fft/fft_reference.h"
#include "processor/fft/fft.h"
#include "processor/fft/paths.h"
#include "processor/instruction_set.h"

namespace {

using fftdetail::FFTPath;

// Frames whose values hit the special cases of rounding: exact zeros of both signs
// (where a rewritten sum would flip a sign), tiny and huge magnitudes, subnormals.
std::vector<std::vector<double>> testFrames() {
  std::vector<std::vector<double>> frames;
  for (unsigned seed : {1u, 2u, 3u, 4u}) frames.push_back(fftref::randomSamples(kFFTSize, seed));
  frames.emplace_back(kFFTSize, 0.0);
  frames.emplace_back(kFFTSize, -0.0);
  frames.emplace_back(kFFTSize, 1.0);
  std::vector<double> impulse(kFFTSize, 0.0);
  impulse[0] = 1.0;
  frames.push_back(impulse);
  std::vector<double> alternating(kFFTSize);
  for (int n = 0; n < kFFTSize; ++n) alternating[n] = (n % 2 == 0) ? 1.0 : -1.0;
  frames.push_back(alternating);
  auto scaled = fftref::randomSamples(kFFTSize, 9);
  for (int n = 0; n < kFFTSize; ++n) {
    const int kind = n % 4;
    if (kind == 0) scaled[n] *= 1e300;
    if (kind == 1) scaled[n] *= std::numeric_limits<double>::denorm_min() * 1e6;
    if (kind == 2) scaled[n] = (n % 8 == 2) ? 0.0 : -0.0;
  }
  frames.push_back(scaled);
  return frames;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// The first element where two results differ, for the failure message.
std::string firstDifference(const std::vector<double>& a, const std::vector<double>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::memcmp(&a[i], &b[i], sizeof(double)) != 0) {
      char text[96];
      std::snprintf(text, sizeof text, "element %zu: %.17g vs %.17g", i, a[i], b[i]);
      return text;
    }
  }
  return "none";
}

class FFTPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!avx2Supported()) GTEST_SKIP() << "this processor has no AVX2";
  }
  const FFTPath& sse2 = fftdetail::kSse2Path;
  const FFTPath& avx2 = fftdetail::kAvx2Path;
};

TEST_F(FFTPaths, RealForwardIsBitIdentical) {
  for (const auto& frame : testFrames()) {
    std::vector<double> sse2Frame = frame, avx2Frame = frame;
    std::vector<double> sse2Spectrum(kFFTSize), avx2Spectrum(kFFTSize);
    sse2.realForward(sse2Frame.data(), sse2Spectrum.data());
    avx2.realForward(avx2Frame.data(), avx2Spectrum.data());
    ASSERT_TRUE(sameBits(sse2Spectrum, avx2Spectrum))
        << firstDifference(sse2Spectrum, avx2Spectrum);
  }
}

TEST_F(FFTPaths, RealInverseIsBitIdentical) {
  // Every frame read as a packed spectrum, and the spectra of the frames as well.
  for (const auto& frame : testFrames()) {
    std::vector<double> scratch = frame, spectrum(kFFTSize);
    sse2.realForward(scratch.data(), spectrum.data());
    for (const auto& input : {frame, spectrum}) {
      std::vector<double> sse2Out(kFFTSize), avx2Out(kFFTSize);
      sse2.realInverse(input.data(), sse2Out.data());
      avx2.realInverse(input.data(), avx2Out.data());
      ASSERT_TRUE(sameBits(sse2Out, avx2Out)) << firstDifference(sse2Out, avx2Out);
    }
  }
}

TEST_F(FFTPaths, ComplexTransformsAreBitIdenticalInBothDirections) {
  for (const auto& points : testFrames()) {
    for (auto transform : {&FFTPath::complexForward, &FFTPath::complexInverse}) {
      std::vector<double> sse2Points = points, avx2Points = points;
      (sse2.*transform)(sse2Points.data());
      (avx2.*transform)(avx2Points.data());
      ASSERT_TRUE(sameBits(sse2Points, avx2Points)) << firstDifference(sse2Points, avx2Points);
    }
  }
}

TEST_F(FFTPaths, WorkOnBuffersWithoutVectorAlignment) {
  // Offset by one double: 8-byte aligned only, so no load of either path is aligned.
  const auto frame = fftref::randomSamples(kFFTSize, 13);
  std::vector<double> sse2Buffers(3 * kFFTSize + 1), avx2Buffers(3 * kFFTSize + 1);
  for (auto* buffers : {&sse2Buffers, &avx2Buffers}) {
    std::memcpy(buffers->data() + 1, frame.data(), kFFTSize * sizeof(double));
  }
  for (auto [path, buffers] : {std::pair{&sse2, &sse2Buffers}, std::pair{&avx2, &avx2Buffers}}) {
    double* base = buffers->data() + 1;
    path->realForward(base, base + kFFTSize);
    path->realInverse(base + kFFTSize, base + 2 * kFFTSize);
  }
  EXPECT_TRUE(sameBits(sse2Buffers, avx2Buffers)) << firstDifference(sse2Buffers, avx2Buffers);
}

TEST(FFTPathChoice, TakesAVX2WhereTheProcessorHasItAndKeepsItsChoice) {
  const FFTPath& chosen = fftdetail::activePath();
  EXPECT_EQ(&chosen, avx2Supported() ? &fftdetail::kAvx2Path : &fftdetail::kSse2Path)
      << chosen.name;
  EXPECT_EQ(&fftdetail::activePath(), &chosen);
}

TEST(FFTPathChoice, PublicTransformsRunTheChosenPath) {
  const FFTPath& chosen = fftdetail::activePath();
  auto frame = fftref::randomSamples(kFFTSize, 17);
  auto pathFrame = frame;
  std::vector<double> spectrum(kFFTSize), pathSpectrum(kFFTSize);
  realFFTForward(frame.data(), spectrum.data());
  chosen.realForward(pathFrame.data(), pathSpectrum.data());
  EXPECT_TRUE(sameBits(spectrum, pathSpectrum));
}

}  // namespace
