#pragma once

// Fixed-size FFTs of the directivity engine: one 8192-sample real frame to its
// packed spectrum and back, built on a 4096-point complex radix-2 transform.
//
// Convention: X[k] = sum over n of x[n] * e^(-2 pi i k n / 8192), no scaling.
// Packed spectrum (8192 doubles): [0] = X[0] (DC), [1] = X[4096] (Nyquist),
// [2k], [2k + 1] = Re X[k], Im X[k] for k = 1 ... 4095.
// Complex arrays hold point n at [2n] (real) and [2n + 1] (imaginary).
//
// All routines work in the caller's buffers only: no allocation, no tables, no
// locks, safe on the audio thread. Buffers need no particular alignment.

constexpr int kFFTSize = 8192;  // real frame length
constexpr int kFFTComplexPoints = 4096;

enum FFTDirection : int { kFFTForward = -1, kFFTInverse = +1 };  // sign of the exponent

// frame: 8192 real samples; it is scratch for the transform and its contents are
// unspecified afterwards. spectrum: 8192 doubles receiving the packed spectrum.
// The two must not overlap.
void realFFTForward(double* frame, double* spectrum);

// out = 4096 x the real signal whose forward transform is spectrum (the caller
// scales by 2^-12). spectrum is left unchanged; the two must not overlap.
void realFFTInverse(const double* spectrum, double* out);

// realFFTInverse of the spectrum with both parts of every bin k < 4096 multiplied by
// weights[k] and the Nyquist value by nyquistWeight, giving the same bits as weighting
// a copy of the spectrum first and transforming that. spectrum and weights (4096
// doubles) are left unchanged; neither may overlap out.
void realFFTInverseWeighted(const double* spectrum, const double* weights, double nyquistWeight,
                            double* out);

// 4096 complex points in place, input in bit-reversed order, output in natural
// order, no scaling.
void complexFFT(double* data, FFTDirection direction);

// Permutes 4096 complex points in place to bit-reversed index order (its own inverse).
void bitReverse(double* data);
