#include "fft/fft_reference.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "processor/fft/fft.h"

namespace fftref {
namespace {

// e^(-2 pi i m / 8192) for m = 0 ... 8191. Angles are reduced exactly (k n mod 8192)
// before use, so every entry is as accurate as long double sin and cos allow.
const std::vector<LongComplex>& unitRoots() {
  static const std::vector<LongComplex> roots = [] {
    std::vector<LongComplex> table(kFFTSize);
    const long double pi = std::acos(-1.0L);
    for (int m = 0; m < kFFTSize; ++m) {
      const long double angle = 2.0L * pi * m / kFFTSize;
      table[m] = LongComplex(std::cos(angle), -std::sin(angle));
    }
    return table;
  }();
  return roots;
}

constexpr int kRootMask = kFFTSize - 1;

}  // namespace

std::vector<LongComplex> realDFT(const std::vector<double>& frame) {
  const auto& roots = unitRoots();
  std::vector<LongComplex> spectrum(kFFTComplexPoints + 1);
  for (int k = 0; k <= kFFTComplexPoints; ++k) {
    long double re = 0, im = 0;
    for (int n = 0; n < kFFTSize; ++n) {
      const LongComplex& root = roots[(k * n) & kRootMask];
      re += frame[n] * root.real();
      im += frame[n] * root.imag();
    }
    spectrum[k] = LongComplex(re, im);
  }
  return spectrum;
}

std::vector<long double> realInverseDFT(const std::vector<double>& packedSpectrum) {
  const auto& roots = unitRoots();
  const auto bins = unpackSpectrum(packedSpectrum);
  std::vector<long double> signal(kFFTSize);
  for (int n = 0; n < kFFTSize; ++n) {
    // Bins k and N - k are conjugates: their sum is twice the real part of one.
    long double sum = bins[0].real() + ((n & 1) ? -1.0L : 1.0L) * bins[kFFTComplexPoints].real();
    for (int k = 1; k < kFFTComplexPoints; ++k) {
      const LongComplex& root = roots[(k * n) & kRootMask];  // conjugate of e^(+i ...)
      sum += 2.0L * (bins[k].real() * root.real() + bins[k].imag() * root.imag());
    }
    signal[n] = sum / 2.0L;  // 1/8192 of the sum, times 4096
  }
  return signal;
}

std::vector<LongComplex> complexDFT(const std::vector<double>& points, int sign) {
  const auto& roots = unitRoots();
  const auto input = toComplex(points);
  std::vector<LongComplex> spectrum(kFFTComplexPoints);
  for (int k = 0; k < kFFTComplexPoints; ++k) {
    LongComplex sum = 0;
    for (int n = 0; n < kFFTComplexPoints; ++n) {
      const LongComplex& root = roots[(2 * k * n) & kRootMask];
      sum += input[n] * (sign < 0 ? root : std::conj(root));
    }
    spectrum[k] = sum;
  }
  return spectrum;
}

std::vector<LongComplex> unpackSpectrum(const std::vector<double>& packed) {
  std::vector<LongComplex> bins(kFFTComplexPoints + 1);
  bins[0] = packed[0];
  bins[kFFTComplexPoints] = packed[1];
  for (int k = 1; k < kFFTComplexPoints; ++k)
    bins[k] = LongComplex(packed[2 * k], packed[2 * k + 1]);
  return bins;
}

std::vector<LongComplex> toComplex(const std::vector<double>& interleaved) {
  std::vector<LongComplex> points(interleaved.size() / 2);
  for (std::size_t n = 0; n < points.size(); ++n) {
    points[n] = LongComplex(interleaved[2 * n], interleaved[2 * n + 1]);
  }
  return points;
}

long double relativeError(const std::vector<LongComplex>& a, const std::vector<LongComplex>& b) {
  long double largest = 0, error = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    largest = std::max(largest, std::abs(b[i]));
    error = std::max(error, std::abs(a[i] - b[i]));
  }
  return error / largest;
}

std::vector<double> randomSamples(int count, unsigned seed) {
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> samples(count);
  for (double& sample : samples) sample = uniform(generator);
  return samples;
}

}  // namespace fftref
