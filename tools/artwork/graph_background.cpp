// The part of the background under the frequency graph: the plot area with its
// frequency and level grid, the rings behind the three polar plots, the pattern
// and level scales at its sides, the frequency labels, the handles' ranges and
// the legend of the lines the graph draws.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artwork/background_parts.h"
#include "tools/artwork/geometry.h"
#include "tools/artwork/palette.h"
#include "tools/artwork/pattern_icon.h"

namespace artwork {
namespace {

using namespace palette;
using geometry::frequencyToX;
using geometry::graphColumn;
using geometry::graphRow;
using geometry::kGraphHeight;
using geometry::kGraphLeft;
using geometry::kGraphTop;
using geometry::kGraphWidth;

constexpr int kPlotRight = kGraphLeft + kGraphWidth;   // first column right of the plot
constexpr int kPlotBottom = kGraphTop + kGraphHeight;  // first row below the plot

void drawFrequencyLine(Canvas& canvas, double hz, Colour colour) {
  canvas.verticalLine(graphColumn(frequencyToX(hz)), kGraphTop, kPlotBottom, colour);
}

void drawLevelLine(Canvas& canvas, double dB, Colour colour) {
  canvas.horizontalLine(graphRow(geometry::levelToY(dB)), kGraphLeft, kPlotRight, colour);
}

void drawGrid(Canvas& canvas) {
  canvas.fillRect(kGraphLeft, kGraphTop, kGraphWidth, kGraphHeight, kPlot);
  for (double decade : {10.0, 100.0, 1000.0})
    for (int step = 2; step <= 9; ++step)
      if (decade * step > 20 && decade * step < 20000)
        drawFrequencyLine(canvas, decade * step, kGridMinor);
  // Every 5 dB is also every eighth of the pattern scale, so one grid serves both.
  for (double dB : {-15.0, -5.0, 5.0, 15.0}) drawLevelLine(canvas, dB, kGridMinor);
  for (double dB : {-10.0, 10.0}) drawLevelLine(canvas, dB, kGridMajor);
  for (double hz : {100.0, 1000.0, 10000.0}) drawFrequencyLine(canvas, hz, kGridMajor);
  drawLevelLine(canvas, 0, kGridCentre);
}

void drawPolarRings(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_save(cr);
  cairo_rectangle(cr, kGraphLeft, kGraphTop, kGraphWidth, kGraphHeight);
  cairo_clip(cr);
  const char* labels[] = {"100 Hz", "1 kHz", "10 kHz"};
  const TextStyle caption{Font::CondensedBold, 8, kTextFaint, 1};
  for (int i = 0; i < 3; ++i) {
    const double cx = geometry::kPolarCentresX[i];
    const double cy = geometry::kPolarCentreY;
    const double unity = geometry::kPolarRadius;
    canvas.setColour(kPolarDisc);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, unity + 1.5, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    for (double fraction : {0.25, 0.5, 0.75, 1.0}) {
      canvas.setColour(fraction == 1.0 ? kPolarUnity : kPolarRing);
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy, unity * fraction, 0, 2 * std::numbers::pi);
      cairo_stroke(cr);
    }
    const int column = static_cast<int>(std::floor(cx));
    const int row = static_cast<int>(std::floor(cy));
    canvas.verticalLine(column, static_cast<int>(cy - unity), static_cast<int>(cy + unity) + 1,
                        kPolarRing);
    canvas.horizontalLine(row, static_cast<int>(cx - unity), static_cast<int>(cx + unity) + 1,
                          kPolarRing);
    canvas.textCentredOn(caption, cx, cy + unity + 8, Align::Centre, labels[i]);
  }
  cairo_restore(cr);
}

void drawPlotBorder(Canvas& canvas) {
  canvas.horizontalLine(kGraphTop - 1, kGraphLeft - 1, kPlotRight + 1, kPlotBorder);
  canvas.horizontalLine(kPlotBottom, kGraphLeft - 1, kPlotRight + 1, kPlotBorder);
  canvas.verticalLine(kGraphLeft - 1, kGraphTop - 1, kPlotBottom + 1, kPlotBorder);
  canvas.verticalLine(kPlotRight, kGraphTop - 1, kPlotBottom + 1, kPlotBorder);
}

// Left of the plot: the pattern each height of the curve stands for, from omni at
// the top through cardioid in the middle to figure-eight at the bottom.
void drawPatternScale(Canvas& canvas) {
  const TextStyle caption{Font::Condensed, 8, kTextDim};
  const struct {
    double weight;
    const char* name;  // only the three patterns engineers name first
    double nameOffset;
  } marks[] = {{0.0, "omni", 13},
               {0.25, nullptr, 0},
               {0.5, "cardioid", 13},
               {0.75, nullptr, 0},
               {1.0, "eight", -13}};
  for (const auto& mark : marks) {
    const double y = std::floor(kGraphTop + geometry::weightToY(mark.weight)) + 0.5;
    drawPatternIcon(canvas, 161.5, y, 7, mark.weight, kTextDim, 1.2);
    canvas.horizontalLine(graphRow(geometry::weightToY(mark.weight)), 172, kGraphLeft - 1,
                          kPlotBorder);
    if (mark.name != nullptr)
      canvas.textCentredOn(caption, 162, y + mark.nameOffset, Align::Centre, mark.name);
  }
}

// Right of the plot: the level scale of the response lines.
void drawLevelScale(Canvas& canvas) {
  const TextStyle style{Font::Condensed, 8.5, kTextDim};
  const struct {
    double dB;
    const char* text;
  } marks[] = {{20, "+20"}, {10, "+10"}, {0, "0"}, {-10, "\u221210"}, {-20, "\u221220"}};
  for (const auto& mark : marks) {
    // The outermost labels sit just inside the plot's edges.
    const double y =
        std::clamp(kGraphTop + geometry::levelToY(mark.dB), kGraphTop + 4.0, kPlotBottom - 4.0);
    canvas.textCentredOn(style, 779, y, Align::Right, mark.text);
  }
  canvas.textCentredOn(TextStyle{Font::CondensedBold, 8, kTextFaint}, 779, 44.5, Align::Right,
                       "dB");
}

void drawFrequencyLabels(Canvas& canvas) {
  const TextStyle style{Font::Condensed, 8.5, kTextDim};
  const struct {
    double hz;
    const char* text;
  } labels[] = {{20, "20 Hz"}, {50, "50"},   {100, "100"}, {200, "200"},   {500, "500"},
                {1000, "1k"},  {2000, "2k"}, {5000, "5k"}, {10000, "10k"}, {20000, "20 kHz"}};
  for (const auto& label : labels) {
    // The end labels stand inside the axis so that they clear the level scale.
    const int column = graphColumn(frequencyToX(label.hz));
    if (label.hz == 20)
      canvas.textCentredOn(style, kGraphLeft, kPlotBottom + 7, Align::Left, label.text);
    else if (label.hz == 20000)
      canvas.textCentredOn(style, kPlotRight, kPlotBottom + 7, Align::Right, label.text);
    else
      canvas.textCentredOn(style, column + 0.5, kPlotBottom + 7, Align::Centre, label.text);
  }
}

// Under the frequency labels: how far each handle reaches.
void drawHandleRanges(Canvas& canvas) {
  const struct {
    double from, to;
    const char* name;
    const char* range;
  } bands[] = {{20, 100, "LOW", "20\u2013100 Hz"},
               {200, 3000, "MID", "200 Hz\u20133 kHz"},
               {5000, 20000, "HIGH", "5\u201320 kHz"}};
  const TextStyle nameStyle{Font::CondensedBold, 8, kTextDim, 1};
  const TextStyle rangeStyle{Font::Condensed, 8.5, kTextDim};
  constexpr int kRow = 361;
  for (const auto& band : bands) {
    const int left = graphColumn(frequencyToX(band.from));
    const int right = std::min(graphColumn(frequencyToX(band.to)), kPlotRight);
    canvas.horizontalLine(kRow, left, right + 1, kGridCentre);
    canvas.verticalLine(left, kRow - 3, kRow + 1, kGridCentre);
    canvas.verticalLine(right, kRow - 3, kRow + 1, kGridCentre);
    const double gap = 5;
    const double width =
        canvas.textWidth(nameStyle, band.name) + gap + canvas.textWidth(rangeStyle, band.range);
    const double start = std::round((left + right + 1) / 2.0 - width / 2);
    const double nameWidth = canvas.text(nameStyle, start, 373, Align::Left, band.name);
    canvas.text(rangeStyle, start + nameWidth + gap, 373, Align::Left, band.range);
  }
}

void drawLegend(Canvas& canvas) {
  const TextStyle style{Font::Condensed, 9, kTextDim};
  const struct {
    Colour colour;
    double width;
    const char* text;
  } items[] = {{kCurveLine, 2, "directivity curve"},
               {kFreeFieldLine, 1.5, "free-field response"},
               {kDiffuseLine, 1.5, "diffuse-field response"},
               {kProximityLine, 1.5, "proximity compensation"}};
  cairo_t* cr = canvas.cr();
  double x = kGraphLeft;
  constexpr double kMiddle = 44.5;
  for (const auto& item : items) {
    canvas.setColour(item.colour);
    cairo_set_line_width(cr, item.width);
    cairo_move_to(cr, x, kMiddle);
    cairo_line_to(cr, x + 16, kMiddle);
    cairo_stroke(cr);
    x += 21;
    x += canvas.textCentredOn(style, x, kMiddle, Align::Left, item.text) + 14;
  }
}

}  // namespace

void drawGraphBackground(Canvas& canvas) {
  drawGrid(canvas);
  drawPolarRings(canvas);
  drawPlotBorder(canvas);
  drawPatternScale(canvas);
  drawLevelScale(canvas);
  drawFrequencyLabels(canvas);
  drawHandleRanges(canvas);
  drawLegend(canvas);
}

}  // namespace artwork
