// The microphone selectors: the closed label strips (one image per model) and the
// open list panels.

#include "tools/artwork/artwork.h"
#include "tools/artwork/palette.h"

namespace artwork {
namespace {

// The microphone models of the embedded data, in list order.
constexpr const char* kOmniModels[] = {"Rova O1", "Rova O2"};
constexpr const char* kEightModels[] = {"Rova E1", "Rova E2"};

constexpr int kEntryHeight = 16;
// The open list's rows start 5 pixels below the control's top: row 0 is the header,
// rows 1 and 2 the entries the selector picks from.
constexpr int kListTop = 5;

void triangle(Canvas& canvas, double cx, double cy, bool pointsDown, Colour colour) {
  cairo_t* cr = canvas.cr();
  const double dy = pointsDown ? 1.5 : -1.5;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 3, cy - dy);
  cairo_line_to(cr, cx + 3, cy - dy);
  cairo_line_to(cr, cx, cy + dy * 1.4);
  cairo_close_path(cr);
  canvas.setColour(colour);
  cairo_fill(cr);
}

void drawLabels(Canvas& canvas, const char* const (&models)[2]) {
  using namespace palette;
  const TextStyle name{Font::Condensed, 10, kText};
  for (int i = 0; i < 2; ++i) {
    const double top = i * kEntryHeight;
    canvas.boxGradient(0, top, canvas.width(), kEntryHeight, 3, kButtonTop, kButtonBottom,
                       kButtonBorder);
    canvas.textCentredOn(name, 5, top + 8, Align::Left, models[i]);
    triangle(canvas, 48.5, top + 8, true, kTextDim);
  }
}

void drawList(Canvas& canvas, const char* heading, const char* const (&models)[2]) {
  using namespace palette;
  const double width = canvas.width();
  const double entriesTop = kListTop + kEntryHeight;
  const double bottom = entriesTop + 2 * kEntryHeight + 1;

  // A soft shadow under the panel lifts it off the meters it covers.
  for (int i = 0; i < 4; ++i)
    canvas.fillRect(2, bottom + i, width - 4, 1, rgb(0x000000, 0.22 - 0.05 * i));

  // The panel starts above the closed label strip so that none of it peeks out.
  canvas.box(0, 1, width, bottom - 1, 3, rgb(0xFBFCFD), kPanelBorder);
  canvas.fillRect(1, 2, width - 2, entriesTop - 2, kHeader);
  const TextStyle caption{Font::CondensedBold, 8.5, kHeaderText, 1};
  canvas.textCentredOn(caption, 5, (2 + entriesTop) / 2, Align::Left, heading);
  triangle(canvas, 48.5, (2 + entriesTop) / 2, false, kHeaderDim);

  const TextStyle name{Font::Condensed, 10, kText};
  for (int i = 0; i < 2; ++i) {
    const double top = entriesTop + i * kEntryHeight;
    if (i > 0) canvas.fillRect(4, top, width - 8, 1, kGridMinor);
    canvas.textCentredOn(name, 5, top + 8, Align::Left, models[i]);
  }
}

}  // namespace

void drawOmniLabels(Canvas& canvas) { drawLabels(canvas, kOmniModels); }
void drawEightLabels(Canvas& canvas) { drawLabels(canvas, kEightModels); }
void drawOmniList(Canvas& canvas) { drawList(canvas, "OMNI", kOmniModels); }
void drawEightList(Canvas& canvas) { drawList(canvas, "EIGHT", kEightModels); }

}  // namespace artwork
