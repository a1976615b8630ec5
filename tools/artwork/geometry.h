#pragma once
// Where the editor puts things, in the editor's pixels, and the scales the graph
// and the meters use. The background must line up with what the editor's views
// draw on top of it, so these follow the editor's own formulas.

#include <cmath>

#include "plots/frequency_axis.h"

namespace artwork::geometry {

constexpr int kEditorWidth = 780;
constexpr int kEditorHeight = 380;

// The frequency graph: 580 x 290 pixels, 20 Hz to 20 kHz over three decades.
constexpr int kGraphLeft = 181;
constexpr int kGraphTop = 54;
constexpr int kGraphWidth = 580;
constexpr int kGraphHeight = 290;

// Graph-local x of a frequency: the graph's own axis, so grid and handles line up.
using ::frequencyToX;
// Graph-local y of a level on the response plot: +20 dB at the top, -20 dB at the bottom.
inline double levelToY(double dB) { return kGraphHeight / 2.0 - dB * kGraphHeight / 40.0; }
// Graph-local y of a figure-eight weight on the curve plot: 0 (omni) at the top.
inline double weightToY(double weight) { return kGraphHeight * weight; }

// A one-pixel line for a graph-local position occupies the editor pixel whose span
// holds that position, so it lies within half a pixel of what the graph draws there.
inline int graphColumn(double x) { return static_cast<int>(std::floor(kGraphLeft + x)); }
inline int graphRow(double y) { return static_cast<int>(std::floor(kGraphTop + y)); }

// The polar plots: 120 x 120 views whose centre is the pattern's origin; a value of
// 1 reaches 58 pixels from it.
constexpr double kPolarCentresX[] = {kGraphLeft + 74 + 60.0, kGraphLeft + 268 + 60.0,
                                     kGraphLeft + 462 + 60.0};
constexpr double kPolarCentreY = kGraphTop + 84.5 + 60.0;
constexpr double kPolarRadius = 58;

// The level meters: 171 pixels high from y = 86, 17 segments. A meter shows
// exp(dB / 25) of its height.
constexpr int kMeterTop = 86;
constexpr int kMeterHeight = 171;
constexpr int kMeterSegments = 17;
inline double meterY(double dB) { return kMeterTop + kMeterHeight * (1.0 - std::exp(dB / 25.0)); }

}  // namespace artwork::geometry
