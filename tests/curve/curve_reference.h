#pragma once
// What the curve tests compare against: the same constrained spline evaluated the
// plain way, in Hermite basis form on the segment that holds the exact position, and
// the helpers that turn a setting into control points as the engine does.

#include <vector>

#include "processor/curve.h"

namespace curve_test {

constexpr int kFftSize = 8192;
constexpr int kBinCount = 4096;

// The engine's control point for a frequency in Hz at a sample rate.
ControlPoint pointAt(double frequency, double type, double sampleRate);

// The engine's computation: 4096 bins.
std::vector<double> engineCurve(const std::vector<ControlPoint>& points);

class ReferenceSpline {
 public:
  explicit ReferenceSpline(std::vector<ControlPoint> points);
  // The omni weight at a (fractional) bin position.
  double at(double bin) const;
  // dy/du at control point k, u = log10(bin + 1).
  double slope(int k) const { return slopes_[k]; }

 private:
  std::vector<ControlPoint> points_;
  std::vector<double> u_;
  std::vector<double> slopes_;
};

}  // namespace curve_test
