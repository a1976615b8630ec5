#pragma once
// For the lifetime of the object, the processor flushes denormal results to zero and
// reads denormal operands as zero (x86-64 MXCSR: FTZ and DAZ); at its end the control
// word is exactly what it was, the host's exception flags and rounding mode included.
// The audio thread holds one for each block: decaying tails, fades and filter states
// running down would otherwise reach every multiplication as denormals, which many
// processors take tens of times longer over. Nothing else of the floating-point
// environment changes. Two register accesses; fit for the audio thread.

#include <xmmintrin.h>

class ScopedFlushDenormals {
 public:
  static constexpr unsigned kFlushToZero = 0x8000;       // FTZ, bit 15
  static constexpr unsigned kDenormalsAreZero = 0x0040;  // DAZ, bit 6

  ScopedFlushDenormals() : saved_(_mm_getcsr()) {
    _mm_setcsr(saved_ | kFlushToZero | kDenormalsAreZero);
  }
  ~ScopedFlushDenormals() { _mm_setcsr(saved_); }
  ScopedFlushDenormals(const ScopedFlushDenormals&) = delete;
  ScopedFlushDenormals& operator=(const ScopedFlushDenormals&) = delete;

 private:
  unsigned saved_;
};
