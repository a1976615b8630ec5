#pragma once
// A frame is laid out in its own coordinates and drawn at a device scale: a view of 780
// units shows as round(780 x scale) pixels. Drawing goes through cairo's device scale, so
// every vector is drawn at the device's resolution; input arrives in device pixels and is
// divided back into the frame's coordinates.

#include <algorithm>
#include <cmath>

#include "toolkit/cpoint.h"

namespace VSTGUI {

// Whole device pixels for an extent of the frame's coordinates (a fraction of a unit
// counts as a whole one), 0 for none, at most cairo's largest image side.
inline int deviceExtent(CCoord extent, double scale) {
  if (!(extent > 0) || !(scale > 0)) return 0;
  const double pixels = std::round(std::ceil(std::min(extent, 32767.0)) * scale);
  return static_cast<int>(std::clamp(pixels, 1.0, 32767.0));
}

// A scale a frame can be drawn at: finite and positive.
inline bool isUsableScale(double scale) { return std::isfinite(scale) && scale > 0; }

}  // namespace VSTGUI
