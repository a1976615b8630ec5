// The inverse transform with the weighting folded in gives exactly the bits of
// weighting a copy of the spectrum and transforming that, on every instruction-set
// path, and refuses what the plain inverse refuses.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fft/fft_reference.h"
#include "platform/diagnostics.h"
#include "processor/fft/fft.h"
#include "processor/fft/paths.h"
#include "processor/instruction_set.h"

namespace {

struct Weighting {
  std::vector<double> weights;
  double nyquist;
};

// The directivity weights between 0 and 1, and values beyond them: exact zeros and
// ones, negative and large weights.
std::vector<Weighting> weightings() {
  std::vector<Weighting> all;
  for (unsigned seed : {21u, 22u}) {
    auto weights = fftref::randomSamples(kFFTComplexPoints, seed);
    for (double& w : weights) w = 0.5 + 0.5 * w;
    all.push_back({weights, weights.back()});
  }
  auto mixed = fftref::randomSamples(kFFTComplexPoints, 23);
  for (int k = 0; k < kFFTComplexPoints; k += 3) mixed[k] = (k % 2 == 0) ? 0.0 : 1.0;
  for (int k = 1; k < kFFTComplexPoints; k += 7) mixed[k] *= -1e5;
  all.push_back({mixed, -2.5});
  return all;
}

std::vector<double> weightedCopy(const std::vector<double>& spectrum, const Weighting& w) {
  std::vector<double> weighted = spectrum;
  weighted[0] *= w.weights[0];
  weighted[1] *= w.nyquist;
  for (int k = 1; k < kFFTComplexPoints; ++k) {
    weighted[2 * k] *= w.weights[k];
    weighted[2 * k + 1] *= w.weights[k];
  }
  return weighted;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

TEST(RealFFTInverseWeighted, GivesTheBitsOfWeightingFirstOnEveryPath) {
  std::vector<const fftdetail::FFTPath*> paths{&fftdetail::kSse2Path};
  if (avx2Supported()) paths.push_back(&fftdetail::kAvx2Path);
  for (unsigned seed : {31u, 32u}) {
    const auto spectrum = fftref::randomSamples(kFFTSize, seed);
    for (const Weighting& w : weightings()) {
      std::vector<double> expected(kFFTSize);
      realFFTInverse(weightedCopy(spectrum, w).data(), expected.data());

      std::vector<double> out(kFFTSize);
      realFFTInverseWeighted(spectrum.data(), w.weights.data(), w.nyquist, out.data());
      EXPECT_TRUE(sameBits(out, expected)) << "public, seed " << seed;
      for (const auto* path : paths) {
        std::vector<double> pathOut(kFFTSize);
        path->realInverseWeighted(spectrum.data(), w.weights.data(), w.nyquist, pathOut.data());
        std::vector<double> pathExpected(kFFTSize);
        path->realInverse(weightedCopy(spectrum, w).data(), pathExpected.data());
        EXPECT_TRUE(sameBits(pathOut, pathExpected)) << path->name << ", seed " << seed;
      }
    }
  }
}

TEST(RealFFTInverseWeighted, LeavesSpectrumAndWeightsUnchanged) {
  const auto spectrum = fftref::randomSamples(kFFTSize, 33);
  const auto weights = fftref::randomSamples(kFFTComplexPoints, 34);
  auto spectrumCopy = spectrum;
  auto weightsCopy = weights;
  std::vector<double> out(kFFTSize);
  realFFTInverseWeighted(spectrumCopy.data(), weightsCopy.data(), 0.5, out.data());
  EXPECT_EQ(spectrumCopy, spectrum);
  EXPECT_EQ(weightsCopy, weights);
}

TEST(RealFFTInverseWeighted, RefusesMissingOrOverlappingBuffersAndSaysSo) {
  diag::takeLines();
  std::vector<double> buffer = fftref::randomSamples(2 * kFFTSize, 35);
  const auto before = buffer;
  const auto weights = fftref::randomSamples(kFFTComplexPoints, 36);
  double* out = buffer.data() + kFFTSize;

  realFFTInverseWeighted(buffer.data(), nullptr, 1.0, out);
  realFFTInverseWeighted(nullptr, weights.data(), 1.0, out);
  realFFTInverseWeighted(buffer.data(), weights.data(), 1.0, nullptr);
  realFFTInverseWeighted(buffer.data() + 1, weights.data(), 1.0, out);  // spectrum into out
  realFFTInverseWeighted(buffer.data(), out + kFFTSize - 1, 1.0, out);  // weights in out
  realFFTInverseWeighted(buffer.data(), out - kFFTComplexPoints + 1, 1.0, out);

  EXPECT_EQ(buffer, before);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 6u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(lines[i].find("realFFTInverseWeighted: missing buffer"), std::string::npos)
        << lines[i];
  }
  for (int i = 3; i < 6; ++i) {
    EXPECT_NE(lines[i].find("realFFTInverseWeighted: input and output buffers overlap"),
              std::string::npos)
        << lines[i];
  }
}

TEST(RealFFTInverseWeighted, WeightsJustBeforeTheOutputAreNotAnOverlap) {
  std::vector<double> buffer(kFFTComplexPoints + kFFTSize, 1.0);
  const auto spectrum = fftref::randomSamples(kFFTSize, 37);
  diag::takeLines();
  realFFTInverseWeighted(spectrum.data(), buffer.data(), 1.0, buffer.data() + kFFTComplexPoints);
  EXPECT_TRUE(diag::takeLines().empty());
  std::vector<double> expected(kFFTSize);
  realFFTInverse(spectrum.data(), expected.data());
  EXPECT_TRUE(
      sameBits(std::vector<double>(buffer.begin() + kFFTComplexPoints, buffer.end()), expected));
}

}  // namespace
