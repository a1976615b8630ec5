#pragma once

// The real transform's split and merge: the conversions between the complex
// transform of z[n] = x[2n] + i x[2n + 1] and the packed real spectrum.
//
// With M = 4096 and W_n = e^(-2 pi i n / 8192), the even and odd halves
// E = (Z[n] + conj Z[M - n]) / 2 and O = (Z[n] - conj Z[M - n]) / 2i give
// X[n] = E + W_n O and X[M - n] = conj(E - W_n O). Bins go in groups: n, M - n,
// M/2 - n, M/2 + n for n = k and n = M/4 - k, as W_(M/2-n) = -i conj W_n exactly and
// W_(M/4-k) = e^(-i pi/4) conj W_k, so one recurrence of M/8 steps serves all 4096
// bins. It holds W_k, W_(k+1) for odd k, serving bins k, k + 1 and, turned, M/4 - k,
// M/4 - k - 1. The split works in place on runs of neighbouring bins; the merge,
// whose results scatter to bit-reversed positions, takes one group of four bins per
// Pair, whose results land side by side.

#include "processor/fft/bit_reversal.h"
#include "processor/fft/twiddle.h"

namespace fftdetail {
namespace {

constexpr int kHalfPoints = kFFTComplexPoints / 2;
constexpr int kQuarterPoints = kFFTComplexPoints / 4;
constexpr int kEighthPoints = kFFTComplexPoints / 8;

// e^(-i pi/4) conj(w) = sqrt(1/2) (a - b, -(a + b)) for w = (a, b)
template <class V>
inline V eighthTurnOfConjugate(V w) {
  constexpr double root = rotationConstants(8).beta;  // sin(pi/4)
  return (realParts(w) + negateReal(imaginaryParts(w))) * V::repeated(root, -root);
}

// X[n] and X[M - n] from Z[n] and Z[M - n], in place, for the run n = first + step i
// of the lanes; halfTurned = -i W_n / 2 lane by lane.
template <int step, class V>
[[gnu::always_inline]] inline void splitPairs(double* data, int first,
                                              const Multiplier<V>& halfTurned) {
  const int mirrored = kFFTComplexPoints - first;
  const V zn = loadRun<V, step>(data, first);
  const V zm = conjugate(loadRun<V, -step>(data, mirrored));
  const V even = V::broadcast(0.5) * (zn + zm);         // E
  const V twiddledOdd = multiply(halfTurned, zn - zm);  // W_n O
  storeRun<step>(data, first, even + twiddledOdd);
  storeRun<-step>(data, mirrored, conjugate(even - twiddledOdd));
}

// Bins n, M - n, M/2 - n, M/2 + n for the run n = first + step i; w = W_n.
template <int step, class V>
[[gnu::always_inline]] inline void splitQuartets(double* data, int first, V w) {
  const V half = V::broadcast(0.5) * w;
  splitPairs<step>(data, first, multiplierOf(quarterTurn<kFFTForward>(half)));
  splitPairs<-step>(data, kHalfPoints - first,
                    multiplierOf(negateReal(half)));  // -i W_(M/2-n) = -conj W_n
}

// w / (2 |w|^2). |w| stays within a few rounding errors of 1, so 2 - |w|^2 is
// 1 / |w|^2 to far below rounding: dividing by W_n this way removes the
// recurrence's drift in magnitude from the gain without a division.
template <class P>
inline P halfOverSquaredMagnitude(P w) {
  const P squares = w * w;
  const P magnitude = squares + swapParts(squares);
  return w * (P::broadcast(1.0) - P::broadcast(0.5) * magnitude);
}

// Z at the four bins n, M/2 - n, M - n, M/2 + n from X there. Lane 0 works on the
// pair n, M - n and lane 1 on the pair M/2 - n, M/2 + n, so the results come in
// twos that lie side by side in bit-reversed order: rn + 1 is the reversal of
// M/2 + n, and rm + 1, for rm the reversal of M/2 - n, that of M - n. scaled holds
// W_n / (2 |W_n|^2) in both lanes; rn is the reversal of n (even, as n < M/2).
template <class P>
[[gnu::always_inline]] inline void mergeQuartet(const double* spectrum, int n, P scaled,
                                                double* out, int rn) {
  // i / W_n = i conj(W_n) / |W_n|^2; i / W_(M/2-n) = i / (-i conj W_n) = -W_n / |W_n|^2
  const Multiplier<P> halfTurnedInverse =
      multiplierOf(joinLanes<0, 1>(quarterTurn<kFFTInverse>(conjugate(scaled)), negate(scaled)));
  const P xn = P::fromSingles(Single::load(spectrum, n), Single::load(spectrum, kHalfPoints - n));
  const P xm = conjugate(P::fromSingles(Single::load(spectrum, kFFTComplexPoints - n),
                                        Single::load(spectrum, kHalfPoints + n)));
  const P even = P::broadcast(0.5) * (xn + xm);              // E
  const P turnedOdd = multiply(halfTurnedInverse, xn - xm);  // i D / W_n
  const P top = even + turnedOdd;                            // Z[n], Z[M/2 - n]
  const P bottom = conjugate(even - turnedOdd);              // Z[M - n], Z[M/2 + n]
  store(out, rn, joinLanes<0, 1>(top, bottom));
  store(out, mirrorOfNegative(rn) - 1, joinLanes<1, 0>(top, bottom));
}

// The bins that need no twiddle: DC and Nyquist, packed together in point 0 of the
// spectrum, and bin M/2 (W = -i), whose two results are one conjugate.
inline void splitUntwiddledBins(double* data) {
  const double z0re = data[0];
  const double z0im = data[1];
  data[0] = z0re + z0im;
  data[1] = z0re - z0im;
  data[2 * kHalfPoints + 1] = -data[2 * kHalfPoints + 1];  // X[M/2] = conj Z[M/2]
}

inline void mergeUntwiddledBins(const double* spectrum, double* out) {
  out[0] = 0.5 * (spectrum[0] + spectrum[1]);
  out[1] = 0.5 * (spectrum[0] - spectrum[1]);
  out[2] = spectrum[2 * kHalfPoints];  // Z[M/2] = conj X[M/2], at its reversal 1
  out[3] = -spectrum[2 * kHalfPoints + 1];
}

// Z (4096 complex points, natural order) to the packed spectrum, in place.
template <class P>
inline void splitRealSpectrum(double* data) {
  splitUntwiddledBins(data);
  const Single one = Single::repeated(1.0, 0.0);
  splitPairs<1>(
      data, kQuarterPoints,
      multiplierOf(quarterTurn<kFFTForward>(Single::broadcast(0.5) * eighthTurnOfConjugate(one))));

  PairRecurrence<P, kFFTSize, kFFTForward> twiddle;
  twiddle.advanceOne();
  for (int k = 1; k < kEighthPoints - 1; k += 2, twiddle.advance()) {
    const P w = twiddle.value();  // W_k, W_(k+1)
    splitQuartets<1>(data, k, w);
    splitQuartets<-1>(data, kQuarterPoints - k, eighthTurnOfConjugate(w));
  }
  // W_(M/8 - 1), W_(M/8): bin M/8 is its own M/4 - n and takes W_(M/8) as it is.
  const P w = twiddle.value();
  splitQuartets<1>(data, kEighthPoints - 1, w);
  splitQuartets<1>(data, kQuarterPoints - (kEighthPoints - 1), eighthTurnOfConjugate(lowLane(w)));
}

// The packed spectrum to Z, written to out in bit-reversed order, ready for the
// complex transform's levels. spectrum is left unchanged.
template <class P>
inline void mergeRealSpectrum(const double* spectrum, double* out) {
  mergeUntwiddledBins(spectrum, out);
  // Bin M/4 is its own M/2 - n: both lanes work on the bins M/4 and 3M/4 with the
  // same factor, i conj(w) and -w being the same for w = sqrt(1/2) (1 - i), and
  // both stores write the same two results to the same place.
  mergeQuartet(spectrum, kQuarterPoints,
               halfOverSquaredMagnitude(eighthTurnOfConjugate(P::repeated(1.0, 0.0))), out, 2);

  // M/4 - n is M - n with its top two bits cleared, so its reversal is that of M - n
  // with the bottom two cleared.
  auto reversalOfQuarterMinus = [](int reversal) { return mirrorOfNegative(reversal) & ~3; };
  PairRecurrence<P, kFFTSize, kFFTForward> twiddle;
  twiddle.advanceOne();
  MirrorCounter<kFFTComplexPoints> mirror;
  auto nextReversal = [&mirror] {
    mirror.advance();
    return mirror.value();
  };
  for (int k = 1; k < kEighthPoints; k += 2, twiddle.advance()) {
    const int r0 = nextReversal();
    const int r1 = nextReversal();
    const P w = twiddle.value();  // W_k, W_(k+1)
    const P scaled = halfOverSquaredMagnitude(w);
    mergeQuartet(spectrum, k, joinLanes<0, 0>(scaled, scaled), out, r0);
    mergeQuartet(spectrum, k + 1, joinLanes<1, 1>(scaled, scaled), out, r1);
    const P turnedScaled = halfOverSquaredMagnitude(eighthTurnOfConjugate(w));
    mergeQuartet(spectrum, kQuarterPoints - k, joinLanes<0, 0>(turnedScaled, turnedScaled), out,
                 reversalOfQuarterMinus(r0));
    // Bin M/8 is its own M/4 - n and takes W_(M/8) as it is, as in the split.
    if (k + 1 < kEighthPoints) {
      mergeQuartet(spectrum, kQuarterPoints - k - 1, joinLanes<1, 1>(turnedScaled, turnedScaled),
                   out, reversalOfQuarterMinus(r1));
    }
  }
}

}  // namespace
}  // namespace fftdetail
