// The public frame passes: the variant for the arguments, on the path chosen for this
// processor.

#include "processor/frame_passes/frame_passes.h"

#include <atomic>

#include "processor/frame_passes/paths.h"
#include "processor/instruction_set.h"

namespace framepassdetail {
namespace {

constinit std::atomic<const FramePassPath*> choice{nullptr};

}  // namespace

const FramePassPath& activeFramePasses() {
  return chosenPath(choice, kSse2FramePasses, kAvx2FramePasses);
}

}  // namespace framepassdetail

using framepassdetail::activeFramePasses;

void windowStretch(const float* omni, const float* eight, const double* window, bool falling,
                   bool difference, int count, double* omniOut, double* eightOut) {
  activeFramePasses().window[falling][difference](omni, eight, window, count, omniOut, eightOut);
}

void addIntoStretch(float* slots, const double* a, double aScale, const double* b, double bScale,
                    int count) {
  const bool hasB = b != nullptr;
  activeFramePasses().add[hasB][aScale != 1.0][hasB && bScale != 1.0](slots, a, aScale, b, bScale,
                                                                      count);
}
