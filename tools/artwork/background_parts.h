#pragma once
// Pieces of the editor background that live in files of their own.

#include "tools/artwork/canvas.h"

namespace artwork {

// The frequency graph's grid, polar rings, scales, captions and legend.
void drawGraphBackground(Canvas& canvas);

}  // namespace artwork
