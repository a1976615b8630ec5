#pragma once
// A drawing surface for one bitmap: an ARGB cairo image that starts fully
// transparent, plus the few drawing idioms the artwork repeats (whole-pixel lines,
// rounded boxes, gradients, aligned text).
//
// A canvas has a resolution: at 2 its image has twice the pixels in each direction and
// cairo's device scale 2, so the same drawing code, in the same coordinates, draws the
// bitmap at twice the resolution.

#include <cairo.h>

#include <string_view>

#include "tools/artwork/fonts.h"

namespace artwork {

struct Colour {
  double red = 0, green = 0, blue = 0, alpha = 1;
};

// 0xRRGGBB with an optional opacity.
constexpr Colour rgb(unsigned hex, double alpha = 1.0) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, alpha};
}

Colour mix(Colour a, Colour b, double t);

enum class Align { Left, Centre, Right };

struct TextStyle {
  Font font = Font::Regular;
  double size = 10;
  Colour colour;
  int tracking = 0;  // extra pixels after every character; whole pixels keep the spacing even
};

class Canvas {
 public:
  Canvas(int width, int height, double resolution = 1.0);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // False when cairo could not allocate the surface; drawing is then a no-op.
  bool ok() const;
  // In the drawing's coordinates, whatever the resolution.
  int width() const { return width_; }
  int height() const { return height_; }
  double resolution() const { return resolution_; }
  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }

  void setColour(Colour colour);
  void fillRect(double x, double y, double w, double h, Colour colour);
  // One-pixel lines covering the pixels [from, to) of a row or column.
  void horizontalLine(int row, int from, int to, Colour colour);
  void verticalLine(int column, int from, int to, Colour colour);

  void roundedRectPath(double x, double y, double w, double h, double radius);
  void fillRoundedRect(double x, double y, double w, double h, double radius, Colour colour);
  // A box whose outline lies on whole pixels: fill, then a 1-px border inside it.
  void box(double x, double y, double w, double h, double radius, Colour fill, Colour border);
  void boxGradient(double x, double y, double w, double h, double radius, Colour top, Colour bottom,
                   Colour border);

  // Draws text with its baseline at `baseline`; returns the advance width.
  double text(const TextStyle& style, double x, double baseline, Align align,
              std::string_view text);
  // The same, with the text's capital height centred on `middle`.
  double textCentredOn(const TextStyle& style, double x, double middle, Align align,
                       std::string_view text);
  double textWidth(const TextStyle& style, std::string_view text);

  // Copies `source` (or its part from `sourceY` on) to (x, y).
  void paint(const Canvas& source, double x, double y, double sourceY = 0, double height = -1);

 private:
  void selectFont(const TextStyle& style);

  int width_;
  int height_;
  double resolution_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
};

}  // namespace artwork
