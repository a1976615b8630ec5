#pragma once

// Twiddle factors folded in at compile time: plain constexpr code, evaluated by the
// compiler and never run.

#include "processor/fft/fft.h"
#include "processor/fft/rotation_constants.h"

namespace fftdetail {
namespace {

struct ScalarComplex {
  double re;
  double im;
};

// One step of the twiddle recurrence w <- w e^(-/+ i delta), in the order of
// operations the run-time recurrences use, so that twiddles folded in at compile
// time equal the run-time ones bit for bit.
template <FFTDirection D>
constexpr ScalarComplex rotateOneStep(ScalarComplex w, RotationConstants c) {
  if constexpr (D == kFFTForward) {
    return {w.re - (c.alpha * w.re - c.beta * w.im), w.im - (c.alpha * w.im + c.beta * w.re)};
  } else {
    return {w.re - (c.alpha * w.re + c.beta * w.im), w.im - (c.alpha * w.im - c.beta * w.re)};
  }
}

// Twiddle j of a transform of `size` points, for constants folded in at compile time.
template <int size, FFTDirection D>
constexpr ScalarComplex foldedTwiddle(int j) {
  ScalarComplex w{1.0, 0.0};
  for (int step = 0; step < j; ++step) w = rotateOneStep<D>(w, rotationConstants(size));
  return w;
}

}  // namespace
}  // namespace fftdetail
