#pragma once

// Sizes 16 to 512 of the complex transform, merged two levels at a time (16 and 32,
// 64 and 128, 256 and 512): each point is loaded once for both levels, while every
// butterfly is still the radix-2 one of its level with that level's twiddle. Two
// neighbouring points per Pair.

#include <utility>

#include "processor/fft/twiddle.h"

namespace fftdetail {
namespace {

// The twiddles of two neighbouring indices j, j + 1 < size/2 in sizes `size` and
// 2 `size`: w_size^j for the inner level, w_2size^j and its quarter turn
// w_2size^(j + size/2) for the outer one.
template <class P>
struct TwoLevelTwiddles {
  Multiplier<P> inner;
  Multiplier<P> outer;
  Multiplier<P> outerTurned;
};

template <FFTDirection D, class P>
inline TwoLevelTwiddles<P> twoLevelTwiddles(P inner, P outer) {
  const Multiplier<P> outerFactor = multiplierOf(outer);
  return {multiplierOf(inner), outerFactor, quarterTurned<D>(outerFactor)};
}

// Points j, j + size/2, j + size, j + 3 size/2 of a block of 2 `size` points and
// their neighbours above: the inner level's butterflies on both halves, then the
// outer level's two.
template <int size, class P>
[[gnu::always_inline]] inline void mergeTwoLevels(double* data, int j,
                                                  const TwoLevelTwiddles<P>& w) {
  constexpr int half = size / 2;
  const P a = P::load(data, j);
  const P b = multiply(w.inner, P::load(data, j + half));
  const P c = P::load(data, j + size);
  const P d = multiply(w.inner, P::load(data, j + size + half));
  const P innerTop = a + b, innerBottom = a - b;
  const P secondTop = multiply(w.outer, c + d);
  const P secondBottom = multiply(w.outerTurned, c - d);
  store(data, j, innerTop + secondTop);
  store(data, j + size, innerTop - secondTop);
  store(data, j + half, innerBottom + secondBottom);
  store(data, j + size + half, innerBottom - secondBottom);
}

// Sizes 16 and 32, with all their twiddles folded in at compile time.
template <class P, FFTDirection D, int... j>
inline void merge16And32Block(double* block, std::integer_sequence<int, j...>) {
  (mergeTwoLevels<16>(
       block, 2 * j,
       twoLevelTwiddles<D>(foldedTwiddles<P, 16, D, 2 * j>(), foldedTwiddles<P, 32, D, 2 * j>())),
   ...);
}

// Sizes 16 and 32 on the block of 32 points from `base`.
template <class P, FFTDirection D>
inline void merge16And32(double* data, int base) {
  merge16And32Block<P, D>(data + 2 * base, std::make_integer_sequence<int, 4>{});
}

// The raw twiddles of two neighbouring indices in sizes `size` and 2 `size`.
template <class P>
struct TwoLevelValues {
  P inner;
  P outer;

  // Those of size/2 - j from those of j, exactly: w_size^(size/2 - j) =
  // -conj w_size^j and w_2size^(size/2 - j) = (-/+ i) conj w_2size^j.
  template <FFTDirection D>
  TwoLevelValues mirrored() const {
    return {negateReal(inner), quarterTurn<D>(conjugate(outer))};
  }

  static TwoLevelValues lanes(const TwoLevelValues& first, const TwoLevelValues& second) {
    return {joinLanes<0, 1>(first.inner, second.inner), joinLanes<0, 1>(first.outer, second.outer)};
  }
};

template <class P, int size, FFTDirection D>
struct TwoLevelSource {
  PairRecurrence<P, size, D> inner;
  PairRecurrence<P, 2 * size, D> outer;

  TwoLevelValues<P> value() const { return {inner.value(), outer.value()}; }
  void advance() {
    inner.advance();
    outer.advance();
  }
};

// Sizes `size` and 2 `size` from run-time recurrences, one per level, each run once
// per pass: every group of twiddles serves all blocks, so each cache line of a block
// is used fully while it is loaded.
template <class P, int size, FFTDirection D>
inline void mergeLevels(double* data) {
  TwoLevelSource<P, size, D> source;
  walkMirroredPairs<size / 2, D>(source, [data](int lower, const TwoLevelValues<P>(&lowerSets)[2],
                                                int upper, const TwoLevelValues<P>(&upperSets)[2]) {
    TwoLevelTwiddles<P> w[4];
    for (int i = 0; i < 2; ++i) {
      w[i] = twoLevelTwiddles<D>(lowerSets[i].inner, lowerSets[i].outer);
      w[2 + i] = twoLevelTwiddles<D>(upperSets[i].inner, upperSets[i].outer);
    }
    for (int base = 0; base < kFFTComplexPoints; base += 2 * size) {
      double* block = data + 2 * base;
      mergeTwoLevels<size>(block, lower, w[0]);
      mergeTwoLevels<size>(block, lower + 2, w[1]);
      mergeTwoLevels<size>(block, upper, w[2]);
      mergeTwoLevels<size>(block, upper + 2, w[3]);
    }
  });
}

}  // namespace
}  // namespace fftdetail
