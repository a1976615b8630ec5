#pragma once

// Twiddle factors of the AVX2 path, two neighbours per register: the same
// recurrences and the same exact symmetries as the SSE2 path, giving the same
// values bit for bit.

#include "processor/fft_avx2_math.h"
#include "processor/fft_constants.h"
#include "processor/fft_folded_twiddle.h"

namespace fftavx2 {

using fftdetail::ScalarComplex;

template <int size, FFTDirection D, int j>
Pair foldedTwiddles() {  // w_j, w_(j+1), folded in at compile time
  constexpr ScalarComplex a = fftdetail::foldedTwiddle<size, D>(j);
  constexpr ScalarComplex b = fftdetail::foldedTwiddle<size, D>(j + 1);
  return _mm256_set_pd(b.im, b.re, a.im, a.re);
}

template <int size, FFTDirection D, int j, class V>
V foldedTwiddle() {  // w_j in every lane
  constexpr ScalarComplex w = fftdetail::foldedTwiddle<size, D>(j);
  return repeated<V>(w.re, w.im);
}

// The recurrence w <- w e^(-/+ i delta) of a transform of `size` points, holding
// w_j and w_(j+1). Each lane takes the steps of the SSE2 path's one-step recurrence
// in its order of operations, so lane by lane the values are exactly that
// recurrence's: a step for two twiddles costs what a step for one did.
template <int size, FFTDirection D>
class PairRecurrence {
 public:
  PairRecurrence() {
    const Pair one = repeated<Pair>(1.0, 0.0);
    w_ = firstLaneOf(one, step(one));
  }

  Pair value() const { return w_; }        // w_j, w_(j+1)
  void advance() { w_ = step(step(w_)); }  // j += 2
  void advanceOne() { w_ = step(w_); }     // j += 1

 private:
  static constexpr RotationConstants kRotation = rotationConstants(size);

  Pair step(Pair w) const {
    const Pair alpha = broadcast<Pair>(kRotation.alpha);
    const Pair signedBeta = D == kFFTForward ? repeated<Pair>(-kRotation.beta, kRotation.beta)
                                             : repeated<Pair>(kRotation.beta, -kRotation.beta);
    return w - (alpha * w + signedBeta * swapParts(w));
  }

  Pair w_;
};

// e^(-/+ i pi/4), whose parts are both sqrt(1/2).
template <FFTDirection D, class V>
auto eighthTurn() {
  constexpr double root = rotationConstants(8).beta;  // sin(pi/4)
  return multiplierOf(repeated<V>(root, D == kFFTForward ? -root : root));
}

// The twiddles of the indices 0 ... half - 1 of a level, two neighbours at a time.
// Index j < half/2 takes T(j), the j-th value of the source's recurrences; index
// half - j takes T(j) mirrored, an exact relative, and index half/2 is its own
// mirror and takes T(half/2). The source yields T(j), T(j + 1) and advances by
// two; Raw::mirrored<D>() mirrors a set and Raw::lanes(a, b) takes lane 0 of a and
// lane 1 of b. apply(lower, lowerSets, upper, upperSets) receives the twiddles of
// the pairs at lower, lower + 2 and at upper, upper + 2: eight neighbouring indices
// in two runs of four, so the points of a group share cache lines.
template <int half, FFTDirection D, class Source, class Apply>
void walkMirroredPairs(Source& source, Apply apply) {
  constexpr int quarter = half / 2;
  static_assert(quarter % 4 == 0);
  using Raw = decltype(source.value());
  Raw previous = source.value();  // T(j), T(j + 1)
  for (int j = 0; j < quarter; j += 4) {
    source.advance();
    const Raw middle = source.value();  // T(j + 2), T(j + 3)
    source.advance();
    const Raw next = source.value();  // T(j + 4), T(j + 5)
    // half - j - 2 and half - j - 1 mirror j + 2 and j + 1; half - j - 4 and
    // half - j - 3 mirror j + 4 and j + 3.
    const Raw lower[2] = {previous, middle};
    Raw upper[2] = {Raw::lanes(next, middle).template mirrored<D>(),
                    Raw::lanes(middle, previous).template mirrored<D>()};
    if (j + 4 == quarter) upper[0] = Raw::lanes(next, upper[0]);
    apply(j, lower, half - j - 4, upper);
    previous = next;
  }
}

}  // namespace fftavx2
