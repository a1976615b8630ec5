#pragma once
// The editor's frequency axis: 20 Hz to 20 kHz over three decades on a logarithmic
// scale, 580 pixels wide in the frequency graph's own coordinates. The handles, the
// plots and the background artwork must agree to the pixel, so this is the one
// definition all of them use. The width is a fixed number, not a measured one.

#include <cmath>

namespace frequency_axis {

inline constexpr double kWidth = 580.0;
inline constexpr double kLowestHz = 20.0;

// The display grid the curve and the responses are drawn on: 146 positions, 4 pixels
// apart, 20 Hz at position 0 and 20 kHz at position 145.
inline constexpr int kGridPoints = 146;
inline constexpr double kGridSpacing = 4.0;

}  // namespace frequency_axis

// Graph x of a frequency in Hz.
inline double frequencyToX(double hz) {
  return frequency_axis::kWidth * std::log10(hz / frequency_axis::kLowestHz) / std::log10(1000.0);
}

// Frequency in Hz at a graph x.
inline double xToFrequency(double x) {
  return frequency_axis::kLowestHz *
         std::pow(10.0, std::log10(1000.0) * x / frequency_axis::kWidth);
}
