// The editor's background: title bar, the two capsule columns with their scales and
// captions, and the Help label. The graph's part is in graph_background.cpp.

#include <cmath>
#include <numbers>
#include <string>

#include "tools/artwork/artwork.h"
#include "tools/artwork/background_parts.h"
#include "tools/artwork/geometry.h"
#include "tools/artwork/palette.h"
#include "tools/artwork/pattern_icon.h"
#include "tools/artwork/title_bar.h"

namespace artwork {
namespace {

using namespace palette;

// Column centres: the omni selector spans x 10 to 66, the figure-eight one 79 to 135.
constexpr double kOmniCentre = 38;
constexpr double kEightCentre = 107;
// Between the two columns, where neither build puts a meter.
constexpr double kScaleCentre = 74;

void drawColumnHeading(Canvas& canvas, double centre, double eightWeight, const char* title) {
  const TextStyle style{Font::CondensedBold, 9, kText, 1};
  const double iconSpace = 13;
  const double width = canvas.textWidth(style, title) + iconSpace;
  const double left = std::round(centre - width / 2);
  drawPatternIcon(canvas, left + 5, 44.5, 4.5, eightWeight, kAccent, 1.3);
  canvas.textCentredOn(style, left + iconSpace, 44.5, Align::Left, title);
}

void drawMeterScale(Canvas& canvas) {
  const TextStyle style{Font::Condensed, 8, kTextDim};
  const double marks[] = {0, -3, -6, -12, -18, -24, -36, -48};
  for (double dB : marks) {
    const double y = geometry::meterY(dB);
    const std::string label = dB == 0 ? "0" : std::to_string(static_cast<int>(-dB));
    canvas.textCentredOn(style, kScaleCentre, y, Align::Centre, label);
  }
  canvas.textCentredOn(TextStyle{Font::CondensedBold, 7.5, kTextFaint}, kScaleCentre, 250,
                       Align::Centre, "dB");
}

// A rounded box around each pair of solo buttons with its caption in the border.
void drawSoloBox(Canvas& canvas, double centre) {
  const double left = std::round(centre - 28), top = 287, width = 56, height = 41;
  cairo_t* cr = canvas.cr();
  canvas.roundedRectPath(left + 0.5, top + 0.5, width - 1, height - 1, 4);
  canvas.setColour(mix(kPanel, kPanelBorder, 0.75));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  const TextStyle style{Font::CondensedBold, 7.5, kTextDim, 1};
  const double textWidth = canvas.textWidth(style, "SOLO");
  canvas.fillRect(std::round(centre - textWidth / 2 - 3), top, std::round(textWidth + 6), 1,
                  kPanel);
  canvas.textCentredOn(style, centre, top + 0.5, Align::Centre, "SOLO");
}

// A glyph in a thin circle: the marks that say "click here".
void drawCircledGlyph(Canvas& canvas, double cx, double cy, double radius, const TextStyle& style,
                      const char* glyph) {
  cairo_t* cr = canvas.cr();
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * std::numbers::pi);
  canvas.setColour(style.colour);
  cairo_set_line_width(cr, 1.25);
  cairo_stroke(cr);
  canvas.textCentredOn(style, cx, cy, Align::Centre, glyph);
}

void drawHeader(Canvas& canvas) {
  const double nameRight = drawTitleBar(canvas, "Lobeshift");
  const TextStyle tagline{Font::Regular, 10, kHeaderDim};
  canvas.text(tagline, nameRight + 12, 20, Align::Left,
              "frequency-dependent directivity for omni + figure-eight pairs");
  // The vendor mark doubles as the credits hotspot; the small "i" says it opens something.
  const TextStyle vendor{Font::Bold, 10, kHeaderText, 2};
  canvas.text(vendor, 741, 19, Align::Right, "TOLVANE");
  drawCircledGlyph(canvas, 754.5, 15.5, 6, TextStyle{Font::Bold, 9, kHeaderDim}, "i");
}

void drawColumns(Canvas& canvas) {
  canvas.box(4, 36, 141, 314, 4, kPanel, kPanelBorder);
  drawColumnHeading(canvas, kOmniCentre, 0.0, "OMNI");
  drawColumnHeading(canvas, kEightCentre, 1.0, "EIGHT");
  drawMeterScale(canvas);
  drawSoloBox(canvas, 34);
  drawSoloBox(canvas, 102);
  const TextStyle caption{Font::CondensedBold, 8, kTextDim, 1};
  canvas.textCentredOn(caption, 72, 337, Align::Right, "PROX. COMP.");
}

void drawHelpLabel(Canvas& canvas) {
  drawCircledGlyph(canvas, 15, 367, 7, TextStyle{Font::Bold, 10, kTextDim}, "?");
  canvas.textCentredOn(TextStyle{Font::Regular, 11, kText}, 27, 367, Align::Left, "Help");
}

}  // namespace

void drawBackground(Canvas& canvas) {
  canvas.fillRect(0, 0, canvas.width(), canvas.height(), kWindow);
  drawHeader(canvas);
  drawColumns(canvas);
  drawGraphBackground(canvas);
  drawHelpLabel(canvas);
}

}  // namespace artwork
