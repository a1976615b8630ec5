#pragma once

// One complex point in a 128-bit register, laid out like the transform's arrays (real
// part first), so points load and store directly. Both instruction-set paths hold
// the points that have no neighbour to pair with in a Single; each path's pair type
// (sse2/pair.h, avx2/pair.h) offers the same operations for two neighbouring points.
//
// Internal linkage, like all of the transform's internal code: each path compiles
// this for its own instruction set, and the linker never mixes the two. No operation
// fuses a multiply and an add, so every sum and product rounds alike in both paths.

#include <emmintrin.h>
#if defined(__SSE3__)
#include <pmmintrin.h>
#endif

namespace fftdetail {
namespace {

struct Single {
  static constexpr int kPoints = 1;
  __m128d v;  // (re, im)

  static Single repeated(double re, double im) { return {_mm_set_pd(im, re)}; }
  static Single broadcast(double value) { return {_mm_set1_pd(value)}; }
  static Single load(const double* data, int first) { return {_mm_loadu_pd(data + 2 * first)}; }
};

inline void store(double* data, int first, Single x) { _mm_storeu_pd(data + 2 * first, x.v); }

inline Single operator+(Single a, Single b) { return {_mm_add_pd(a.v, b.v)}; }
inline Single operator-(Single a, Single b) { return {_mm_sub_pd(a.v, b.v)}; }
inline Single operator*(Single a, Single b) { return {_mm_mul_pd(a.v, b.v)}; }
inline Single bitXor(Single a, Single b) { return {_mm_xor_pd(a.v, b.v)}; }

inline Single swapParts(Single x) { return {_mm_shuffle_pd(x.v, x.v, 1)}; }
inline Single realParts(Single x) { return {_mm_unpacklo_pd(x.v, x.v)}; }       // (re, re)
inline Single imaginaryParts(Single x) { return {_mm_unpackhi_pd(x.v, x.v)}; }  // (im, im)

// (a.re - b.re, a.im + b.im). Without SSE3's instruction, the sign of b.re flips
// first: a - b is a + (-b) to the bit in IEEE arithmetic.
inline Single subtractAdd(Single a, Single b) {
#if defined(__SSE3__)
  return {_mm_addsub_pd(a.v, b.v)};
#else
  return {_mm_add_pd(a.v, _mm_xor_pd(b.v, _mm_set_pd(0.0, -0.0)))};
#endif
}

// The points of a run in reverse order: one point is its own reverse.
inline Single reversed(Single x) { return x; }

}  // namespace
}  // namespace fftdetail
