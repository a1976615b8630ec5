// The two-state buttons: solo PRE and POST, and the proximity switch.

#include <numbers>

#include "tools/artwork/artwork.h"
#include "tools/artwork/palette.h"

namespace artwork {
namespace {

// The solo frame shows 18 rows of each image and overlaps PRE and POST by two rows:
// PRE keeps its face in its upper 16 rows and POST in its lower 16, so the pair
// reads as two equal buttons with a two-row gap.
constexpr double kImageHeight = 18;

// A solo button face, 49 x 16 pixels from (1, top).
void drawSoloFace(Canvas& canvas, double top, bool lit, const char* caption) {
  using namespace palette;
  if (lit)
    canvas.boxGradient(1, top, 49, 16, 3, kSoloTop, kSoloBottom, kSoloBorder);
  else
    canvas.boxGradient(1, top, 49, 16, 3, kButtonTop, kButtonBottom, kButtonBorder);
  const TextStyle style{Font::CondensedBold, 9, lit ? kSoloText : kTextDim, 1};
  canvas.textCentredOn(style, 25.5, top + 8, Align::Centre, caption);
}

void drawSwitchFace(Canvas& canvas, double top, bool on) {
  using namespace palette;
  cairo_t* cr = canvas.cr();
  canvas.boxGradient(1, top, 50, 16, 3, kButtonTop, kButtonBottom, kButtonBorder);
  const double ledX = 11, ledY = top + 8;
  if (on) {
    Colour glow = kLedOn;
    glow.alpha = 0.3;
    canvas.setColour(glow);
    cairo_new_path(cr);
    cairo_arc(cr, ledX, ledY, 5.5, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
  }
  canvas.setColour(on ? kLedOn : kLedOff);
  cairo_new_path(cr);
  cairo_arc(cr, ledX, ledY, 3.5, 0, 2 * std::numbers::pi);
  cairo_fill_preserve(cr);
  canvas.setColour(on ? rgb(0x1E8A41) : rgb(0x3E454D));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  const TextStyle style{Font::CondensedBold, 9, on ? kText : kTextDim, 1};
  canvas.textCentredOn(style, 32, top + 8, Align::Centre, on ? "ON" : "OFF");
}

}  // namespace

void drawPreButton(Canvas& canvas) {
  drawSoloFace(canvas, 0, false, "PRE");
  drawSoloFace(canvas, kImageHeight, true, "PRE");
}

void drawPostButton(Canvas& canvas) {
  drawSoloFace(canvas, 2, false, "POST");
  drawSoloFace(canvas, kImageHeight + 2, true, "POST");
}

void drawOnOffButton(Canvas& canvas) {
  // Each state shows 17.5 rows; the faces keep clear of the half row between them.
  drawSwitchFace(canvas, 1, false);
  drawSwitchFace(canvas, 19, true);
}

}  // namespace artwork
