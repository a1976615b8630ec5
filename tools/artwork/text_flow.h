#pragma once
// Paragraphs for the overlays: words wrapped to a width, with *asterisks* marking
// the words set in bold and "\n" forcing a new line.

#include <string_view>

#include "tools/artwork/canvas.h"

namespace artwork {

struct FlowStyle {
  TextStyle regular;
  TextStyle bold;
  double lineHeight;
};

// Lays `text` out from (x, top) in lines no wider than `width`; returns the y just
// below the last line.
double flowText(Canvas& canvas, const FlowStyle& style, double x, double top, double width,
                std::string_view text);

}  // namespace artwork
