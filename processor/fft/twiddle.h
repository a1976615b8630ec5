#pragma once

// Twiddle factors e^(-/+ 2 pi i j / size), two neighbours per Pair: folded in at
// compile time for the small sizes, from the trigonometric recurrence
// w <- w e^(-/+ i delta), delta = 2 pi / size, started at w = 1, for the others. No
// tables: each level runs its own recurrence from its two rotation constants.

#include "processor/fft/complex_math.h"
#include "processor/fft/folded_twiddle.h"

namespace fftdetail {
namespace {

template <class P, int size, FFTDirection D, int j>
inline P foldedTwiddles() {  // w_j, w_(j+1)
  constexpr ScalarComplex a = foldedTwiddle<size, D>(j);
  constexpr ScalarComplex b = foldedTwiddle<size, D>(j + 1);
  return P::set(a.re, a.im, b.re, b.im);
}

template <class V, int size, FFTDirection D, int j>
inline V foldedTwiddle() {  // w_j in every lane
  constexpr ScalarComplex w = foldedTwiddle<size, D>(j);
  return V::repeated(w.re, w.im);
}

// The recurrence of a transform of `size` points, holding w_j and w_(j+1). Each lane
// takes the steps of the one-step recurrence rotateOneStep in its order of
// operations, so lane by lane the values are exactly that recurrence's, and a step
// for two twiddles costs what a step for one would.
template <class P, int size, FFTDirection D>
class PairRecurrence {
 public:
  PairRecurrence() {
    const P one = P::repeated(1.0, 0.0);
    w_ = joinLanes<0, 1>(one, step(one));
  }

  P value() const { return w_; }           // w_j, w_(j+1)
  void advance() { w_ = step(step(w_)); }  // j += 2
  void advanceOne() { w_ = step(w_); }     // j += 1

 private:
  static constexpr RotationConstants kRotation = rotationConstants(size);

  // w - (alpha w + (-/+ beta, +/- beta) swap(w)) is, part by part, rotateOneStep.
  static P step(P w) {
    const P alpha = P::broadcast(kRotation.alpha);
    const P signedBeta = D == kFFTForward ? P::repeated(-kRotation.beta, kRotation.beta)
                                          : P::repeated(kRotation.beta, -kRotation.beta);
    return w - (alpha * w + signedBeta * swapParts(w));
  }

  P w_;
};

// The twiddles of the indices 0 ... half - 1 of a level, two neighbours at a time.
// Index j < half/2 takes T(j), the j-th value of the source's recurrences; index
// half - j takes T(j) mirrored, an exact relative, and index half/2 is its own
// mirror and takes T(half/2). The source yields T(j), T(j + 1) and advances by
// two; Raw::mirrored<D>() mirrors a set and Raw::lanes(a, b) takes lane 0 of a and
// lane 1 of b. apply(lower, lowerSets, upper, upperSets) receives the twiddles of
// the pairs at lower, lower + 2 and at upper, upper + 2: eight neighbouring indices
// in two runs of four, so the points of a group share cache lines.
template <int half, FFTDirection D, class Source, class Apply>
inline void walkMirroredPairs(Source& source, Apply apply) {
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

}  // namespace
}  // namespace fftdetail
