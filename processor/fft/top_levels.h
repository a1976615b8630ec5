#pragma once

// Sizes 1024, 2048 and 4096 of the complex transform in one pass over the data, on
// two neighbouring points per Pair.

#include "processor/fft/twiddle.h"

namespace fftdetail {
namespace {

// The twiddles of two neighbouring indices j, j + 1 < 512 in sizes 1024, 2048 and
// 4096: w_1024^j; w_2048^j and w_2048^(j+512); w_4096^(j + 512 q) for q = 0 ... 3.
template <class P>
struct TopTwiddles {
  Multiplier<P> w1024;
  Multiplier<P> w2048[2];
  Multiplier<P> w4096[4];
};

// The raw twiddles w_1024^j, w_2048^j, w_4096^j and w_4096^(j+512) of two
// neighbouring indices; the rest are exact quarter turns of these.
template <class P>
struct TopValues {
  P w1024;
  P w2048;
  P w4096;
  P w4096Eighth;

  // Those of 512 - j from those of j, exactly: w_1024^(512-j) = -conj w_1024^j,
  // w_2048^(512-j) = (-/+ i) conj w_2048^j, w_4096^(512-j) = (-/+ i) conj
  // w_4096^(j+512) and w_4096^(1024-j) = (-/+ i) conj w_4096^j.
  template <FFTDirection D>
  TopValues mirrored() const {
    return {negateReal(w1024), quarterTurn<D>(conjugate(w2048)),
            quarterTurn<D>(conjugate(w4096Eighth)), quarterTurn<D>(conjugate(w4096))};
  }

  static TopValues lanes(const TopValues& first, const TopValues& second) {
    return {joinLanes<0, 1>(first.w1024, second.w1024), joinLanes<0, 1>(first.w2048, second.w2048),
            joinLanes<0, 1>(first.w4096, second.w4096),
            joinLanes<0, 1>(first.w4096Eighth, second.w4096Eighth)};
  }

  template <FFTDirection D>
  TopTwiddles<P> twiddles() const {
    const Multiplier<P> w2048j = multiplierOf(w2048);
    const Multiplier<P> w4096j = multiplierOf(w4096);
    const Multiplier<P> w4096Turned = multiplierOf(w4096Eighth);
    return {multiplierOf(w1024),
            {w2048j, quarterTurned<D>(w2048j)},
            {w4096j, w4096Turned, quarterTurned<D>(w4096j), quarterTurned<D>(w4096Turned)}};
  }
};

// One recurrence per size; w_4096^(j+512) is w_4096^j turned by an eighth.
template <class P, FFTDirection D>
struct TopSource {
  PairRecurrence<P, 1024, D> w1024;
  PairRecurrence<P, 2048, D> w2048;
  PairRecurrence<P, 4096, D> w4096;

  TopValues<P> value() const {
    return {w1024.value(), w2048.value(), w4096.value(),
            multiply(eighthTurn<D, P>(), w4096.value())};
  }
  void advance() {
    w1024.advance();
    w2048.advance();
    w4096.advance();
  }
};

// Points j + 512 q, q = 0 ... 7, and their neighbours through sizes 1024, 2048 and
// 4096.
template <class P>
[[gnu::always_inline]] inline void mergeTopLevels(double* data, int j, const TopTwiddles<P>& w) {
  constexpr int stride = kFFTComplexPoints / 8;
  P p[8];
  for (int q = 0; q < 8; ++q) p[q] = P::load(data, j + stride * q);
  for (int q = 0; q < 8; q += 2) butterfly(p[q], p[q + 1], multiply(w.w1024, p[q + 1]));
  for (int q = 0; q < 8; q += 4) {
    butterfly(p[q], p[q + 2], multiply(w.w2048[0], p[q + 2]));
    butterfly(p[q + 1], p[q + 3], multiply(w.w2048[1], p[q + 3]));
  }
  for (int q = 0; q < 4; ++q) butterfly(p[q], p[q + 4], multiply(w.w4096[q], p[q + 4]));
  for (int q = 0; q < 8; ++q) store(data, j + stride * q, p[q]);
}

// Sizes 1024, 2048 and 4096 in one pass: one recurrence per size, 256 steps each,
// every two steps serving two neighbouring indices and their mirrors. The points of
// a run of four neighbours share their cache lines, which lie 8 KB apart and so
// compete for one set of the level-one cache: each run is done before the next.
template <class P, FFTDirection D>
inline void mergeLevelsFrom1024(double* data) {
  TopSource<P, D> source;
  walkMirroredPairs<kFFTComplexPoints / 8, D>(
      source, [data](int lower, const TopValues<P>(&lowerSets)[2], int upper,
                     const TopValues<P>(&upperSets)[2]) {
        for (int i = 0; i < 2; ++i) {
          mergeTopLevels(data, lower + 2 * i, lowerSets[i].template twiddles<D>());
        }
        for (int i = 0; i < 2; ++i) {
          mergeTopLevels(data, upper + 2 * i, upperSets[i].template twiddles<D>());
        }
      });
}

}  // namespace
}  // namespace fftdetail
