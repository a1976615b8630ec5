#pragma once
// Small drawings of first-order polar patterns, oriented like the editor's polar
// plots: the front (0 degrees) points up.

#include "tools/artwork/canvas.h"

namespace artwork {

// The pattern |(1 - w) + w cos(angle)| for a figure-eight weight w (0 omni,
// 0.5 cardioid, 1 figure-eight), scaled to 2 * radius from front to back and
// centred on (centreX, centreY), so that icons of every pattern look alike in size.
void drawPatternIcon(Canvas& canvas, double centreX, double centreY, double radius,
                     double eightWeight, Colour line, double lineWidth);

// The same pattern drawn around its origin (the microphone's position) with the
// front lobe reaching `frontRadius`, as a polar plot shows it.
void drawPatternAtOrigin(Canvas& canvas, double originX, double originY, double frontRadius,
                         double eightWeight, Colour line, double lineWidth);

}  // namespace artwork
