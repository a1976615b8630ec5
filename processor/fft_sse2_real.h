#pragma once

// The real transform's split and merge of the SSE2 path: the conversions between
// the complex transform of z[n] = x[2n] + i x[2n + 1] and the packed real spectrum.

namespace fftdetail {

// Z (4096 complex points, natural order) to the packed spectrum, in place.
void splitRealSpectrum(double* data);

// The packed spectrum to Z, written to out in bit-reversed order, ready for the
// complex transform's levels. spectrum is left unchanged.
void mergeRealSpectrum(const double* spectrum, double* out);

// The bins that need no twiddle, for every path: DC and Nyquist, packed together
// in point 0 of the spectrum, and bin M/2 (W = -i), whose two results are one
// conjugate. Plain scalar code, compiled here for the baseline instruction set and
// called by the other paths as well.
void splitUntwiddledBins(double* data);
void mergeUntwiddledBins(const double* spectrum, double* out);

}  // namespace fftdetail
