#pragma once

// The instruction-set paths of the transforms. Every path is the same code
// (transforms.h) over its own two-point vector type, so it runs the same IEEE
// additions and multiplications in the same order and all paths give bit-identical
// results; they differ only in the registers that hold two points (one of 256 bits or
// two of 128). The public routines of fft.h check their arguments and then run the
// path chosen once for this processor.

#include "processor/fft/fft.h"

namespace fftdetail {

struct FFTPath {
  const char* name;
  // The same contracts as realFFTForward, realFFTInverse, realFFTInverseWeighted and
  // complexFFT, on buffers already checked.
  void (*realForward)(double* frame, double* spectrum);
  void (*realInverse)(const double* spectrum, double* out);
  void (*realInverseWeighted)(const double* spectrum, const double* weights, double nyquistWeight,
                              double* out);
  void (*complexForward)(double* data);
  void (*complexInverse)(double* data);
};

// SSE2, one complex point per register: every x86-64 processor has it.
extern const FFTPath kSse2Path;

// AVX2, two complex points per register: run it only where avx2Supported().
extern const FFTPath kAvx2Path;

// The fastest path this processor runs, chosen at the first call without locks or
// allocation, so the first call may come from the audio thread.
const FFTPath& activePath();

}  // namespace fftdetail
