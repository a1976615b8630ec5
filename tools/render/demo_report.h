#pragma once
// The demo's report: what was recorded, the setting, and per octave band how much
// each source changed, in words and numbers a user can read.

#include <string>
#include <vector>

namespace render {

// Changes in dB per band of octaveBandCentres(), for each source.
std::string demoReport(const std::vector<double>& onAxisChanges,
                       const std::vector<double>& sideChanges, const std::string& folder,
                       const std::string& pluginName);

// A level change as the report shows it: "+0.0 dB", "-6.1 dB", "< -100 dB".
std::string changeText(double decibels);

// The first-order pattern whose pickup at 90° is that many dB: the pickup of
// w × omni + (1 − w) × figure-eight at 90° is w.
std::string patternAt90Degrees(double decibels);

}  // namespace render
