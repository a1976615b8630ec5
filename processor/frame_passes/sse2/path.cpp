// The frame passes for SSE2, which every x86-64 processor has.

#include "processor/frame_passes/passes.h"

namespace framepassdetail {

constinit const FramePassPath kSse2FramePasses = framePassPath("SSE2");

}  // namespace framepassdetail
