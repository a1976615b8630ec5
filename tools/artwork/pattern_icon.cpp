#include "tools/artwork/pattern_icon.h"

#include <cmath>
#include <numbers>

namespace artwork {

void drawPatternAtOrigin(Canvas& canvas, double originX, double originY, double frontRadius,
                         double eightWeight, Colour line, double lineWidth) {
  constexpr int kSteps = 144;
  cairo_t* cr = canvas.cr();
  cairo_new_path(cr);
  for (int i = 0; i <= kSteps; ++i) {
    const double angle = 2 * std::numbers::pi * i / kSteps;
    const double r = std::fabs((1 - eightWeight) + eightWeight * std::cos(angle)) * frontRadius;
    const double x = originX + std::sin(angle) * r;
    const double y = originY - std::cos(angle) * r;
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  canvas.setColour(line);
  cairo_set_line_width(cr, lineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void drawPatternIcon(Canvas& canvas, double centreX, double centreY, double radius,
                     double eightWeight, Colour line, double lineWidth) {
  // The front lobe reaches 1 and the rear |1 - 2w|.
  const double scale = 2 * radius / (1 + std::fabs(1 - 2 * eightWeight));
  drawPatternAtOrigin(canvas, centreX, centreY - radius + scale, scale, eightWeight, line,
                      lineWidth);
}

}  // namespace artwork
