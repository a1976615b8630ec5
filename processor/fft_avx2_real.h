#pragma once

// The real transform's split and merge of the AVX2 path: the same contracts and
// results as the SSE2 path's (fft_sse2_real.h). Run only where AVX2 is supported.

namespace fftavx2 {

// Z (4096 complex points, natural order) to the packed spectrum, in place.
void splitRealSpectrum(double* data);

// The packed spectrum to Z, written to out in bit-reversed order, ready for the
// complex transform's levels. spectrum is left unchanged.
void mergeRealSpectrum(const double* spectrum, double* out);

}  // namespace fftavx2
