#include <cstring>

#include "tools/artwork/artwork.h"

namespace artwork {
namespace {

constexpr Piece kPieces[] = {
    {"back.png", 780, 380, drawBackground},
    {"meterOn.png", 21, 173, drawMeterOn},
    {"meterOff.png", 21, 173, drawMeterOff},
    {"peakLED.png", 21, 26, drawPeakLed},
    {"poti.png", 24, 744, drawKnobFilmstrip},
    {"onOffButton.png", 52, 39, drawOnOffButton},
    {"PreButton.png", 51, 37, drawPreButton},
    {"PostButton.png", 52, 37, drawPostButton},
    {"omniText.png", 56, 32, drawOmniLabels},
    {"omniSelector.png", 56, 205, drawOmniList},
    {"eightText.png", 56, 32, drawEightLabels},
    {"eightSelector.png", 56, 205, drawEightList},
    {"helpStereo.png", 780, 380, drawHelpStereo},
    {"creditsStereo.png", 780, 380, drawCreditsStereo},
    {"helpMono.png", 780, 380, drawHelpMono},
    {"creditsMono.png", 780, 380, drawCreditsMono},
    {"gain.png", 32, 11, drawGainCaption},
};

}  // namespace

std::span<const Piece> pieces() { return kPieces; }

const Piece* findPiece(const char* name) {
  for (const Piece& piece : kPieces)
    if (std::strcmp(piece.name, name) == 0) return &piece;
  return nullptr;
}

std::unique_ptr<Canvas> renderPiece(const char* name, double resolution) {
  const Piece* piece = findPiece(name);
  if (piece == nullptr) return nullptr;
  auto canvas = std::make_unique<Canvas>(piece->width, piece->height, resolution);
  if (canvas->ok()) piece->draw(*canvas);
  return canvas;
}

}  // namespace artwork
