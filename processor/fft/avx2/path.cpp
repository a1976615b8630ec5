// The AVX2 path of the transforms: two points per 256-bit register. This folder is
// compiled for AVX2 and its path run only on processors that have it (see fft.cpp).

#include "processor/fft/avx2/pair.h"
#include "processor/fft/transforms.h"

namespace fftdetail {

constinit const FFTPath kAvx2Path = pathTransforms<Pair>("AVX2");

}  // namespace fftdetail
