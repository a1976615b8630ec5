// The gain knob filmstrip and the mono build's "GAIN" caption.

#include <cmath>
#include <numbers>

#include "tools/artwork/artwork.h"
#include "tools/artwork/palette.h"

namespace artwork {
namespace {

constexpr int kFrames = 31;
constexpr int kFrameSize = 24;
// The knob turns clockwise from 135 degrees (value 0, bottom left) through 270
// degrees of travel; the middle frame points straight up and means 0 dB.
constexpr double kStartAngle = 3 * std::numbers::pi / 4;
constexpr double kRangeAngle = 3 * std::numbers::pi / 2;
constexpr double kCentreAngle = kStartAngle + kRangeAngle / 2;

void drawKnobFrame(Canvas& canvas, double top, double value) {
  using namespace palette;
  cairo_t* cr = canvas.cr();
  const double cx = kFrameSize / 2.0;
  const double cy = top + kFrameSize / 2.0;
  const double angle = kStartAngle + kRangeAngle * value;

  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_width(cr, 2);
  canvas.setColour(rgb(0xB9BFC7));
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 10.5, kStartAngle, kStartAngle + kRangeAngle);
  cairo_stroke(cr);

  // The value arc grows from 0 dB towards the setting, so cut and boost read apart.
  if (std::fabs(angle - kCentreAngle) > 1e-9) {
    canvas.setColour(kAccent);
    cairo_new_path(cr);
    if (angle > kCentreAngle)
      cairo_arc(cr, cx, cy, 10.5, kCentreAngle, angle);
    else
      cairo_arc(cr, cx, cy, 10.5, angle, kCentreAngle);
    cairo_stroke(cr);
  }
  // The 0 dB mark at the top of the track.
  canvas.fillRect(cx - 0.5, cy - 12, 1, 3, rgb(0x59626C));

  // Body with a soft shadow below it.
  canvas.setColour(rgb(0x000000, 0.22));
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy + 0.8, 7.6, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, cy - 7.5, 0, cy + 7.5);
  cairo_pattern_add_color_stop_rgb(body, 0, 0.99, 0.99, 1.0);
  cairo_pattern_add_color_stop_rgb(body, 1, 0.78, 0.80, 0.84);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 7.0, 0, 2 * std::numbers::pi);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  canvas.setColour(rgb(0x737B85));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  // Pointer.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 2);
  canvas.setColour(kText);
  cairo_move_to(cr, cx + std::cos(angle) * 2.0, cy + std::sin(angle) * 2.0);
  cairo_line_to(cr, cx + std::cos(angle) * 6.0, cy + std::sin(angle) * 6.0);
  cairo_stroke(cr);
}

}  // namespace

void drawKnobFilmstrip(Canvas& canvas) {
  for (int frame = 0; frame < kFrames; ++frame)
    drawKnobFrame(canvas, frame * kFrameSize, static_cast<double>(frame) / (kFrames - 1));
}

void drawGainCaption(Canvas& canvas) {
  // Centred where the gain frame centres its value text, which replaces it on hover.
  const TextStyle style{Font::CondensedBold, 8.5, palette::kTextDim, 1};
  canvas.textCentredOn(style, 15, canvas.height() / 2.0, Align::Centre, "GAIN");
}

}  // namespace artwork
