#include "tools/render/band_levels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "processor/fft/fft.h"

namespace render {

const std::vector<double>& octaveBandCentres() {
  static const std::vector<double> centres = {31.5, 63,   125,  250,  500,
                                              1000, 2000, 4000, 8000, 16000};
  return centres;
}

std::vector<double> octaveBandEnergies(const std::vector<float>& signal, double sampleRate) {
  constexpr int kHop = kFFTSize / 2;
  const auto& centres = octaveBandCentres();
  std::vector<double> energies(centres.size(), 0.0);

  std::vector<double> window(kFFTSize);
  for (int n = 0; n < kFFTSize; ++n)
    window[n] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / kFFTSize);

  // The band of each bin, or -1 for bins outside every band.
  std::vector<int> bandOfBin(kFFTSize / 2 + 1, -1);
  for (int bin = 1; bin <= kFFTSize / 2; ++bin) {
    const double frequency = bin * sampleRate / kFFTSize;
    for (std::size_t band = 0; band < centres.size(); ++band)
      if (frequency >= centres[band] / std::numbers::sqrt2 &&
          frequency < centres[band] * std::numbers::sqrt2)
        bandOfBin[static_cast<std::size_t>(bin)] = static_cast<int>(band);
  }

  std::vector<double> frame(kFFTSize);
  std::vector<double> spectrum(kFFTSize);
  const std::size_t length = signal.size();
  int frames = 0;
  for (std::size_t start = 0; start == 0 || start + kFFTSize <= length; start += kHop) {
    for (int n = 0; n < kFFTSize; ++n) {
      const std::size_t index = start + static_cast<std::size_t>(n);
      frame[n] = (index < length ? signal[index] : 0.0f) * window[n];
    }
    realFFTForward(frame.data(), spectrum.data());
    for (int bin = 1; bin < kFFTSize / 2; ++bin)
      if (const int band = bandOfBin[static_cast<std::size_t>(bin)]; band >= 0)
        energies[static_cast<std::size_t>(band)] +=
            spectrum[2 * bin] * spectrum[2 * bin] + spectrum[2 * bin + 1] * spectrum[2 * bin + 1];
    if (const int band = bandOfBin[kFFTSize / 2]; band >= 0)
      energies[static_cast<std::size_t>(band)] += spectrum[1] * spectrum[1];
    ++frames;
  }
  for (double& energy : energies) energy /= frames;
  return energies;
}

double levelChange(double energyBefore, double energyAfter) {
  if (energyAfter <= 0.0)
    return energyBefore > 0.0 ? -std::numeric_limits<double>::infinity() : 0.0;
  if (energyBefore <= 0.0) return std::numeric_limits<double>::infinity();
  return 10.0 * std::log10(energyAfter / energyBefore);
}

}  // namespace render
