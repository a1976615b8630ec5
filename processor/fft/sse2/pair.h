#pragma once

// Two neighbouring complex points of the SSE2 path: a Single for each, every
// operation done on both, so that the transform's code for pairs runs on every
// x86-64 processor with the same roundings as the AVX2 path's one register.

#include "processor/fft/single.h"

namespace fftdetail {
namespace {

struct Pair {
  static constexpr int kPoints = 2;
  Single lo;  // point n
  Single hi;  // point n + 1

  static Pair repeated(double re, double im) {
    return {Single::repeated(re, im), Single::repeated(re, im)};
  }
  static Pair broadcast(double value) {
    return {Single::broadcast(value), Single::broadcast(value)};
  }
  static Pair load(const double* data, int first) {
    return {Single::load(data, first), Single::load(data, first + 1)};
  }
  static Pair set(double re0, double im0, double re1, double im1) {
    return {Single::repeated(re0, im0), Single::repeated(re1, im1)};
  }
  static Pair fromSingles(Single low, Single high) { return {low, high}; }
};

inline void store(double* data, int first, Pair x) {
  store(data, first, x.lo);
  store(data, first + 1, x.hi);
}

inline Pair operator+(Pair a, Pair b) { return {a.lo + b.lo, a.hi + b.hi}; }
inline Pair operator-(Pair a, Pair b) { return {a.lo - b.lo, a.hi - b.hi}; }
inline Pair operator*(Pair a, Pair b) { return {a.lo * b.lo, a.hi * b.hi}; }
inline Pair bitXor(Pair a, Pair b) { return {bitXor(a.lo, b.lo), bitXor(a.hi, b.hi)}; }
inline Pair swapParts(Pair x) { return {swapParts(x.lo), swapParts(x.hi)}; }
inline Pair realParts(Pair x) { return {realParts(x.lo), realParts(x.hi)}; }
inline Pair imaginaryParts(Pair x) { return {imaginaryParts(x.lo), imaginaryParts(x.hi)}; }
inline Pair subtractAdd(Pair a, Pair b) {
  return {subtractAdd(a.lo, b.lo), subtractAdd(a.hi, b.hi)};
}
inline Pair reversed(Pair x) { return {x.hi, x.lo}; }
inline Single lowLane(Pair x) { return x.lo; }

// Lane `first` of a and lane `second` of b.
template <int first, int second>
inline Pair joinLanes(Pair a, Pair b) {
  return {first == 0 ? a.lo : a.hi, second == 0 ? b.lo : b.hi};
}

}  // namespace
}  // namespace fftdetail
