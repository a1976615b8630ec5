// The SSE2 path of the transforms, for every x86-64 processor: two points per pair of
// 128-bit registers.

#include "processor/fft/sse2/pair.h"
#include "processor/fft/transforms.h"

namespace fftdetail {

constinit const FFTPath kSse2Path = pathTransforms<Pair>("SSE2");

}  // namespace fftdetail
