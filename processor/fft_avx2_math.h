#pragma once

// Complex arithmetic of the FFT's AVX2 path. A Pair holds two neighbouring complex
// points in one 256-bit register, a Single one point in 128 bits; both are laid out
// like the transform's arrays (real part first), so points load and store directly.
// The routines are written once for both widths: the Single forms serve the few
// points that have no neighbour to pair with.
//
// Include this only in files compiled for AVX2, and nowhere else: everything here
// is AVX2 code. It uses no fused multiply-add, so every sum and product rounds
// exactly as in the SSE2 path. The AVX2 files share with the SSE2 path only headers
// of constexpr and integer code, so the linker can never put a function compiled
// for AVX2 in place of one the SSE2 path calls.

#include <immintrin.h>

#include "processor/fft.h"

namespace fftavx2 {

using Single = __m128d;  // (re, im)
using Pair = __m256d;    // (re0, im0, re1, im1): points n and n + 1

// Points per register of a vector type.
template <class V>
constexpr int lanes() {
  return sizeof(V) / sizeof(Single);
}

// The same complex value (re, im) in every lane.
template <class V>
V repeated(double re, double im);
template <>
inline Single repeated<Single>(double re, double im) {
  return _mm_set_pd(im, re);
}
template <>
inline Pair repeated<Pair>(double re, double im) {
  return _mm256_set_pd(im, re, im, re);
}

template <class V>
V broadcast(double value) {
  return repeated<V>(value, value);
}

// Points first, first + 1 in lane order.
template <class V>
V load(const double* data, int first);
template <>
inline Single load<Single>(const double* data, int first) {
  return _mm_loadu_pd(data + 2 * first);
}
template <>
inline Pair load<Pair>(const double* data, int first) {
  return _mm256_loadu_pd(data + 2 * first);
}

inline void store(double* data, int first, Single v) { _mm_storeu_pd(data + 2 * first, v); }
inline void store(double* data, int first, Pair v) { _mm256_storeu_pd(data + 2 * first, v); }

// The two points in swapped order.
inline Single reversed(Single v) { return v; }
inline Pair reversed(Pair v) { return _mm256_permute2f128_pd(v, v, 1); }

// Points first, first + step, ... in lane order, step = +1 or -1: a run of
// neighbours read or written in either direction.
template <class V, int step>
V loadRun(const double* data, int first) {
  static_assert(step == 1 || step == -1);
  if constexpr (lanes<V>() == 1 || step > 0) {
    return load<V>(data, first);
  } else {
    return reversed(load<V>(data, first - 1));
  }
}

template <int step, class V>
void storeRun(double* data, int first, V v) {
  static_assert(step == 1 || step == -1);
  if constexpr (lanes<V>() == 1 || step > 0) {
    store(data, first, v);
  } else {
    store(data, first - 1, reversed(v));
  }
}

// Points first and second, wherever they lie, in lanes 0 and 1.
inline Pair loadTwo(const double* data, int first, int second) {
  return _mm256_insertf128_pd(_mm256_castpd128_pd256(load<Single>(data, first)),
                              load<Single>(data, second), 1);
}

inline Single bitXor(Single a, Single b) { return _mm_xor_pd(a, b); }
inline Pair bitXor(Pair a, Pair b) { return _mm256_xor_pd(a, b); }

inline Single swapParts(Single v) { return _mm_permute_pd(v, 1); }
inline Pair swapParts(Pair v) { return _mm256_permute_pd(v, 0b0101); }

inline Single realParts(Single v) { return _mm_unpacklo_pd(v, v); }  // (re, re) per point
inline Pair realParts(Pair v) { return _mm256_unpacklo_pd(v, v); }
inline Single imaginaryParts(Single v) { return _mm_unpackhi_pd(v, v); }  // (im, im)
inline Pair imaginaryParts(Pair v) { return _mm256_unpackhi_pd(v, v); }

// Lane 0 of first, lane 1 of second.
inline Pair firstLaneOf(Pair first, Pair second) { return _mm256_blend_pd(first, second, 0b1100); }

// The signs flip exactly: these change no digit of any value.
template <class V>
V conjugate(V v) {
  return bitXor(v, repeated<V>(0.0, -0.0));
}
template <class V>
V negateReal(V v) {
  return bitXor(v, repeated<V>(-0.0, 0.0));
}
template <class V>
V negate(V v) {
  return bitXor(v, repeated<V>(-0.0, -0.0));
}

// v times e^(-i pi/2) forward or e^(+i pi/2) inverse: an exact swap and sign flip.
template <FFTDirection D, class V>
V quarterTurn(V v) {
  if constexpr (D == kFFTForward) {
    return conjugate(swapParts(v));  // -i (a + ib) = b - ia
  } else {
    return negateReal(swapParts(v));  // i (a + ib) = -b + ia
  }
}

// top, bottom <- top + t, top - t
template <class V>
void butterfly(V& top, V& bottom, V t) {
  const V a = top;
  top = a + t;
  bottom = a - t;
}

// A factor w prepared once for many products: w v = v (wr, wr) -/+ swap(v) (wi, wi),
// the real part subtracting and the imaginary part adding. Each part is the SSE2
// path's sum v (wr, wr) + swap(v) (-wi, wi) to the bit, as a - b is a + (-b) and
// x (-wi) is -(x wi) in IEEE arithmetic; holding wi unsigned saves an operation per
// factor and makes quarter turns of a factor a mere exchange of its parts.
// One type per width (not a template of the vector type, whose alignment attribute
// a template argument would drop).
struct SingleMultiplier {
  Single re;
  Single im;
};

struct PairMultiplier {
  Pair re;
  Pair im;
};

inline SingleMultiplier multiplierOf(Single w) { return {realParts(w), imaginaryParts(w)}; }
inline PairMultiplier multiplierOf(Pair w) { return {realParts(w), imaginaryParts(w)}; }

inline Single subtractAdd(Single a, Single b) { return _mm_addsub_pd(a, b); }  // (a0 - b0, a1 + b1)
inline Pair subtractAdd(Pair a, Pair b) { return _mm256_addsub_pd(a, b); }

template <class Multiplier, class V>
V multiply(const Multiplier& w, V v) {
  return subtractAdd(v * w.re, swapParts(v) * w.im);
}

// w turned by a quarter in the transform's direction: -i w = wi - i wr forward,
// i w = -wi + i wr inverse.
template <FFTDirection D, class Multiplier>
Multiplier quarterTurned(const Multiplier& w) {
  if constexpr (D == kFFTForward) {
    return {w.im, negate(w.re)};
  } else {
    return {negate(w.im), w.re};
  }
}

}  // namespace fftavx2
