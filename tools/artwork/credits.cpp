// The credits overlays: product, version, vendor and what the plug-in is.

#include <string>

#include "tools/artwork/artwork.h"
#include "tools/artwork/overlay_frame.h"
#include "tools/artwork/palette.h"
#include "tools/artwork/pattern_icon.h"
#include "tools/artwork/text_flow.h"

namespace artwork {
namespace {

using namespace palette;

constexpr const char* kVersion = "1.0.1";

// The emblem: omni, cardioid, figure-eight and the steps between, around one origin
// as in a polar plot; the range the plug-in shapes across.
void drawEmblem(Canvas& canvas, double originX, double originY) {
  const double weights[] = {0.0, 0.25, 0.5, 0.75, 1.0};
  for (int i = 0; i < 5; ++i)
    drawPatternAtOrigin(canvas, originX, originY, 26, weights[i],
                        mix(kAccent, kAccentLight, i / 4.0), 1.6);
}

void drawFacts(Canvas& canvas, double x, double y, bool stereo) {
  const TextStyle label{Font::CondensedBold, 9.5, kTextDim, 1};
  const TextStyle value{Font::Regular, 10, kText};
  const struct {
    const char* label;
    const char* value;
  } facts[] = {
      {"FORMAT", "VST 3 plug-in, 64-bit"},
      {"CHANNELS", stereo ? "two microphone pairs in (4 channels), stereo out"
                          : "one microphone pair in (2 channels), the result on both outputs"},
      {"LATENCY", "8192 samples, reported to the host"},
      {"PROCESSING", "64-bit floating point, 8192-point FFT frames, 50 % overlap"},
      {"MICROPHONES", "Rova O1, Rova O2 (omni); Rova E1, Rova E2 (figure-eight)"},
  };
  for (const auto& fact : facts) {
    canvas.text(label, x, y, Align::Right, fact.label);
    canvas.text(value, x + 12, y, Align::Left, fact.value);
    y += 17;
  }
}

void drawCredits(Canvas& canvas, bool stereo) {
  const char* product = stereo ? "Lobeshift Stereo" : "Lobeshift";
  drawOverlayFrame(canvas, {product, "About"});
  constexpr double kCardLeft = 140, kCardWidth = 500, kCentre = kCardLeft + kCardWidth / 2;
  canvas.box(kCardLeft, 44, kCardWidth, 316, 6, kPanel, kPanelBorder);

  drawEmblem(canvas, kCentre, 80);
  canvas.text(TextStyle{Font::Bold, 28, kText, 0}, kCentre, 135, Align::Centre, product);
  canvas.text(TextStyle{Font::Regular, 12, kTextDim}, kCentre, 155, Align::Centre,
              (std::string("Version ") + kVersion).c_str());
  canvas.text(TextStyle{Font::Bold, 11, kAccent, 3}, kCentre, 175, Align::Centre, "TOLVANE");

  const FlowStyle style{{Font::Regular, 10.5, kText}, {Font::Bold, 10.5, kText}, 14};
  flowText(canvas, style, kCardLeft + 40, 186, kCardWidth - 80,
           "Shapes the polar pattern of a coincident omni and figure-eight microphone pair "
           "over frequency: three handles choose omni, cardioid, figure-eight or anything "
           "between for the lows, the mids and the highs, and the two capsules are mixed "
           "accordingly, frequency by frequency.");
  canvas.fillRect(kCardLeft + 40, 252, kCardWidth - 80, 1, kGridMajor);
  drawFacts(canvas, kCardLeft + 138, 272, stereo);
  canvas.text(TextStyle{Font::Regular, 9.5, kTextFaint}, kCentre, 372, Align::Centre,
              "\u00a9 Tolvane");
}

}  // namespace

void drawCreditsStereo(Canvas& canvas) { drawCredits(canvas, true); }
void drawCreditsMono(Canvas& canvas) { drawCredits(canvas, false); }

}  // namespace artwork
