#pragma once
// The seventeen bitmaps of the editor: their resource names, sizes and the
// functions that draw them.

#include <memory>
#include <span>

#include "tools/artwork/canvas.h"

namespace artwork {

struct Piece {
  const char* name;  // file and resource name
  int width;
  int height;
  void (*draw)(Canvas&);
};

// Every bitmap, in the order the editor's resource list gives them.
std::span<const Piece> pieces();
const Piece* findPiece(const char* name);
// Draws one bitmap by name into a canvas of its own at a resolution; null for an unknown name.
std::unique_ptr<Canvas> renderPiece(const char* name, double resolution = 1.0);

void drawBackground(Canvas& canvas);
void drawMeterOn(Canvas& canvas);
void drawMeterOff(Canvas& canvas);
void drawPeakLed(Canvas& canvas);
void drawKnobFilmstrip(Canvas& canvas);
void drawOnOffButton(Canvas& canvas);
void drawPreButton(Canvas& canvas);
void drawPostButton(Canvas& canvas);
void drawOmniLabels(Canvas& canvas);
void drawOmniList(Canvas& canvas);
void drawEightLabels(Canvas& canvas);
void drawEightList(Canvas& canvas);
void drawHelpStereo(Canvas& canvas);
void drawCreditsStereo(Canvas& canvas);
void drawHelpMono(Canvas& canvas);
void drawCreditsMono(Canvas& canvas);
void drawGainCaption(Canvas& canvas);

}  // namespace artwork
