#pragma once
// The dark bar across the top of the editor and of its overlays, with the product's
// mark and name.

#include "tools/artwork/canvas.h"

namespace artwork {

// Draws the bar and the name; returns the x just right of the name.
double drawTitleBar(Canvas& canvas, const char* product);

}  // namespace artwork
