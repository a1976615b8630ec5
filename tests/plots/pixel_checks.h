#pragma once
// Pixel reading for the plots' tests: whether a line passes a place, judged by how far
// the pixels there lie from the white background.

#include <algorithm>
#include <cstdlib>

#include "toolkit/ccolor.h"

namespace plots_test {

// How much darker than white a pixel is, the largest drop of its three channels.
inline int inkOf(const VSTGUI::CColor& colour) {
  return 255 - std::min({int{colour.red}, int{colour.green}, int{colour.blue}});
}

inline bool isNear(const VSTGUI::CColor& colour, const VSTGUI::CColor& expected, int tolerance) {
  return std::abs(colour.red - expected.red) <= tolerance &&
         std::abs(colour.green - expected.green) <= tolerance &&
         std::abs(colour.blue - expected.blue) <= tolerance;
}

}  // namespace plots_test
