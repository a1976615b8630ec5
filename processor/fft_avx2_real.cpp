// The AVX2 path's split and merge of the real transform: the SSE2 path's bins,
// twiddles and operations (see fft_sse2_real.cpp), two neighbouring bins at a time.
// With M = 4096 and W_n = e^(-2 pi i n / 8192), bin n < M/4 takes W_n from the
// recurrence for n <= M/8 and e^(-i pi/4) conj W_(M/4-n) above, and serves the bins
// M - n, M/2 - n and M/2 + n as well. The recurrence holds W_k, W_(k+1) for odd k,
// serving bins k, k + 1 and, turned, M/4 - k, M/4 - k - 1: a run going down.

#include "processor/fft_avx2_real.h"

#include "processor/fft_avx2_twiddle.h"
#include "processor/fft_bit_reversal.h"

using namespace fftavx2;

namespace {

constexpr int kHalf = kFFTComplexPoints / 2;
constexpr int kQuarter = kFFTComplexPoints / 4;
constexpr int kEighth = kFFTComplexPoints / 8;

// e^(-i pi/4) conj(w) = sqrt(1/2) (a - b, -(a + b)) for w = (a, b)
template <class V>
V eighthTurnOfConjugate(V w) {
  constexpr double root = rotationConstants(8).beta;  // sin(pi/4)
  return (realParts(w) + negateReal(imaginaryParts(w))) * repeated<V>(root, -root);
}

Single lowLane(Pair v) { return _mm256_castpd256_pd128(v); }

// X[n] and X[M - n] from Z[n] and Z[M - n], in place, for the run n = first + step i
// of the lanes; halfTurned = -i W_n / 2 lane by lane.
template <int step, class Multiplier>
[[gnu::always_inline]] inline void splitPairs(double* data, int first, const Multiplier& halfTurned) {
  using V = decltype(halfTurned.re);
  const int mirrored = kFFTComplexPoints - first;
  const V zn = loadRun<V, step>(data, first);
  const V zm = conjugate(loadRun<V, -step>(data, mirrored));
  const V even = broadcast<V>(0.5) * (zn + zm);          // E
  const V twiddledOdd = multiply(halfTurned, zn - zm);  // W_n O
  storeRun<step>(data, first, even + twiddledOdd);
  storeRun<-step>(data, mirrored, conjugate(even - twiddledOdd));
}

// Bins n, M - n, M/2 - n, M/2 + n for the run n = first + step i; w = W_n.
template <int step, class V>
[[gnu::always_inline]] inline void splitQuartets(double* data, int first, V w) {
  const V half = broadcast<V>(0.5) * w;
  splitPairs<step>(data, first, multiplierOf(quarterTurn<kFFTForward>(half)));
  splitPairs<-step>(data, kHalf - first, multiplierOf(negateReal(half)));  // -i W_(M/2-n) = -conj W_n
}

// Z[n] and Z[M - n] from X[n] and X[M - n] for the run n = first + step i, written
// to out at the bit-reversed positions rn and rm; halfTurnedInverse = i / (2 W_n).
template <int step, class Multiplier>
[[gnu::always_inline]] inline void mergePairs(const double* spectrum, int first,
                                              const Multiplier& halfTurnedInverse, double* out,
                                              const Scatter& rn, const Scatter& rm) {
  using V = decltype(halfTurnedInverse.re);
  const V xn = loadRun<V, step>(spectrum, first);
  const V xm = conjugate(loadRun<V, -step>(spectrum, kFFTComplexPoints - first));
  const V even = broadcast<V>(0.5) * (xn + xm);               // E
  const V turnedOdd = multiply(halfTurnedInverse, xn - xm);  // i D / W_n
  storeScattered(out, rn, even + turnedOdd);
  storeScattered(out, rm, conjugate(even - turnedOdd));  // conj(E - i D / W_n)
}

// w / (2 |w|^2), through 2 - |w|^2 = 1 / |w|^2 (see the SSE2 path).
template <class V>
V halfOverSquaredMagnitude(V w) {
  const V squares = w * w;
  const V magnitude = squares + swapParts(squares);
  return w * (broadcast<V>(1.0) - broadcast<V>(0.5) * magnitude);
}

// Bins n, M - n, M/2 - n, M/2 + n for the run n = first + step i; w = W_n and
// rn = reversal of n (even, as n < M/2), lane by lane.
template <int step, class V>
[[gnu::always_inline]] inline void mergeQuartets(const double* spectrum, int first, V w,
                                                 double* out, const Scatter& rn) {
  Scatter rm{}, upperN{}, upperM{};
  for (int i = 0; i < lanes<V>(); ++i) {
    rm.at[i] = fftdetail::mirrorOfNegative(rn.at[i]);
    upperN.at[i] = fftdetail::mirrorOfNegative(rn.at[i] + 1);
    upperM.at[i] = rn.at[i] + 1;
  }
  const V scaled = halfOverSquaredMagnitude(w);
  // i / W_n = i conj(W_n) / |W_n|^2; i / W_(M/2-n) = i / (-i conj W_n) = -W_n / |W_n|^2
  mergePairs<step>(spectrum, first, multiplierOf(quarterTurn<kFFTInverse>(conjugate(scaled))),
                   out, rn, rm);
  mergePairs<-step>(spectrum, kHalf - first, multiplierOf(negate(scaled)), out, upperN, upperM);
}

}  // namespace

