// The frame passes for AVX2: this folder is compiled for AVX2 and its path run only on
// processors that have it (see frame_passes.cpp).

#include "processor/frame_passes/passes.h"

namespace framepassdetail {

constinit const FramePassPath kAvx2FramePasses = framePassPath("AVX2");

}  // namespace framepassdetail
