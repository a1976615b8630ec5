// The SSE2 path's split and merge of the real transform.
//
// The real transform of 8192 samples runs as a complex transform of the 4096 points
// z[n] = x[2n] + i x[2n + 1]. With M = 4096 and W_n = e^(-2 pi i n / 8192), the even
// and odd halves E = (Z[n] + conj Z[M - n]) / 2 and O = (Z[n] - conj Z[M - n]) / 2i
// give X[n] = E + W_n O and X[M - n] = conj(E - W_n O).
//
// Bins go in groups of eight, n, M - n, M/2 - n, M/2 + n for n = k and n = M/4 - k:
// W_(M/2-n) = -i conj W_n exactly, and W_(M/4-k) = e^(-i pi/4) conj W_k, so one
// recurrence of M/8 steps serves all 4096 bins.

#include "processor/fft_sse2_real.h"

#include "processor/fft.h"
#include "processor/fft_bit_reversal.h"
#include "processor/fft_twiddle.h"

using namespace fftdetail;

namespace {

constexpr int kHalf = kFFTComplexPoints / 2;
constexpr int kQuarter = kFFTComplexPoints / 4;
constexpr int kEighth = kFFTComplexPoints / 8;

// e^(-i pi/4) conj(w) = sqrt(1/2) (a - b, -(a + b)) for w = (a, b)
inline Complex eighthTurnOfConjugate(Complex w) {
  const double root = rotationConstants(8).beta;  // sin(pi/4)
  return (_mm_unpacklo_pd(w, w) + negateReal(_mm_unpackhi_pd(w, w))) * makeComplex(root, -root);
}

// X[n] and X[M - n] from Z[n] and Z[M - n], in place; halfTurned = -i W_n / 2.
inline void splitPair(double* data, int n, const Multiplier& halfTurned) {
  const int mirrored = kFFTComplexPoints - n;
  const Complex zn = loadPoint(data, n);
  const Complex zm = conjugate(loadPoint(data, mirrored));
  const Complex even = _mm_set1_pd(0.5) * (zn + zm);          // E
  const Complex twiddledOdd = multiply(halfTurned, zn - zm);  // W_n O
  storePoint(data, n, even + twiddledOdd);
  storePoint(data, mirrored, conjugate(even - twiddledOdd));
}

// Bins n, M - n, M/2 - n, M/2 + n; w = W_n.
inline void splitQuartet(double* data, int n, Complex w) {
  const Multiplier half = multiplierOf(_mm_set1_pd(0.5) * w);
  splitPair(data, n, quarterTurned<kFFTForward>(half));
  splitPair(data, kHalf - n, negatedConjugate(half));  // -i W_(M/2-n) = -conj W_n
}

// Z[n] and Z[M - n] from X[n] and X[M - n], written to out at the bit-reversed
// positions rn and rm; halfTurnedInverse = i / (2 W_n).
inline void mergePair(const double* spectrum, int n, const Multiplier& halfTurnedInverse,
                      double* out, int rn, int rm) {
  const Complex xn = loadPoint(spectrum, n);
  const Complex xm = conjugate(loadPoint(spectrum, kFFTComplexPoints - n));
  const Complex even = _mm_set1_pd(0.5) * (xn + xm);               // E
  const Complex turnedOdd = multiply(halfTurnedInverse, xn - xm);  // i D / W_n
  storePoint(out, rn, even + turnedOdd);
  storePoint(out, rm, conjugate(even - turnedOdd));  // conj(E - i D / W_n)
}

// w / (2 |w|^2). |w| stays within a few rounding errors of 1, so 2 - |w|^2 is
// 1 / |w|^2 to far below rounding: dividing by W_n this way removes the
// recurrence's drift in magnitude from the gain without a division.
inline Complex halfOverSquaredMagnitude(Complex w) {
  const Complex squares = w * w;
  const Complex magnitude = squares + swapParts(squares);
  return w * (_mm_set1_pd(1.0) - _mm_set1_pd(0.5) * magnitude);
}

// Bins n, M - n, M/2 - n, M/2 + n; w = W_n, rn = reversal of n (even, as n < M/2).
inline void mergeQuartet(const double* spectrum, int n, Complex w, double* out, int rn) {
  const Multiplier scaled = multiplierOf(halfOverSquaredMagnitude(w));
  // i / W_n = i conj(W_n) / |W_n|^2; i / W_(M/2-n) = i / (-i conj W_n) = -W_n / |W_n|^2
  mergePair(spectrum, n, quarterTurned<kFFTInverse>(conjugated(scaled)), out, rn,
            mirrorOfNegative(rn));
  mergePair(spectrum, kHalf - n, negated(scaled), out, mirrorOfNegative(rn + 1), rn + 1);
}

}  // namespace

namespace fftdetail {

void splitUntwiddledBins(double* data) {
  const double z0re = data[0];
  const double z0im = data[1];
  data[0] = z0re + z0im;
  data[1] = z0re - z0im;
  data[2 * kHalf + 1] = -data[2 * kHalf + 1];  // X[M/2] = conj Z[M/2]
}

void mergeUntwiddledBins(const double* spectrum, double* out) {
  out[0] = 0.5 * (spectrum[0] + spectrum[1]);
  out[1] = 0.5 * (spectrum[0] - spectrum[1]);
  out[2] = spectrum[2 * kHalf];  // Z[M/2] = conj X[M/2], at its reversal 1
  out[3] = -spectrum[2 * kHalf + 1];
}

void splitRealSpectrum(double* data) {
  splitUntwiddledBins(data);
  const Complex one = makeComplex(1.0, 0.0);
  splitPair(
      data, kQuarter,
      quarterTurned<kFFTForward>(multiplierOf(_mm_set1_pd(0.5) * eighthTurnOfConjugate(one))));

  TwiddleRecurrence<kFFTForward> twiddle(rotationConstants(kFFTSize));
  for (int k = 1; k < kEighth; ++k) {
    twiddle.advance();
    splitQuartet(data, k, twiddle.value());
    splitQuartet(data, kQuarter - k, eighthTurnOfConjugate(twiddle.value()));
  }
  twiddle.advance();
  splitQuartet(data, kEighth, twiddle.value());
}

void mergeRealSpectrum(const double* spectrum, double* out) {
  mergeUntwiddledBins(spectrum, out);
  const Multiplier middle =
      multiplierOf(halfOverSquaredMagnitude(eighthTurnOfConjugate(makeComplex(1.0, 0.0))));
  mergePair(spectrum, kQuarter, quarterTurned<kFFTInverse>(conjugated(middle)), out, 2, 3);

  TwiddleRecurrence<kFFTForward> twiddle(rotationConstants(kFFTSize));
  MirrorCounter<kFFTComplexPoints> mirror;
  for (int k = 1; k < kEighth; ++k) {
    twiddle.advance();
    mirror.advance();
    const int r = mirror.value();
    mergeQuartet(spectrum, k, twiddle.value(), out, r);
    // M/4 - k is M - k with its top two bits cleared, so its reversal is that of
    // M - k with the bottom two cleared.
    mergeQuartet(spectrum, kQuarter - k, eighthTurnOfConjugate(twiddle.value()), out,
                 mirrorOfNegative(r) & ~3);
  }
  twiddle.advance();
  mirror.advance();
  mergeQuartet(spectrum, kEighth, twiddle.value(), out, mirror.value());
}

}  // namespace fftdetail
