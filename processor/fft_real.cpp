#include <cstdint>

#include "platform/diagnostics.h"
#include "processor/fft.h"
#include "processor/fft_bit_reversal.h"
#include "processor/fft_levels.h"

// The real transform of 8192 samples runs as a complex transform of the 4096 points
// z[n] = x[2n] + i x[2n + 1]. With M = 4096 and W_k = e^(-2 pi i k / 8192), the even
// and odd halves E = (Z[k] + conj Z[M - k]) / 2 and O = (Z[k] - conj Z[M - k]) / 2i
// give X[k] = E + W_k O.
//
// Bins are handled four at a time, k, M - k, M/2 - k and M/2 + k: the last three
// twiddles are exact reflections of W_k (W_(M-k) = -conj W_k, W_(M/2-k) = -i conj W_k),
// so one recurrence of M/4 steps serves all 4096 bins.

using namespace fftdetail;

namespace {

constexpr int kHalf = kFFTComplexPoints / 2;
constexpr int kQuarter = kFFTComplexPoints / 4;

// X[k] and X[M - k] from Z[k] and Z[M - k], in place; w = W_k.
inline void splitPair(double* data, int k, int mirrored, const Multiplier& w) {
  const Complex zk = loadPoint(data, k);
  const Complex zm = conjugate(loadPoint(data, mirrored));
  const Complex sum = zk + zm;                                           // 2E
  const Complex twiddledOdd = multiply(w, quarterTurn<kFFTForward>(zk - zm));  // 2 W_k O
  const Complex half = _mm_set1_pd(0.5);
  storePoint(data, k, half * (sum + twiddledOdd));
  storePoint(data, mirrored, conjugate(half * (sum - twiddledOdd)));     // conj(E - W_k O)
}

// Z[k] and Z[M - k] from X[k] and X[M - k], written to the bit-reversed positions
// rk and rm of out; inverse = conj(W_k) / |W_k|^2, the division by W_k done so that
// drift in the magnitude of the recurrence's W_k does not change the gain.
inline void mergePair(const double* spectrum, int k, int mirrored, const Multiplier& inverse,
                      double* out, int rk, int rm) {
  const Complex xk = loadPoint(spectrum, k);
  const Complex xm = conjugate(loadPoint(spectrum, mirrored));
  const Complex sum = xk + xm;                                                  // 2E
  const Complex turnedOdd = multiply(inverse, quarterTurn<kFFTInverse>(xk - xm));  // 2i D / W_k
  const Complex half = _mm_set1_pd(0.5);
  storePoint(out, rk, half * (sum + turnedOdd));
  storePoint(out, rm, conjugate(half * (sum - turnedOdd)));  // conj(E - i D / W_k)
}

// conj(w) / |w|^2
inline Complex reciprocal(Complex w) {
  const Complex squares = w * w;
  const Complex magnitude = _mm_add_sd(squares, _mm_unpackhi_pd(squares, squares));
  return conjugate(w) / _mm_unpacklo_pd(magnitude, magnitude);
}

void splitRealSpectrum(double* data) {
  const double z0re = data[0];
  const double z0im = data[1];
  data[0] = z0re + z0im;
  data[1] = z0re - z0im;
  storePoint(data, kHalf, conjugate(loadPoint(data, kHalf)));  // W = -i: X[M/2] = conj Z[M/2]

  TwiddleRecurrence<kFFTForward> twiddle(rotationConstants(kFFTSize));
  for (int k = 1; k < kQuarter; ++k) {
    twiddle.advance();
    const Complex w = twiddle.value();
    splitPair(data, k, kFFTComplexPoints - k, multiplierOf(w));
    splitPair(data, kHalf - k, kHalf + k, multiplierOf(quarterTurn<kFFTForward>(conjugate(w))));
  }
  twiddle.advance();
  splitPair(data, kQuarter, kFFTComplexPoints - kQuarter, multiplierOf(twiddle.value()));
}

// Writes Z in bit-reversed order, ready for the complex transform's levels.
void mergeRealSpectrum(const double* spectrum, double* out) {
  out[0] = 0.5 * (spectrum[0] + spectrum[1]);
  out[1] = 0.5 * (spectrum[0] - spectrum[1]);
  storePoint(out, 1, conjugate(loadPoint(spectrum, kHalf)));  // reversal of M/2 is 1

  TwiddleRecurrence<kFFTForward> twiddle(rotationConstants(kFFTSize));
  MirrorCounter<kFFTComplexPoints> mirror;
  for (int k = 1; k < kQuarter; ++k) {
    twiddle.advance();
    mirror.advance();
    const Complex inverse = reciprocal(twiddle.value());
    const int r = mirror.value();  // even: k < M/2
    mergePair(spectrum, k, kFFTComplexPoints - k, multiplierOf(inverse), out, r,
              mirrorOfNegative(r));
    // 1 / W_(M/2-k) = i W_k / |W_k|^2 = swap(conj(W_k) / |W_k|^2)
    mergePair(spectrum, kHalf - k, kHalf + k, multiplierOf(swapParts(inverse)), out,
              mirrorOfNegative(r + 1), r + 1);
  }
  twiddle.advance();
  mirror.advance();
  const int r = mirror.value();
  mergePair(spectrum, kQuarter, kFFTComplexPoints - kQuarter,
            multiplierOf(reciprocal(twiddle.value())), out, r, mirrorOfNegative(r));
}

// The caller's two buffers: present, and not overlapping, since every routine
// reads one while it writes the other.
bool separateBuffers(const char* operation, const double* a, const double* b) {
  if (a == nullptr || b == nullptr) {
    diag::write("%s: missing buffer, nothing transformed", operation);
    return false;
  }
  const auto first = reinterpret_cast<std::uintptr_t>(a);
  const auto second = reinterpret_cast<std::uintptr_t>(b);
  constexpr std::uintptr_t bytes = kFFTSize * sizeof(double);
  if (first < second + bytes && second < first + bytes) {
    diag::write("%s: input and output buffers overlap, nothing transformed", operation);
    return false;
  }
  return true;
}

}  // namespace

void realFFTForward(double* frame, double* spectrum) {
  if (!separateBuffers("realFFTForward", frame, spectrum)) return;
  gatherBitReversedBlocksOf8<kFFTForward>(frame, spectrum);
  combineLevelsAbove8<kFFTForward>(spectrum);
  splitRealSpectrum(spectrum);
}

void realFFTInverse(const double* spectrum, double* out) {
  if (!separateBuffers("realFFTInverse", spectrum, out)) return;
  mergeRealSpectrum(spectrum, out);
  transformBlocksOf8<kFFTInverse>(out);
  combineLevelsAbove8<kFFTInverse>(out);
}
