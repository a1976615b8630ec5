#pragma once
// Proximity compensation: a low shelf on the figure-eight signal that the chosen
// figure-eight model calls for. The shelf is a one-pole low-pass (bilinear
// transform, corner at tan(pi * f / rate) = K, zero at Nyquist) added, scaled by M,
// to the dry signal: gain 1 + M at 0 Hz, 1 at high frequencies.

#include <string_view>

class PlugIn_DirectivityEngine;

// Filters one figure-eight sample, updating the engine's filter state.
using ProximityFilter = double (*)(PlugIn_DirectivityEngine& engine, double sample);

struct ProximityShelf {
  double cornerFactor;  // G: K = tan(pi * 100 Hz / sampleRate) * G
  double mix;           // M
};

// The two models that come with a shelf.
constexpr ProximityShelf kShelfRovaE1{1.1389521640091116, 1.512};
constexpr ProximityShelf kShelfRovaE2{1.6666666666666667, 0.3999999999999999};

// The pole coefficient c = (1 - K) / (1 + K) of a shelf at this sample rate.
double proximityPole(const ProximityShelf& shelf, double sampleRate);

double proximityFilterRovaE1(PlugIn_DirectivityEngine& engine, double sample);
double proximityFilterRovaE2(PlugIn_DirectivityEngine& engine, double sample);

// The filter of the named figure-eight model (exact name), or nullptr for a model without one.
ProximityFilter proximityFilterForModel(std::string_view name);
// The shelf a filter runs, or nullptr for none.
const ProximityShelf* proximityShelfOf(ProximityFilter filter);

// What a running shelf keeps between samples. The pole is derived from the chosen
// shelf and the sample rate; the engine refreshes it when either changes, so the
// per-sample work has no tan().
struct ProximityFilterState {
  double filterInput = 0.0;   // previous input, after the denormal bias
  double filterOutput = 0.0;  // previous low-pass output
  double pole = 0.0;
};
