#pragma once

// Complex arithmetic of the transform, written once for a Single (one point per
// register) and a path's Pair (two neighbouring points): the same IEEE operations
// lane by lane, so every path rounds alike. Each path's translation unit includes
// its Pair type and instantiates these for it.

#include "processor/fft/fft.h"
#include "processor/fft/rotation_constants.h"

namespace fftdetail {
namespace {

// The signs flip exactly: these change no digit of any value.
template <class V>
inline V conjugate(V x) {
  return bitXor(x, V::repeated(0.0, -0.0));
}
template <class V>
inline V negateReal(V x) {
  return bitXor(x, V::repeated(-0.0, 0.0));
}
template <class V>
inline V negate(V x) {
  return bitXor(x, V::repeated(-0.0, -0.0));
}

// x times e^(-i pi/2) forward or e^(+i pi/2) inverse: an exact swap and sign flip.
template <FFTDirection D, class V>
inline V quarterTurn(V x) {
  if constexpr (D == kFFTForward) {
    return conjugate(swapParts(x));  // -i (a + ib) = b - ia
  } else {
    return negateReal(swapParts(x));  // i (a + ib) = -b + ia
  }
}

// top, bottom <- top + t, top - t
template <class V>
inline void butterfly(V& top, V& bottom, V t) {
  const V a = top;
  top = a + t;
  bottom = a - t;
}

// A factor w prepared once for many products: w x = x (wr, wr) -/+ swap(x) (wi, wi),
// the real part subtracting and the imaginary part adding. Holding wi unsigned makes
// quarter turns of a factor a mere exchange of its parts.
template <class V>
struct Multiplier {
  V re;
  V im;
};

template <class V>
inline Multiplier<V> multiplierOf(V w) {
  return {realParts(w), imaginaryParts(w)};
}

template <class V>
inline V multiply(const Multiplier<V>& w, V x) {
  return subtractAdd(x * w.re, swapParts(x) * w.im);
}

// w turned by a quarter in the transform's direction: -i w = wi - i wr forward,
// i w = -wi + i wr inverse.
template <FFTDirection D, class V>
inline Multiplier<V> quarterTurned(const Multiplier<V>& w) {
  if constexpr (D == kFFTForward) {
    return {w.im, negate(w.re)};
  } else {
    return {negate(w.im), w.re};
  }
}

// e^(-/+ i pi/4), whose parts are both sqrt(1/2).
template <FFTDirection D, class V>
inline Multiplier<V> eighthTurn() {
  constexpr double root = rotationConstants(8).beta;  // sin(pi/4)
  return multiplierOf(V::repeated(root, D == kFFTForward ? -root : root));
}

// e^(-/+ i pi k/8) for k = 1, 3: (cos, sin) of pi/8 and 3 pi/8 are each other's
// parts exchanged.
template <FFTDirection D, class V, int k>
inline Multiplier<V> sixteenthTurn() {
  static_assert(k == 1 || k == 3);
  constexpr double cosine = 0.9238795325112867;        // cos(pi/8)
  constexpr double sine = rotationConstants(16).beta;  // sin(pi/8)
  constexpr double re = k == 1 ? cosine : sine;
  constexpr double im = k == 1 ? sine : cosine;
  return multiplierOf(V::repeated(re, D == kFFTForward ? -im : im));
}

// Points first, first + step, ... in lane order, step = +1 or -1: a run of
// neighbours read or written in either direction.
template <class V, int step>
inline V loadRun(const double* data, int first) {
  static_assert(step == 1 || step == -1);
  if constexpr (V::kPoints == 1 || step > 0) {
    return V::load(data, first);
  } else {
    return reversed(V::load(data, first - 1));
  }
}

template <int step, class V>
inline void storeRun(double* data, int first, V x) {
  static_assert(step == 1 || step == -1);
  if constexpr (V::kPoints == 1 || step > 0) {
    store(data, first, x);
  } else {
    store(data, first - 1, reversed(x));
  }
}

}  // namespace
}  // namespace fftdetail
