#pragma once
// What the help and credits overlays share: they cover the whole editor, keep its
// title bar and say how to close them.

#include "tools/artwork/canvas.h"

namespace artwork {

struct OverlayTitle {
  const char* product;  // "Lobeshift Stereo" or "Lobeshift"
  const char* topic;    // shown after the product name
};

void drawOverlayFrame(Canvas& canvas, const OverlayTitle& title);

// A card on the overlay with a heading; returns the y where its content starts.
double drawOverlayCard(Canvas& canvas, double x, double y, double width, double height,
                       const char* heading);

// Copies rows [sourceY, sourceY + height) of another bitmap of the artwork to (x, y).
void paintPieceRows(Canvas& canvas, const char* piece, double x, double y, double sourceY,
                    double height);

}  // namespace artwork
