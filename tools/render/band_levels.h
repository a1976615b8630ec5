#pragma once
// Energy per octave band of a signal, for the demo's report: Welch's method with
// Hann-windowed 8192-sample frames at half overlap.

#include <vector>

namespace render {

// Nominal centres 31.5 Hz … 16 kHz; each band spans centre / √2 to centre × √2.
const std::vector<double>& octaveBandCentres();

// Mean energy per frame in each band of octaveBandCentres(); bands above the Nyquist
// frequency hold 0. Signals shorter than one frame are padded with zeros.
std::vector<double> octaveBandEnergies(const std::vector<float>& signal, double sampleRate);

// Change in dB from `before` to `after`; -infinity when `after` is 0 and `before` is not.
double levelChange(double energyBefore, double energyAfter);

}  // namespace render
