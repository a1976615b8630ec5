#include "tools/polarxml/microphone_models.h"

#include <array>
#include <cmath>
#include <complex>

#include "tools/polarxml/frequency_grid.h"
#include "tools/polarxml/interpolation.h"

namespace polarxml {
namespace {

using PolarValues = std::array<double, CosinePattern::kNodes>;  // at 0, 30, ... 180 degrees

// Grid points at which the measured responses are pinned: 20, 101, 994, 9788 and
// 20000 Hz. The curves between them are smooth on the logarithmic frequency axis,
// which is the grid index itself.
const std::vector<double> kResponseNodes = {0, 34, 82, 130, 145};

std::vector<double> polarSection(const PolarValues& values) {
  const CosinePattern pattern(values);
  std::vector<double> section(kPolarPoints);
  // Each half is computed once and mirrored, so 360 - a reads exactly as a.
  for (int i = 0; i <= kPolarPoints / 2; ++i) {
    section[i] = pattern.at(i * kPolarStepDegrees);
    section[(kPolarPoints - i) % kPolarPoints] = section[i];
  }
  return section;
}

std::vector<double> response(const std::vector<double>& levelsAtNodes) {
  const MonotoneCubic curve(kResponseNodes, levelsAtNodes);
  std::vector<double> levels(kGridPoints);
  for (int k = 0; k < kGridPoints; ++k) levels[k] = curve.at(k);
  return levels;
}

std::vector<double> flatResponse(double level) { return std::vector<double>(kGridPoints, level); }

// The proximity compensation curve of a figure-eight model: a first-order low shelf
// 1 + mix / (1 + j f / 100 Hz), that is a boost of 20 log10(1 + mix) at 0 Hz easing
// to nothing at high frequencies.
std::vector<double> proximityCurve(double mix) {
  constexpr double kCornerHz = 100.0;
  std::vector<double> boost(kGridPoints);
  for (int k = 0; k < kGridPoints; ++k) {
    const std::complex<double> shelf =
        1.0 + mix / std::complex<double>(1.0, gridFrequency(k) / kCornerHz);
    boost[k] = 20.0 * std::log10(std::abs(shelf));
  }
  return boost;
}

constexpr PolarValues kOmniLow = {1, 1, 1, 1, 1, 1, 1};
// Above a few kHz the omni capsule's body shadows the rear: the pattern narrows.
constexpr PolarValues kOmniHigh = {1.000, 0.912, 0.684, 0.519, 0.436, 0.409, 0.402};

// Figure-eight capsule: rear lobe of opposite polarity, slightly slimmer at 10 kHz.
constexpr PolarValues kEightOneLow = {1.000, 0.870, 0.500, 0.000, -0.500, -0.870, -1.000};
constexpr PolarValues kEightOneHigh = {1.000, 0.860, 0.440, 0.000, -0.440, -0.860, -1.000};

// The second figure-eight model is a cardioid at low and mid frequencies; at 10 kHz
// its null moves forward to about 150 degrees and some sound from the rear comes back.
constexpr PolarValues kEightTwoLow = {1.000, 0.933, 0.750, 0.500, 0.250, 0.067, 0.000};
constexpr PolarValues kEightTwoHigh = {1.000, 0.930, 0.735, 0.531, 0.322, 0.160, 0.200};

// Diffuse-field level of both omni models relative to their free-field response:
// flat in the bass, falling above 1 kHz as the pattern narrows.
const std::vector<double> kOmniDiffuse = {0.000, 0.037, 0.002, -5.199, -8.700};
// A figure-eight or a cardioid picks up about a third of the diffuse-field energy
// of an omni (-4.77 dB).
constexpr double kEightDiffuse = -4.800;

ModelledMicrophone microphone(std::string name, const PolarValues& low, const PolarValues& high,
                              std::vector<double> freefield, std::vector<double> diffusefield) {
  ModelledMicrophone mic;
  mic.name = std::move(name);
  mic.polar100Hz = polarSection(low);
  mic.polar1000Hz = polarSection(low);
  mic.polar10000Hz = polarSection(high);
  mic.freefield = std::move(freefield);
  mic.diffusefield = std::move(diffusefield);
  return mic;
}

}  // namespace

ModelledDocument buildMicrophoneModels() {
  ModelledDocument document;
  document.omni.push_back(
      microphone("Rova O1", kOmniLow, kOmniHigh, flatResponse(0.0), response(kOmniDiffuse)));
  // A presence rise around 10 kHz; a hair below 0 dB at 20 Hz.
  document.omni.push_back(microphone("Rova O2", kOmniLow, kOmniHigh,
                                     response({-0.0003, -0.002, -0.022, 3.484, 1.501}),
                                     response(kOmniDiffuse)));
  // Figure-eight models measured in the far field: the bass falls away without the
  // proximity boost, and the top octave rolls off.
  document.eight.push_back(microphone("Rova E1", kEightOneLow, kEightOneHigh,
                                      response({-13.000, -5.814, -0.105, 0.355, -25.988}),
                                      flatResponse(kEightDiffuse)));
  document.eight.push_back(microphone("Rova E2", kEightTwoLow, kEightTwoHigh,
                                      response({-5.000, -1.991, 0.004, 3.999, -2.999}),
                                      flatResponse(kEightDiffuse)));
  document.filters.push_back({"Rova E1", proximityCurve(1.512)});
  document.filters.push_back({"Rova E2", proximityCurve(0.4)});
  return document;
}

}  // namespace polarxml
