#pragma once
// Smooth curves through the few values the document must hold, from which the
// generator fills in every other point.

#include <array>
#include <cstddef>
#include <vector>

namespace polarxml {

// A polar pattern given at 0, 30, 60, ... 180 degrees, continued by the cosine
// series of order 6 through those values (a discrete cosine transform of type I).
// A sum of cosines is what a rotationally symmetric capsule produces, so the pattern
// is smooth, even in the angle (mirror-symmetric) and periodic. At the given angles
// it returns the given values exactly, so rounding noise never flips their sign.
class CosinePattern {
 public:
  static constexpr std::size_t kNodes = 7;
  static constexpr double kNodeStepDegrees = 30.0;

  explicit CosinePattern(const std::array<double, kNodes>& values);
  double at(double degrees) const;

 private:
  std::array<double, kNodes> values_;
  std::array<double, kNodes> coefficients_;
};

// A curve through nodes (x ascending) as a piecewise cubic Hermite curve whose
// slopes follow Fritsch and Butland: it passes through every node, never overshoots
// between two nodes (a rise stays a rise, a peak stays at its node) and has a
// continuous slope. At a node it returns the node's value exactly.
class MonotoneCubic {
 public:
  MonotoneCubic(std::vector<double> x, std::vector<double> y);
  double at(double x) const;

 private:
  std::vector<double> x_;
  std::vector<double> y_;
  std::vector<double> slopes_;
};

}  // namespace polarxml
