#pragma once
// A straightforward recomputation of what one directivity engine outputs, written
// from the definition of the algorithm: gains, optional proximity shelf, frames of
// 8192 at a hop of 4096 under a raised-cosine window, a textbook FFT, the per-bin
// omni weight, overlap-add from a hop of silence before the input on, 8192 samples of
// delay. It shares no code with the engine except the curve, which has tests of its
// own.

#include <complex>
#include <cstddef>
#include <vector>

struct ReferenceSetting {
  double sampleRate = 48000.0;
  float types[3] = {0.5f, 0.5f, 0.5f};
  float frequencies[3] = {50.0f, 1000.0f, 10000.0f};
  float omniGainDb = 0.0f;
  float eightGainDb = 0.0f;
  int soloState = 0;
  // 0: none; otherwise the shelf's corner factor and mix.
  bool proximity = false;
  double shelfCornerFactor = 0.0;
  double shelfMix = 0.0;
};

// Output of the engine for these inputs, from the first sample, as doubles.
std::vector<double> referenceOutput(const ReferenceSetting& setting, const std::vector<float>& omni,
                                    const std::vector<float>& eight);

// In-place radix-2 FFT of a power-of-two length; sign -1 forward, +1 inverse (unscaled).
void textbookFFT(std::vector<std::complex<double>>& data, int sign);