namespace fftavx2 {

void splitRealSpectrum(double* data) {
  const double z0re = data[0];
  const double z0im = data[1];
  data[0] = z0re + z0im;
  data[1] = z0re - z0im;
  store(data, kHalf, conjugate(load<Single>(data, kHalf)));  // W = -i: X[M/2] = conj Z[M/2]
  const Single one = repeated<Single>(1.0, 0.0);
  splitPairs<1>(data, kQuarter,
                multiplierOf(quarterTurn<kFFTForward>(broadcast<Single>(0.5) *
                                                   eighthTurnOfConjugate(one))));

  PairRecurrence<kFFTSize, kFFTForward> twiddle;
  twiddle.advanceOne();
  for (int k = 1; k < kEighth - 1; k += 2, twiddle.advance()) {
    const Pair w = twiddle.value();  // W_k, W_(k+1)
    splitQuartets<1>(data, k, w);
    splitQuartets<-1>(data, kQuarter - k, eighthTurnOfConjugate(w));
  }
  // W_(M/8 - 1), W_(M/8): bin M/8 is its own M/4 - n and takes W_(M/8) as it is.
  const Pair w = twiddle.value();
  splitQuartets<1>(data, kEighth - 1, w);
  splitQuartets<1>(data, kQuarter - (kEighth - 1), eighthTurnOfConjugate(lowLane(w)));
}

void mergeRealSpectrum(const double* spectrum, double* out) {
  out[0] = 0.5 * (spectrum[0] + spectrum[1]);
  out[1] = 0.5 * (spectrum[0] - spectrum[1]);
  store(out, 1, conjugate(load<Single>(spectrum, kHalf)));  // reversal of M/2 is 1
  const Single middle =
      halfOverSquaredMagnitude(eighthTurnOfConjugate(repeated<Single>(1.0, 0.0)));
  mergePairs<1>(spectrum, kQuarter, multiplierOf(quarterTurn<kFFTInverse>(conjugate(middle))),
             out, Scatter{{2, 0}}, Scatter{{3, 0}});

  // M/4 - n is M - n with its top two bits cleared, so its reversal is that of M - n
  // with the bottom two cleared.
  auto reversalOfQuarterMinus = [](int reversal) {
    return fftdetail::mirrorOfNegative(reversal) & ~3;
  };
  PairRecurrence<kFFTSize, kFFTForward> twiddle;
  twiddle.advanceOne();
  fftdetail::MirrorCounter<kFFTComplexPoints> mirror;
  Scatter reversals{};
  auto advanceReversals = [&] {
    for (int& r : reversals.at) {
      mirror.advance();
      r = mirror.value();
    }
  };
  for (int k = 1; k < kEighth - 1; k += 2, twiddle.advance()) {
    advanceReversals();
    const Pair w = twiddle.value();  // W_k, W_(k+1)
    mergeQuartets<1>(spectrum, k, w, out, reversals);
    mergeQuartets<-1>(spectrum, kQuarter - k, eighthTurnOfConjugate(w), out,
                  Scatter{{reversalOfQuarterMinus(reversals.at[0]),
                           reversalOfQuarterMinus(reversals.at[1])}});
  }
  advanceReversals();
  const Pair w = twiddle.value();  // as in the split: bin M/8 takes W_(M/8) as it is
  mergeQuartets<1>(spectrum, kEighth - 1, w, out, reversals);
  mergeQuartets<1>(spectrum, kQuarter - (kEighth - 1), eighthTurnOfConjugate(lowLane(w)), out,
                Scatter{{reversalOfQuarterMinus(reversals.at[0]), 0}});
}

}  // namespace fftavx2
