#pragma once
// The frame passes, written once as plain loops for the compiler to vectorise with the
// instruction set of the translation unit that includes this: each element's
// operations are those of the scalar code in its order, so every path gives the same
// bits. Internal linkage (and nothing from other headers in the loops), so that no
// code compiled for one instruction set is ever linked in for another.

#include "processor/frame_passes/paths.h"

namespace framepassdetail {
namespace {

template <bool difference>
void windowPassRising(const float* omni, const float* eight, const double* window, int count,
                      double* omniOut, double* eightOut) {
  for (int i = 0; i < count; ++i) {
    const double w = window[i];
    const double eightWindowed = eight[i] * w;
    eightOut[i] = eightWindowed;
    omniOut[i] = difference ? omni[i] * w - eightWindowed : omni[i] * w;
  }
}

// The compiler vectorises a loop that widens floats only if its other reads run
// forwards, so a falling window is turned round a chunk at a time first.
template <bool falling, bool difference>
void windowPass(const float* omni, const float* eight, const double* window, int count,
                double* omniOut, double* eightOut) {
  if constexpr (!falling) {
    windowPassRising<difference>(omni, eight, window, count, omniOut, eightOut);
  } else {
    constexpr int kChunk = 256;
    double forwards[kChunk];
    for (int start = 0; start < count; start += kChunk) {
      const int length = count - start < kChunk ? count - start : kChunk;
      for (int i = 0; i < length; ++i) forwards[i] = window[-(start + i)];
      windowPassRising<difference>(omni + start, eight + start, forwards, length, omniOut + start,
                                   eightOut + start);
    }
  }
}

template <bool hasB, bool scalesA, bool scalesB>
void addPass(float* slots, const double* a, double aScale, const double* b, double bScale,
             int count) {
  for (int i = 0; i < count; ++i) {
    double value = scalesA ? a[i] * aScale : a[i];
    if (hasB) value = value + (scalesB ? b[i] * bScale : b[i]);
    slots[i] += static_cast<float>(value);
  }
}

constexpr FramePassPath framePassPath(const char* name) {
  return {name,
          {{windowPass<false, false>, windowPass<false, true>},
           {windowPass<true, false>, windowPass<true, true>}},
          {{{addPass<false, false, false>, addPass<false, false, true>},
            {addPass<false, true, false>, addPass<false, true, true>}},
           {{addPass<true, false, false>, addPass<true, false, true>},
            {addPass<true, true, false>, addPass<true, true, true>}}}};
}

}  // namespace
}  // namespace framepassdetail
