#include "tools/artwork/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace artwork {
namespace {

// Bytes in the UTF-8 sequence that starts with `lead`.
std::size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

Colour mix(Colour a, Colour b, double t) {
  return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
          a.blue + (b.blue - a.blue) * t, a.alpha + (b.alpha - a.alpha) * t};
}

Canvas::Canvas(int width, int height, double resolution)
    : width_(width), height_(height), resolution_(resolution) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32,
                                        static_cast<int>(std::lround(width * resolution)),
                                        static_cast<int>(std::lround(height * resolution)));
  cairo_surface_set_device_scale(surface_, resolution, resolution);
  cr_ = cairo_create(surface_);
  // Grey-scale antialiasing with light hinting and whole-pixel advances keeps
  // small captions sharp at 100 % without colour fringes.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

bool Canvas::ok() const {
  return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS &&
         cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

void Canvas::setColour(Colour colour) {
  cairo_set_source_rgba(cr_, colour.red, colour.green, colour.blue, colour.alpha);
}

void Canvas::fillRect(double x, double y, double w, double h, Colour colour) {
  setColour(colour);
  cairo_rectangle(cr_, x, y, w, h);
  cairo_fill(cr_);
}

void Canvas::horizontalLine(int row, int from, int to, Colour colour) {
  fillRect(from, row, to - from, 1, colour);
}

void Canvas::verticalLine(int column, int from, int to, Colour colour) {
  fillRect(column, from, 1, to - from, colour);
}

void Canvas::roundedRectPath(double x, double y, double w, double h, double radius) {
  constexpr double kQuarter = std::numbers::pi / 2;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x + w - radius, y + radius, radius, -kQuarter, 0);
  cairo_arc(cr_, x + w - radius, y + h - radius, radius, 0, kQuarter);
  cairo_arc(cr_, x + radius, y + h - radius, radius, kQuarter, 2 * kQuarter);
  cairo_arc(cr_, x + radius, y + radius, radius, 2 * kQuarter, 3 * kQuarter);
  cairo_close_path(cr_);
}

void Canvas::fillRoundedRect(double x, double y, double w, double h, double radius, Colour colour) {
  setColour(colour);
  roundedRectPath(x, y, w, h, radius);
  cairo_fill(cr_);
}

void Canvas::box(double x, double y, double w, double h, double radius, Colour fill,
                 Colour border) {
  boxGradient(x, y, w, h, radius, fill, fill, border);
}

void Canvas::boxGradient(double x, double y, double w, double h, double radius, Colour top,
                         Colour bottom, Colour border) {
  // The border is stroked half a pixel inside the box so that it covers whole pixels.
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgba(gradient, 0, top.red, top.green, top.blue, top.alpha);
  cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.red, bottom.green, bottom.blue,
                                    bottom.alpha);
  roundedRectPath(x + 0.5, y + 0.5, w - 1, h - 1, radius);
  cairo_set_source(cr_, gradient);
  cairo_fill_preserve(cr_);
  cairo_pattern_destroy(gradient);
  setColour(border);
  cairo_set_line_width(cr_, 1);
  cairo_stroke(cr_);
}

void Canvas::selectFont(const TextStyle& style) {
  cairo_set_font_face(cr_, fontFace(style.font));
  cairo_set_font_size(cr_, style.size);
}

double Canvas::textWidth(const TextStyle& style, std::string_view text) {
  selectFont(style);
  const std::string copy(text);
  cairo_text_extents_t extents;
  cairo_text_extents(cr_, copy.c_str(), &extents);
  double width = extents.x_advance;
  if (style.tracking != 0) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); i += sequenceLength(text[i])) ++characters;
    if (characters > 1) width += style.tracking * static_cast<double>(characters - 1);
  }
  return width;
}

double Canvas::text(const TextStyle& style, double x, double baseline, Align align,
                    std::string_view text) {
  const double width = textWidth(style, text);
  double left = x;
  if (align == Align::Centre) left = x - width / 2;
  if (align == Align::Right) left = x - width;
  // Whole-pixel origins keep the hinted glyphs crisp.
  left = std::round(left);
  baseline = std::round(baseline);
  selectFont(style);
  setColour(style.colour);
  if (style.tracking == 0) {
    const std::string copy(text);
    cairo_move_to(cr_, left, baseline);
    cairo_show_text(cr_, copy.c_str());
    return width;
  }
  double pen = left;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = std::min(sequenceLength(text[i]), text.size() - i);
    const std::string glyph(text.substr(i, length));
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, glyph.c_str(), &extents);
    cairo_move_to(cr_, std::round(pen), baseline);
    cairo_show_text(cr_, glyph.c_str());
    pen += extents.x_advance + style.tracking;
    i += length;
  }
  return width;
}

double Canvas::textCentredOn(const TextStyle& style, double x, double middle, Align align,
                             std::string_view text) {
  selectFont(style);
  cairo_text_extents_t capital;
  cairo_text_extents(cr_, "H", &capital);
  return this->text(style, x, middle - capital.y_bearing / 2, align, text);
}

void Canvas::paint(const Canvas& source, double x, double y, double sourceY, double height) {
  if (height < 0) height = source.height() - sourceY;
  cairo_save(cr_);
  cairo_set_source_surface(cr_, source.surface(), x, y - sourceY);
  cairo_rectangle(cr_, x, y, source.width(), height);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

}  // namespace artwork
