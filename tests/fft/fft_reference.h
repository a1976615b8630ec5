#pragma once

// Direct (O(N^2)) discrete Fourier transforms in long double, the yardstick for the
// fast transforms, and the measures the tests compare them with.

#include <complex>
#include <vector>

namespace fftref {

using LongComplex = std::complex<long double>;

// Forward transform of 8192 real samples: X[0 ... 4096].
std::vector<LongComplex> realDFT(const std::vector<double>& frame);

// 4096 x the real signal whose packed spectrum is given.
std::vector<long double> realInverseDFT(const std::vector<double>& packedSpectrum);

// 4096 complex points (interleaved), natural order, sign -1 forward / +1 inverse.
std::vector<LongComplex> complexDFT(const std::vector<double>& points, int sign);

// Packed spectrum (DC, Nyquist, then Re/Im of bins 1 ... 4095) to X[0 ... 4096].
std::vector<LongComplex> unpackSpectrum(const std::vector<double>& packed);

// Interleaved complex points to complex numbers.
std::vector<LongComplex> toComplex(const std::vector<double>& interleaved);

// max |a - b| / max |b|
long double relativeError(const std::vector<LongComplex>& a, const std::vector<LongComplex>& b);

std::vector<double> randomSamples(int count, unsigned seed);

}  // namespace fftref
