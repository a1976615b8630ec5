// The level meter (lit and unlit segments) and the peak LED above it.

#include <cmath>

#include "tools/artwork/artwork.h"
#include "tools/artwork/geometry.h"
#include "tools/artwork/palette.h"

namespace artwork {
namespace {

using geometry::kMeterHeight;
using geometry::kMeterSegments;

// Row where segment boundary `k` (counted from the top) falls. The meter cuts its
// bitmaps at k / 17 of its height; each segment leaves a gap of two rows around
// every boundary, so a cut looks the same however the toolkit rounds it.
int boundaryRow(int k) {
  return static_cast<int>(std::lround(static_cast<double>(kMeterHeight) * k / kMeterSegments));
}

// The top segment means the last decibel below full scale, the next three the
// upper few dB; the rest is the working range.
enum class Zone { Red, Amber, Green };
Zone zoneOf(int segmentFromTop) {
  if (segmentFromTop == 0) return Zone::Red;
  if (segmentFromTop <= 3) return Zone::Amber;
  return Zone::Green;
}

void drawMeter(Canvas& canvas, bool lit) {
  using namespace palette;
  canvas.fillRect(0, 0, canvas.width(), canvas.height(), kMeterWell);
  cairo_set_line_width(canvas.cr(), 1);
  canvas.setColour(kMeterWellEdge);
  cairo_rectangle(canvas.cr(), 0.5, 0.5, canvas.width() - 1, kMeterHeight - 1);
  cairo_stroke(canvas.cr());
  for (int segment = 0; segment < kMeterSegments; ++segment) {
    const int top = boundaryRow(segment) + 1;
    const int bottom = boundaryRow(segment + 1) - 1;
    const Zone zone = zoneOf(segment);
    Colour colour;
    if (lit)
      colour = zone == Zone::Red     ? kSegmentRed
               : zone == Zone::Amber ? kSegmentAmber
                                     : kSegmentGreen;
    else
      colour = zone == Zone::Red     ? kSegmentUnlitRed
               : zone == Zone::Amber ? kSegmentUnlitAmber
                                     : kSegmentUnlitGreen;
    canvas.fillRect(3, top, 15, bottom - top, colour);
    // A lighter first row gives the segment some depth.
    canvas.fillRect(3, top, 15, 1, mix(colour, rgb(0xFFFFFF), lit ? 0.35 : 0.08));
  }
}

void drawLed(Canvas& canvas, double top, bool lit) {
  using namespace palette;
  if (lit) {
    canvas.boxGradient(1, top + 2, 19, 9, 2, rgb(0xFF7A70), rgb(0xE8281E), rgb(0x8E1A14));
    canvas.fillRect(4, top + 4, 13, 1, rgb(0xFFFFFF, 0.45));
  } else {
    canvas.boxGradient(1, top + 2, 19, 9, 2, rgb(0x6A3A3A), rgb(0x4A2626), rgb(0x2A1616));
  }
}

}  // namespace

void drawMeterOn(Canvas& canvas) { drawMeter(canvas, true); }
void drawMeterOff(Canvas& canvas) { drawMeter(canvas, false); }

void drawPeakLed(Canvas& canvas) {
  const double image = canvas.height() / 2.0;
  drawLed(canvas, 0, false);
  drawLed(canvas, image, true);
}

}  // namespace artwork
