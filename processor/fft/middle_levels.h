#pragma once

// Sizes 16 to 512 of the complex transform: 16 and 32 together, on blocks of 32
// points in the level-one cache, and 64 to 512 in one pass over the data, sixteen
// points at a time. Each point is loaded once for all the levels of its pass, while
// every butterfly is still the radix-2 one of its level with that level's twiddle.
// Two neighbouring points per Pair.

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

// The raw twiddles of two neighbouring indices j, j + 1 < 32 in sizes 64 to 512:
// w_64^j, w_128^j, w_256^(j + 32 k) for k = 0, 1 and w_512^(j + 32 k) for k = 0 ... 3;
// the rest are exact quarter turns of these.
template <class P>
struct FourLevelValues {
  P w64;
  P w128;
  P w256[2];
  P w512[4];

  // Those of 32 - j from those of j, exactly: w_64^(32-j) = -conj w_64^j,
  // w_128^(32-j) = (-/+ i) conj w_128^j, w_256^(32-j+32k) = (-/+ i) conj
  // w_256^(j+32(1-k)) and w_512^(32-j+32k) = (-/+ i) conj w_512^(j+32(3-k)).
  template <FFTDirection D>
  FourLevelValues mirrored() const {
    FourLevelValues m{negateReal(w64), quarterTurn<D>(conjugate(w128)), {}, {}};
    for (int k = 0; k < 2; ++k) m.w256[k] = quarterTurn<D>(conjugate(w256[1 - k]));
    for (int k = 0; k < 4; ++k) m.w512[k] = quarterTurn<D>(conjugate(w512[3 - k]));
    return m;
  }

  static FourLevelValues lanes(const FourLevelValues& first, const FourLevelValues& second) {
    FourLevelValues l{
        joinLanes<0, 1>(first.w64, second.w64), joinLanes<0, 1>(first.w128, second.w128), {}, {}};
    for (int k = 0; k < 2; ++k) l.w256[k] = joinLanes<0, 1>(first.w256[k], second.w256[k]);
    for (int k = 0; k < 4; ++k) l.w512[k] = joinLanes<0, 1>(first.w512[k], second.w512[k]);
    return l;
  }
};

// The factors of one pair of indices, one per butterfly column of each level.
template <class P>
struct FourLevelTwiddles {
  Multiplier<P> w64;
  Multiplier<P> w128[2];
  Multiplier<P> w256[4];
  Multiplier<P> w512[8];
};

template <FFTDirection D, class P>
inline FourLevelTwiddles<P> fourLevelTwiddles(const FourLevelValues<P>& v) {
  FourLevelTwiddles<P> w;
  w.w64 = multiplierOf(v.w64);
  w.w128[0] = multiplierOf(v.w128);
  w.w128[1] = quarterTurned<D>(w.w128[0]);
  for (int k = 0; k < 2; ++k) {
    w.w256[k] = multiplierOf(v.w256[k]);
    w.w256[k + 2] = quarterTurned<D>(w.w256[k]);
  }
  for (int k = 0; k < 4; ++k) {
    w.w512[k] = multiplierOf(v.w512[k]);
    w.w512[k + 4] = quarterTurned<D>(w.w512[k]);
  }
  return w;
}

// One recurrence per size; the twiddles 32 steps on are turns by an eighth of the
// circle (size 256) and by sixteenths (size 512) of the recurrence's value.
template <class P, FFTDirection D>
struct FourLevelSource {
  PairRecurrence<P, 64, D> w64;
  PairRecurrence<P, 128, D> w128;
  PairRecurrence<P, 256, D> w256;
  PairRecurrence<P, 512, D> w512;

  FourLevelValues<P> value() const {
    const P w512j = w512.value();
    return {w64.value(),
            w128.value(),
            {w256.value(), multiply(eighthTurn<D, P>(), w256.value())},
            {w512j, multiply(sixteenthTurn<D, P, 1>(), w512j), multiply(eighthTurn<D, P>(), w512j),
             multiply(sixteenthTurn<D, P, 3>(), w512j)}};
  }
  void advance() {
    w64.advance();
    w128.advance();
    w256.advance();
    w512.advance();
  }
};

// Points j + 32 q, q = 0 ... 15, of a block of 512 and their neighbours above,
// through sizes 64, 128, 256 and 512.
template <class P>
[[gnu::always_inline]] inline void mergeFourLevels(double* data, int j,
                                                   const FourLevelTwiddles<P>& w) {
  constexpr int stride = 32;
  P p[16];
  for (int q = 0; q < 16; ++q) p[q] = P::load(data, j + stride * q);
  for (int q = 0; q < 16; q += 2) butterfly(p[q], p[q + 1], multiply(w.w64, p[q + 1]));
  for (int q = 0; q < 16; q += 4) {
    for (int k = 0; k < 2; ++k)
      butterfly(p[q + k], p[q + k + 2], multiply(w.w128[k], p[q + k + 2]));
  }
  for (int q = 0; q < 16; q += 8) {
    for (int k = 0; k < 4; ++k)
      butterfly(p[q + k], p[q + k + 4], multiply(w.w256[k], p[q + k + 4]));
  }
  for (int k = 0; k < 8; ++k) butterfly(p[k], p[k + 8], multiply(w.w512[k], p[k + 8]));
  for (int q = 0; q < 16; ++q) store(data, j + stride * q, p[q]);
}

// Sizes 64 to 512 in one pass: one recurrence per size, 16 steps each, every two
// steps serving two neighbouring indices and their mirrors, and every group of
// twiddles serving all eight blocks of 512 points.
template <class P, FFTDirection D>
inline void mergeLevels64To512(double* data) {
  FourLevelSource<P, D> source;
  walkMirroredPairs<32, D>(source, [data](int lower, const FourLevelValues<P>(&lowerSets)[2],
                                          int upper, const FourLevelValues<P>(&upperSets)[2]) {
    FourLevelTwiddles<P> w[4];
    for (int i = 0; i < 2; ++i) {
      w[i] = fourLevelTwiddles<D>(lowerSets[i]);
      w[2 + i] = fourLevelTwiddles<D>(upperSets[i]);
    }
    for (int base = 0; base < kFFTComplexPoints; base += 512) {
      double* block = data + 2 * base;
      mergeFourLevels(block, lower, w[0]);
      mergeFourLevels(block, lower + 2, w[1]);
      mergeFourLevels(block, upper, w[2]);
      mergeFourLevels(block, upper + 2, w[3]);
    }
  });
}

}  // namespace
}  // namespace fftdetail
