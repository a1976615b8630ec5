#pragma once
// The instruction-set paths of the frame passes: the same loops (passes.h) compiled
// once per instruction set, each in its own folder.

namespace framepassdetail {

// Each pass in its variants, the choices of frame_passes.h made before the loop.
struct FramePassPath {
  const char* name;
  // [falling][difference]
  void (*window[2][2])(const float* omni, const float* eight, const double* window, int count,
                       double* omniOut, double* eightOut);
  // [has b][scales a][scales b]
  void (*add[2][2][2])(float* slots, const double* a, double aScale, const double* b, double bScale,
                       int count);
};

extern const FramePassPath kSse2FramePasses;
extern const FramePassPath kAvx2FramePasses;  // only where avx2Supported()

const FramePassPath& activeFramePasses();

}  // namespace framepassdetail
