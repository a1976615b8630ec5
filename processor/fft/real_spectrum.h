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
// M/4 - k - 1. The split works in place on runs of neighbouring bins; the merge
// works on the same runs and, as its results go to bit-reversed positions, joins the
// results that land side by side there for its stores.

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

// The bins as the spectrum holds them.
struct Unweighted {
  double dc() const { return 1.0; }
  double nyquist() const { return 1.0; }
  double bin(int) const { return 1.0; }
  template <class V, int step>
  V run(V bins, int) const {
    return bins;
  }
};

// Every bin multiplied by its real weight as it is read: both parts of bin k by
// weights[k], Nyquist by its own weight; the same products as weighting the spectrum
// first.
struct Weighted {
  const double* weights;
  double nyquistWeight;

  double dc() const { return weights[0]; }
  double nyquist() const { return nyquistWeight; }
  double bin(int k) const { return weights[k]; }
  // bins holds the run first, first + step, ... of the lanes.
  template <class V, int step>
  V run(V bins, int first) const {
    if constexpr (V::kPoints == 1) {
      return bins * V::broadcast(weights[first]);
    } else {
      const double w0 = weights[first];
      const double w1 = weights[first + step];
      return bins * V::set(w0, w0, w1, w1);
    }
  }
};

// Z[n] and Z[M - n] from X[n] and X[M - n] for the run n = first + step i of the
// lanes; halfTurnedInverse = i / (2 W_n) lane by lane.
template <int step, class V, class Weights>
[[gnu::always_inline]] inline void mergePairs(const double* spectrum, const Weights& weights,
                                              int first, const Multiplier<V>& halfTurnedInverse,
                                              V& zn, V& zm) {
  const int mirrored = kFFTComplexPoints - first;
  const V xn = weights.template run<V, step>(loadRun<V, step>(spectrum, first), first);
  const V xm =
      conjugate(weights.template run<V, -step>(loadRun<V, -step>(spectrum, mirrored), mirrored));
  const V even = V::broadcast(0.5) * (xn + xm);              // E
  const V turnedOdd = multiply(halfTurnedInverse, xn - xm);  // i D / W_n
  zn = even + turnedOdd;
  zm = conjugate(even - turnedOdd);
}

// a and b of lane `lane` side by side from point `at`.
template <int lane, class V>
inline void storeSideBySide(double* out, int at, V a, V b) {
  if constexpr (V::kPoints == 1) {
    store(out, at, a);
    store(out, at + 1, b);
  } else {
    store(out, at, joinLanes<lane, lane>(a, b));
  }
}

// Z at the bins n, M - n, M/2 - n and M/2 + n from X there, for the run n = first +
// step i of the lanes, written to out in bit-reversed order; reversal[i] is that of
// n_i. The results lie side by side in twos: the reversal of M/2 + n is that of n
// plus one, and that of M - n the one of M/2 - n plus one. scaled = W_n / (2 |W_n|^2)
// lane by lane.
template <int step, class V, class Weights>
[[gnu::always_inline]] inline void mergeQuartets(const double* spectrum, const Weights& weights,
                                                 int first, V scaled, double* out,
                                                 const int (&reversal)[V::kPoints]) {
  // i / W_n = i conj(W_n) / |W_n|^2, the parts of W_n / |W_n|^2 exchanged;
  // i / W_(M/2-n) = i / (-i conj W_n) = -W_n / |W_n|^2.
  const Multiplier<V> turned{imaginaryParts(scaled), realParts(scaled)};
  const Multiplier<V> negated{negate(realParts(scaled)), negate(imaginaryParts(scaled))};
  V zn, zm, zh, zhm;  // Z[n], Z[M - n], Z[M/2 - n], Z[M/2 + n]
  mergePairs<step>(spectrum, weights, first, turned, zn, zm);
  mergePairs<-step>(spectrum, weights, kHalfPoints - first, negated, zh, zhm);
  storeSideBySide<0>(out, reversal[0], zn, zhm);
  storeSideBySide<0>(out, mirrorOfNegative(reversal[0]) - 1, zh, zm);
  if constexpr (V::kPoints == 2) {
    storeSideBySide<1>(out, reversal[1], zn, zhm);
    storeSideBySide<1>(out, mirrorOfNegative(reversal[1]) - 1, zh, zm);
  }
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

template <class Weights>
inline void mergeUntwiddledBins(const double* spectrum, const Weights& weights, double* out) {
  const double dc = spectrum[0] * weights.dc();
  const double nyquist = spectrum[1] * weights.nyquist();
  out[0] = 0.5 * (dc + nyquist);
  out[1] = 0.5 * (dc - nyquist);
  // Z[M/2] = conj X[M/2], at its reversal 1
  out[2] = spectrum[2 * kHalfPoints] * weights.bin(kHalfPoints);
  out[3] = -(spectrum[2 * kHalfPoints + 1] * weights.bin(kHalfPoints));
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
template <class P, class Weights = Unweighted>
inline void mergeRealSpectrum(const double* spectrum, double* out,
                              const Weights& weights = Weights{}) {
  mergeUntwiddledBins(spectrum, weights, out);
  // Bin M/4 is its own M/2 - n: both halves of its quartet work on the bins M/4 and
  // 3M/4 with the same factor, i conj(w) and -w being the same for w = sqrt(1/2)
  // (1 - i), and write the same two results to the same place, its reversal 2.
  const Single one = Single::repeated(1.0, 0.0);
  mergeQuartets<1>(spectrum, weights, kQuarterPoints,
                   halfOverSquaredMagnitude(eighthTurnOfConjugate(one)), out, {2});

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
  for (int k = 1; k < kEighthPoints - 1; k += 2, twiddle.advance()) {
    const int r0 = nextReversal();
    const int r1 = nextReversal();
    const P w = twiddle.value();  // W_k, W_(k+1)
    mergeQuartets<1>(spectrum, weights, k, halfOverSquaredMagnitude(w), out, {r0, r1});
    mergeQuartets<-1>(spectrum, weights, kQuarterPoints - k,
                      halfOverSquaredMagnitude(eighthTurnOfConjugate(w)), out,
                      {reversalOfQuarterMinus(r0), reversalOfQuarterMinus(r1)});
  }
  // W_(M/8 - 1), W_(M/8): bin M/8 is its own M/4 - n and takes W_(M/8) as it is, as
  // in the split.
  const int r0 = nextReversal();
  const int r1 = nextReversal();
  const P w = twiddle.value();
  mergeQuartets<1>(spectrum, weights, kEighthPoints - 1, halfOverSquaredMagnitude(w), out,
                   {r0, r1});
  mergeQuartets<1>(spectrum, weights, kQuarterPoints - (kEighthPoints - 1),
                   halfOverSquaredMagnitude(eighthTurnOfConjugate(lowLane(w))), out,
                   {reversalOfQuarterMinus(r0)});
}

}  // namespace
}  // namespace fftdetail
