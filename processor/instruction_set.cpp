#include "processor/instruction_set.h"

bool avx2Supported() {
  // The processor model is normally read by a constructor in the runtime library;
  // reading it again here makes the answer right even before that has run. It only
  // executes CPUID and XGETBV, which also confirms that the system saves the 256-bit
  // registers.
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}
