#pragma once

// Sizes 1024, 2048 and 4096 of the complex transform in one pass over the data.

#include "processor/fft_twiddle.h"

namespace fftdetail {

// The twiddles of one index j < 512 in sizes 1024, 2048 and 4096: w_1024^j;
// w_2048^j and w_2048^(j+512); w_4096^(j + 512 q) for q = 0 ... 3.
struct TopTwiddles {
  Multiplier w1024;
  Multiplier w2048[2];
  Multiplier w4096[4];
};

// From w_1024^j, w_2048^j, w_4096^j and w_4096^(j+512): the rest are exact quarter
// turns of these.
template <FFTDirection D>
inline TopTwiddles topTwiddles(const Multiplier& w1024, const Multiplier& w2048,
                               const Multiplier& w4096, const Multiplier& w4096Eighth) {
  return {w1024,
          {w2048, quarterTurned<D>(w2048)},
          {w4096, w4096Eighth, quarterTurned<D>(w4096), quarterTurned<D>(w4096Eighth)}};
}

// Those of 512 - j from those of j, exactly: w_1024^(512-j) = -conj w_1024^j,
// w_2048^(512-j) = (-/+ i) conj w_2048^j, w_4096^(512-j) = (-/+ i) conj w_4096^(j+512)
// and w_4096^(1024-j) = (-/+ i) conj w_4096^j.
template <FFTDirection D>
inline TopTwiddles mirroredTopTwiddles(const TopTwiddles& w) {
  return topTwiddles<D>(negatedConjugate(w.w1024), quarterTurned<D>(conjugated(w.w2048[0])),
                        quarterTurned<D>(conjugated(w.w4096[1])),
                        quarterTurned<D>(conjugated(w.w4096[0])));
}

// Points j + 512 q, q = 0 ... 7, through sizes 1024, 2048 and 4096.
inline void mergeTopLevels(double* data, int j, const TopTwiddles& w) {
  constexpr int stride = kFFTComplexPoints / 8;
  Complex p[8];
  for (int q = 0; q < 8; ++q) p[q] = loadPoint(data, j + stride * q);
  for (int q = 0; q < 8; q += 2) butterfly(p[q], p[q + 1], multiply(w.w1024, p[q + 1]));
  for (int q = 0; q < 8; q += 4) {
    butterfly(p[q], p[q + 2], multiply(w.w2048[0], p[q + 2]));
    butterfly(p[q + 1], p[q + 3], multiply(w.w2048[1], p[q + 3]));
  }
  for (int q = 0; q < 4; ++q) butterfly(p[q], p[q + 4], multiply(w.w4096[q], p[q + 4]));
  for (int q = 0; q < 8; ++q) storePoint(data, j + stride * q, p[q]);
}

// Sizes 1024, 2048 and 4096 in one pass: one recurrence per size, 256 steps each,
// every step serving index j and its mirror 512 - j. w_4096^(j+512) is w_4096^j
// turned by an eighth, e^(-/+ i pi/4), whose parts are both sqrt(1/2).
template <FFTDirection D>
void mergeLevelsFrom1024(double* data) {
  constexpr int eighth = kFFTComplexPoints / 8;
  const double root = rotationConstants(8).beta;  // sin(pi/4)
  const Multiplier eighthTurn = multiplierOf(makeComplex(root, D == kFFTForward ? -root : root));
  TwiddleRecurrence<D> w1024(rotationConstants(1024));
  TwiddleRecurrence<D> w2048(rotationConstants(2048));
  TwiddleRecurrence<D> w4096(rotationConstants(4096));
  auto current = [&] {
    return topTwiddles<D>(multiplierOf(w1024.value()), multiplierOf(w2048.value()),
                          multiplierOf(w4096.value()),
                          multiplierOf(multiply(eighthTurn, w4096.value())));
  };
  mergeTopLevels(data, 0, current());
  for (int j = 1; j < eighth / 2; ++j) {
    w1024.advance();
    w2048.advance();
    w4096.advance();
    const TopTwiddles w = current();
    mergeTopLevels(data, j, w);
    mergeTopLevels(data, eighth - j, mirroredTopTwiddles<D>(w));
  }
  w1024.advance();
  w2048.advance();
  w4096.advance();
  mergeTopLevels(data, eighth / 2, current());  // 256 is its own mirror
}

}  // namespace fftdetail
