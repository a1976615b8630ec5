#pragma once

// The real transform's split and merge of the SSE2 path: the conversions between
// the complex transform of z[n] = x[2n] + i x[2n + 1] and the packed real spectrum.

namespace fftdetail {

// Z (4096 complex points, natural order) to the packed spectrum, in place.
void splitRealSpectrum(double* data);

// The packed spectrum to Z, written to out in bit-reversed order, ready for the
// complex transform's levels. spectrum is left unchanged.
void mergeRealSpectrum(const double* spectrum, double* out);

}  // namespace fftdetail
