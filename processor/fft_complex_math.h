#pragma once

// SSE2 complex arithmetic for the FFT: one complex double per register, laid out
// like the transform's arrays (real part first), so points load and store directly.

#include <emmintrin.h>

#include "processor/fft.h"

namespace fftdetail {

using Complex = __m128d;  // (real, imaginary)

inline Complex makeComplex(double re, double im) { return _mm_set_pd(im, re); }
inline Complex loadPoint(const double* data, int n) { return _mm_loadu_pd(data + 2 * n); }
inline void storePoint(double* data, int n, Complex value) { _mm_storeu_pd(data + 2 * n, value); }

inline Complex swapParts(Complex v) { return _mm_shuffle_pd(v, v, 1); }
inline Complex conjugate(Complex v) { return _mm_xor_pd(v, _mm_set_pd(-0.0, 0.0)); }
inline Complex negateReal(Complex v) { return _mm_xor_pd(v, _mm_set_pd(0.0, -0.0)); }

// v times e^(-i pi/2) forward or e^(+i pi/2) inverse: an exact swap and sign flip.
template <FFTDirection D>
inline Complex quarterTurn(Complex v) {
  if constexpr (D == kFFTForward) {
    return conjugate(swapParts(v));  // -i (a + ib) = b - ia
  } else {
    return negateReal(swapParts(v));  // i (a + ib) = -b + ia
  }
}

// top, bottom <- top + t, top - t
inline void butterfly(Complex& top, Complex& bottom, Complex t) {
  const Complex a = top;
  top = a + t;
  bottom = a - t;
}

// A factor w prepared once for many products: w v = v (wr, wr) + swap(v) (-wi, wi),
// which needs one shuffle per product and no horizontal operations.
struct Multiplier {
  Complex re;
  Complex signedIm;
};

inline Multiplier multiplierOf(Complex w) {
  return {_mm_unpacklo_pd(w, w), negateReal(_mm_unpackhi_pd(w, w))};
}

inline Complex multiply(const Multiplier& w, Complex v) {
  return v * w.re + swapParts(v) * w.signedIm;
}

// Exact relatives of a prepared factor w = a + ib, made from its two registers
// (re = (a, a), signedIm = (-b, b)) with one or two cheap operations each.

inline Multiplier conjugated(const Multiplier& w) {  // a - ib
  return {w.re, _mm_xor_pd(w.signedIm, _mm_set1_pd(-0.0))};
}

inline Multiplier negated(const Multiplier& w) {  // -a - ib
  const Complex sign = _mm_set1_pd(-0.0);
  return {_mm_xor_pd(w.re, sign), _mm_xor_pd(w.signedIm, sign)};
}

inline Multiplier negatedConjugate(const Multiplier& w) {  // -a + ib
  return {_mm_xor_pd(w.re, _mm_set1_pd(-0.0)), w.signedIm};
}

// w turned by a quarter in the transform's direction: -i w = b - ia forward,
// i w = -b + ia inverse.
template <FFTDirection D>
inline Multiplier quarterTurned(const Multiplier& w) {
  if constexpr (D == kFFTForward) {
    return {_mm_unpackhi_pd(w.signedIm, w.signedIm), _mm_xor_pd(w.re, _mm_set_pd(-0.0, 0.0))};
  } else {
    return {_mm_unpacklo_pd(w.signedIm, w.signedIm), _mm_xor_pd(w.re, _mm_set_pd(0.0, -0.0))};
  }
}

}  // namespace fftdetail
