#pragma once

// Two neighbouring complex points of the AVX2 path in one 256-bit register
// (re0, im0, re1, im1). Include only in files compiled for AVX2.

#include <immintrin.h>

#include "processor/fft/single.h"

namespace fftdetail {
namespace {

struct Pair {
  static constexpr int kPoints = 2;
  __m256d v;

  static Pair repeated(double re, double im) { return {_mm256_set_pd(im, re, im, re)}; }
  static Pair broadcast(double value) { return {_mm256_set1_pd(value)}; }
  static Pair load(const double* data, int first) { return {_mm256_loadu_pd(data + 2 * first)}; }
  static Pair set(double re0, double im0, double re1, double im1) {
    return {_mm256_set_pd(im1, re1, im0, re0)};
  }
  static Pair fromSingles(Single low, Single high) {
    return {_mm256_insertf128_pd(_mm256_castpd128_pd256(low.v), high.v, 1)};
  }
};

inline void store(double* data, int first, Pair x) { _mm256_storeu_pd(data + 2 * first, x.v); }

inline Pair operator+(Pair a, Pair b) { return {_mm256_add_pd(a.v, b.v)}; }
inline Pair operator-(Pair a, Pair b) { return {_mm256_sub_pd(a.v, b.v)}; }
inline Pair operator*(Pair a, Pair b) { return {_mm256_mul_pd(a.v, b.v)}; }
inline Pair bitXor(Pair a, Pair b) { return {_mm256_xor_pd(a.v, b.v)}; }
inline Pair swapParts(Pair x) { return {_mm256_permute_pd(x.v, 0b0101)}; }
inline Pair realParts(Pair x) { return {_mm256_unpacklo_pd(x.v, x.v)}; }
inline Pair imaginaryParts(Pair x) { return {_mm256_unpackhi_pd(x.v, x.v)}; }
inline Pair subtractAdd(Pair a, Pair b) { return {_mm256_addsub_pd(a.v, b.v)}; }
inline Pair reversed(Pair x) { return {_mm256_permute2f128_pd(x.v, x.v, 1)}; }
inline Single lowLane(Pair x) { return {_mm256_castpd256_pd128(x.v)}; }

// Lane `first` of a and lane `second` of b; a blend where the lanes stay in place.
template <int first, int second>
inline Pair joinLanes(Pair a, Pair b) {
  if constexpr (first == 0 && second == 1) {
    return {_mm256_blend_pd(a.v, b.v, 0b1100)};
  } else {
    return {_mm256_permute2f128_pd(a.v, b.v, first | (second + 2) << 4)};
  }
}

}  // namespace
}  // namespace fftdetail
