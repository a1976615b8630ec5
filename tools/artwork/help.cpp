// The help overlays: what every control does, next to a picture of the control.

#include <algorithm>
#include <initializer_list>
#include <numbers>

#include "tools/artwork/artwork.h"
#include "tools/artwork/overlay_frame.h"
#include "tools/artwork/palette.h"
#include "tools/artwork/pattern_icon.h"
#include "tools/artwork/text_flow.h"

namespace artwork {
namespace {

using namespace palette;

enum class Icon { None, Selector, Meter, Knob, Gain, Pre, Post, Switch, Handle, Lines, Polar };

struct Item {
  Icon icon;
  const char* text;
};

constexpr double kItemGap = 8;

void drawHandleIcon(Canvas& canvas, double x, double y) {
  canvas.fillRect(x, y, 12, 12, rgb(0x7F7F7F));
  cairo_rectangle(canvas.cr(), x + 0.5, y + 0.5, 11, 11);
  canvas.setColour(rgb(0x000000));
  cairo_set_line_width(canvas.cr(), 1);
  cairo_stroke(canvas.cr());
}

void drawLinesIcon(Canvas& canvas, double x, double y) {
  cairo_t* cr = canvas.cr();
  const struct {
    Colour colour;
    double width;
  } lines[] = {{kCurveLine, 2}, {kFreeFieldLine, 1.5}, {kDiffuseLine, 1.5}};
  for (int i = 0; i < 3; ++i) {
    canvas.setColour(lines[i].colour);
    cairo_set_line_width(cr, lines[i].width);
    cairo_move_to(cr, x, y + 3 + 6 * i);
    cairo_curve_to(cr, x + 14, y + 3 + 6 * i, x + 22, y + 9 + 4 * i, x + 40, y + 7 + 4 * i);
    cairo_stroke(cr);
  }
}

void drawPolarIcon(Canvas& canvas, double x, double y) {
  const double cx = x + 16, cy = y + 14;
  cairo_t* cr = canvas.cr();
  canvas.setColour(kPolarUnity);
  cairo_set_line_width(cr, 1);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 13, 0, 2 * std::numbers::pi);
  cairo_stroke(cr);
  drawPatternIcon(canvas, cx, cy - 0.5, 11, 0.6, rgb(0x787878), 1.5);
}

// Draws the picture of a control with its top-left corner at (x, y); returns its height.
double drawIcon(Canvas& canvas, Icon icon, double x, double y) {
  switch (icon) {
    case Icon::None:
      return 0;
    case Icon::Selector:
      paintPieceRows(canvas, "omniText.png", x, y, 0, 16);
      return 16;
    case Icon::Meter:
      paintPieceRows(canvas, "peakLED.png", x + 16, y, 13, 13);
      paintPieceRows(canvas, "meterOn.png", x + 16, y + 13, 0, 30);
      return 43;
    case Icon::Knob:
      paintPieceRows(canvas, "poti.png", x + 14, y, 20 * 24, 24);
      return 24;
    case Icon::Gain:
      paintPieceRows(canvas, "poti.png", x, y, 20 * 24, 24);
      paintPieceRows(canvas, "gain.png", x + 28, y + 8, 0, 11);
      return 24;
    case Icon::Pre:
      paintPieceRows(canvas, "PreButton.png", x, y, 18, 16);
      return 16;
    case Icon::Post:
      paintPieceRows(canvas, "PostButton.png", x, y, 2, 16);
      return 16;
    case Icon::Switch:
      paintPieceRows(canvas, "onOffButton.png", x, y, 19, 16);
      return 16;
    case Icon::Handle:
      drawHandleIcon(canvas, x + 20, y + 2);
      return 16;
    case Icon::Lines:
      drawLinesIcon(canvas, x + 4, y);
      return 20;
    case Icon::Polar:
      drawPolarIcon(canvas, x + 8, y);
      return 28;
  }
  return 0;
}

// A card of items: pictures in a column `iconColumn` wide, their text beside them.
void drawCard(Canvas& canvas, double x, double width, double iconColumn, const char* heading,
              std::initializer_list<Item> items) {
  constexpr double kTop = 38, kHeight = 336;
  double y = drawOverlayCard(canvas, x, kTop, width, kHeight, heading);
  const FlowStyle style{{Font::Condensed, 10.5, kText}, {Font::CondensedBold, 10.5, kText}, 13};
  for (const Item& item : items) {
    const double iconHeight = drawIcon(canvas, item.icon, x + 10, y + 1);
    const double textLeft = x + 16 + iconColumn;
    const double textBottom =
        flowText(canvas, style, textLeft, y, x + width - 12 - textLeft, item.text);
    y = std::max(textBottom, y + iconHeight) + kItemGap;
  }
}

void drawHelp(Canvas& canvas, bool stereo) {
  drawOverlayFrame(canvas, {stereo ? "Lobeshift Stereo" : "Lobeshift", "Help"});
  drawCard(canvas, 10, 250, 56, "CAPSULE COLUMNS",
           {{Icon::Selector,
             "*Model* Choose the omni microphone (left column) and the figure-eight "
             "microphone (right). The graph shows their measured responses and patterns; the "
             "figure-eight model also sets the proximity filter."},
            {Icon::Meter,
             stereo ? "*Meters* Peak level of each capsule after its gain; in each column the "
                      "left pair on the left, the right pair on the right. The LED latches at "
                      "0 dBFS; click any LED to clear them all."
                    : "*Meters* Peak level of each capsule after its gain. The LED latches at "
                      "0 dBFS; click either LED to clear both."},
            {stereo ? Icon::Knob : Icon::Gain,
             stereo ? "*Gain* \u22126 to +6 dB per capsule and pair. Drag to turn (with Ctrl "
                      "finer, in linear knob mode); wheel or arrow keys: 1.2 dB steps, with "
                      "Shift 0.12 dB; Alt-click: 0 dB. Point at a knob to read its value."
                    : "*Gain* \u22126 to +6 dB per capsule. Drag to turn (with Ctrl finer, in "
                      "linear knob mode); wheel or arrow keys: 1.2 dB steps, with Shift "
                      "0.12 dB; Alt-click: 0 dB. Point at the gain to read its value."}});
  drawCard(
      canvas, 265, 250, 50, "SOLO AND PROXIMITY",
      {{Icon::Pre,
        "*PRE* Hear one capsule alone, unshaped, before the pattern mix. Shift-click "
        "PRE to hear both capsules mixed half and half."},
       {Icon::Post,
        "*POST* Hear only one capsule's share of the shaped mix. Click a lit button "
        "again to return to the full mix."},
       {Icon::Switch,
        "*Prox. comp.* A low-shelf boost on the figure-eight signal that restores the "
        "bass the chosen model loses at a distance: up to +8 dB for Rova E1, +2.9 dB for "
        "Rova E2. The faint line in the graph shows it as mixed."},
       {Icon::None, stereo ? "*Routing* Inputs 1\u20134: left omni, right omni, left eight, right "
                             "eight; outputs: left and right result.\n*Latency* 8192 samples, "
                             "compensated by the host."
                           : "*Routing* Input 1: omni, input 2: figure-eight; the result on both "
                             "outputs.\n*Latency* 8192 samples, compensated by the host."}});
  drawCard(canvas, 520, 250, 42, "DIRECTIVITY GRAPH",
           {{Icon::Handle,
             "*Handles* Low, Mid and High set the pattern at three frequencies: across for "
             "frequency, up and down for the pattern (omni at the top, cardioid in the "
             "middle, figure-eight at the bottom). The curve between them never overshoots."},
            {Icon::None,
             "*Drag* a handle; *Ctrl* moves it a tenth as far, *Shift* moves all three. "
             "*Alt-click* resets it to cardioid at 50 Hz, 1 kHz or 10 kHz. While dragging, "
             "the lower left corner reads pattern @ frequency (1 omni, 0 eight)."},
            {Icon::Lines,
             "*Lines* Grey: the pattern curve. Blue: free-field response of the shaped pair; "
             "light blue: its diffuse-field (room) response; \u00b120 dB scale on the right."},
            {Icon::Polar,
             "*Polar plots* The resulting pattern at 100 Hz, 1 kHz and 10 kHz, front at "
             "the top."}});
}

}  // namespace

void drawHelpStereo(Canvas& canvas) { drawHelp(canvas, true); }
void drawHelpMono(Canvas& canvas) { drawHelp(canvas, false); }

}  // namespace artwork
