#pragma once
// The frequency grid shared by every response and proximity curve of the document:
// 146 points from 20 Hz to 20 kHz, evenly spaced on a logarithmic axis.

#include <cmath>

namespace polarxml {

constexpr int kGridPoints = 146;
constexpr int kPolarPoints = 36;  // one every 10 degrees
constexpr int kPolarStepDegrees = 10;

inline double gridFrequency(int k) {
  return 20.0 * std::pow(1000.0, static_cast<double>(k) / (kGridPoints - 1));
}

}  // namespace polarxml
