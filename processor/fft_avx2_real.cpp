// The AVX2 path's split and merge of the real transform: the SSE2 path's bins,
// twiddles and operations (see fft_sse2_real.cpp), two at a time. With M = 4096 and
// W_n = e^(-2 pi i n / 8192), bin n < M/4 takes W_n from the recurrence for
// n <= M/8 and e^(-i pi/4) conj W_(M/4-n) above, and serves the bins M - n, M/2 - n
// and M/2 + n as well. The recurrence holds W_k, W_(k+1) for odd k, serving bins
// k, k + 1 and, turned, M/4 - k, M/4 - k - 1. The split works in place on runs of
// neighbouring bins; the merge, whose results scatter to bit-reversed positions,
// takes one group of four bins per register, whose results land side by side.

#include "processor/fft_avx2_real.h"

#include "processor/fft_avx2_twiddle.h"
#include "processor/fft_bit_reversal.h"
#include "processor/fft_sse2_real.h"

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
[[gnu::always_inline]] inline void splitPairs(double* data, int first,
                                              const Multiplier& halfTurned) {
  using V = decltype(halfTurned.re);
  const int mirrored = kFFTComplexPoints - first;
  const V zn = loadRun<V, step>(data, first);
  const V zm = conjugate(loadRun<V, -step>(data, mirrored));
  const V even = broadcast<V>(0.5) * (zn + zm);         // E
  const V twiddledOdd = multiply(halfTurned, zn - zm);  // W_n O
  storeRun<step>(data, first, even + twiddledOdd);
  storeRun<-step>(data, mirrored, conjugate(even - twiddledOdd));
}

// Bins n, M - n, M/2 - n, M/2 + n for the run n = first + step i; w = W_n.
template <int step, class V>
[[gnu::always_inline]] inline void splitQuartets(double* data, int first, V w) {
  const V half = broadcast<V>(0.5) * w;
  splitPairs<step>(data, first, multiplierOf(quarterTurn<kFFTForward>(half)));
  splitPairs<-step>(data, kHalf - first,
                    multiplierOf(negateReal(half)));  // -i W_(M/2-n) = -conj W_n
}

// w / (2 |w|^2), through 2 - |w|^2 = 1 / |w|^2 (see the SSE2 path).
Pair halfOverSquaredMagnitude(Pair w) {
  const Pair squares = w * w;
  const Pair magnitude = squares + swapParts(squares);
  return w * (broadcast<Pair>(1.0) - broadcast<Pair>(0.5) * magnitude);
}

// Z at the four bins n, M/2 - n, M - n, M/2 + n from X there. Lane 0 works on the
// pair n, M - n and lane 1 on the pair M/2 - n, M/2 + n, so the results come in
// twos that lie side by side in bit-reversed order: rn + 1 is the reversal of
// M/2 + n, and rm + 1, for rm the reversal of M/2 - n, that of M - n. scaled holds
// W_n / (2 |W_n|^2) in both lanes; rn is the reversal of n (even, as n < M/2).
[[gnu::always_inline]] inline void mergeQuartet(const double* spectrum, int n, Pair scaled,
                                                double* out, int rn) {
  // i / W_n = i conj(W_n) / |W_n|^2; i / W_(M/2-n) = i / (-i conj W_n) = -W_n / |W_n|^2
  const PairMultiplier halfTurnedInverse =
      multiplierOf(firstLaneOf(quarterTurn<kFFTInverse>(conjugate(scaled)), negate(scaled)));
  const Pair xn = loadTwo(spectrum, n, kHalf - n);
  const Pair xm = conjugate(loadTwo(spectrum, kFFTComplexPoints - n, kHalf + n));
  const Pair even = broadcast<Pair>(0.5) * (xn + xm);           // E
  const Pair turnedOdd = multiply(halfTurnedInverse, xn - xm);  // i D / W_n
  const Pair top = even + turnedOdd;                            // Z[n], Z[M/2 - n]
  const Pair bottom = conjugate(even - turnedOdd);              // Z[M - n], Z[M/2 + n]
  store(out, rn, firstLaneOf(top, bottom));
  store(out, fftdetail::mirrorOfNegative(rn) - 1, _mm256_permute2f128_pd(top, bottom, 0x21));
}

// Both lanes of a twiddle pair, each in both lanes.
Pair firstInBoth(Pair v) { return _mm256_permute2f128_pd(v, v, 0x00); }
Pair secondInBoth(Pair v) { return _mm256_permute2f128_pd(v, v, 0x11); }

}  // namespace

namespace fftavx2 {

void splitRealSpectrum(double* data) {
  fftdetail::splitUntwiddledBins(data);
  const Single one = repeated<Single>(1.0, 0.0);
  splitPairs<1>(
      data, kQuarter,
      multiplierOf(quarterTurn<kFFTForward>(broadcast<Single>(0.5) * eighthTurnOfConjugate(one))));

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
  fftdetail::mergeUntwiddledBins(spectrum, out);
  // Bin M/4 is its own M/2 - n: both lanes work on the bins M/4 and 3M/4 with the
  // same factor, i conj(w) and -w being the same for w = sqrt(1/2) (1 - i), and
  // both stores write the same two results to the same place.
  mergeQuartet(spectrum, kQuarter,
               halfOverSquaredMagnitude(eighthTurnOfConjugate(repeated<Pair>(1.0, 0.0))), out, 2);

  // M/4 - n is M - n with its top two bits cleared, so its reversal is that of M - n
  // with the bottom two cleared.
  auto reversalOfQuarterMinus = [](int reversal) {
    return fftdetail::mirrorOfNegative(reversal) & ~3;
  };
  PairRecurrence<kFFTSize, kFFTForward> twiddle;
  twiddle.advanceOne();
  fftdetail::MirrorCounter<kFFTComplexPoints> mirror;
  auto nextReversal = [&mirror] {
    mirror.advance();
    return mirror.value();
  };
  for (int k = 1; k < kEighth; k += 2, twiddle.advance()) {
    const int r0 = nextReversal();
    const int r1 = nextReversal();
    const Pair w = twiddle.value();  // W_k, W_(k+1)
    const Pair scaled = halfOverSquaredMagnitude(w);
    mergeQuartet(spectrum, k, firstInBoth(scaled), out, r0);
    mergeQuartet(spectrum, k + 1, secondInBoth(scaled), out, r1);
    const Pair turnedScaled = halfOverSquaredMagnitude(eighthTurnOfConjugate(w));
    mergeQuartet(spectrum, kQuarter - k, firstInBoth(turnedScaled), out,
                 reversalOfQuarterMinus(r0));
    // Bin M/8 is its own M/4 - n and takes W_(M/8) as it is, as in the split.
    if (k + 1 < kEighth) {
      mergeQuartet(spectrum, kQuarter - k - 1, secondInBoth(turnedScaled), out,
                   reversalOfQuarterMinus(r1));
    }
  }
}

}  // namespace fftavx2
