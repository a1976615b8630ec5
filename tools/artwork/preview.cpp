#include "tools/artwork/preview.h"

#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <string>

#include "tools/artwork/artwork.h"
#include "tools/artwork/geometry.h"

namespace artwork {
namespace {

using geometry::frequencyToX;
using geometry::kGraphHeight;
using geometry::kGraphLeft;
using geometry::kGraphTop;

using Bitmaps = std::map<std::string, std::unique_ptr<Canvas>>;

// An example setting: fuller, wider lows, cardioid mids, focused highs.
struct ControlPoint {
  double hz;
  double type;  // 1 omni ... 0 figure-eight
};
constexpr ControlPoint kPoints[] = {{60, 0.85}, {1000, 0.5}, {8000, 0.2}};

// Figure-eight weight at graph-local x. The real graph fits a spline; a cosine
// ease between the points is close enough to judge the artwork.
double exampleWeight(double x) {
  const double xs[] = {frequencyToX(kPoints[0].hz), frequencyToX(kPoints[1].hz),
                       frequencyToX(kPoints[2].hz)};
  if (x <= xs[0]) return 1 - kPoints[0].type;
  if (x >= xs[2]) return 1 - kPoints[2].type;
  const int segment = x < xs[1] ? 0 : 1;
  const double t = (x - xs[segment]) / (xs[segment + 1] - xs[segment]);
  const double ease = 0.5 - 0.5 * std::cos(std::numbers::pi * t);
  const double from = 1 - kPoints[segment].type, to = 1 - kPoints[segment + 1].type;
  return from + (to - from) * ease;
}

void drawExampleGraph(Canvas& panel) {
  cairo_t* cr = panel.cr();
  cairo_save(cr);
  cairo_translate(cr, kGraphLeft, kGraphTop);
  // Polar plots: the ideal pattern for the curve's weight at each plot's frequency.
  const double polarHz[] = {100, 1000, 10000};
  for (int i = 0; i < 3; ++i) {
    const double weight = exampleWeight(std::floor(frequencyToX(polarHz[i]) / 4) * 4);
    const double cx = geometry::kPolarCentresX[i] - kGraphLeft;
    const double cy = geometry::kPolarCentreY - kGraphTop;
    cairo_new_path(cr);
    for (int k = 0; k <= 64; ++k) {
      const double angle = 2 * std::numbers::pi * k / 64;
      const double r = std::fabs((1 - weight + weight * std::cos(angle)) * 58);
      cairo_line_to(cr, cx + std::sin(angle) * r, cy - std::cos(angle) * r);
    }
    cairo_set_source_rgba(cr, 120 / 255.0, 120 / 255.0, 120 / 255.0, 1);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  // The directivity curve on the 146-point display grid.
  cairo_new_path(cr);
  for (int k = 0; k < 146; ++k) cairo_line_to(cr, 4 * k, kGraphHeight * exampleWeight(4 * k));
  cairo_set_source_rgba(cr, 127 / 255.0, 127 / 255.0, 127 / 255.0, 1);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Handles: 12 x 12 squares centred on their points.
  for (const ControlPoint& point : kPoints) {
    const double x = frequencyToX(point.hz);
    const double y = 2 + (1 - point.type) * (kGraphHeight - 4);
    cairo_rectangle(cr, std::round(x - 6) + 0.5, std::round(y - 6) + 0.5, 11, 11);
    cairo_set_source_rgba(cr, 127 / 255.0, 127 / 255.0, 127 / 255.0, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// The meter shows whole segments: the unlit bitmap above the cut, the lit one below.
void drawMeter(Canvas& panel, const Bitmaps& bitmaps, double left, double dB) {
  const double value = std::exp(0.04 * dB);
  const double lit = std::round(geometry::kMeterSegments * value) / geometry::kMeterSegments;
  const double cut = std::round(geometry::kMeterHeight * (1 - lit));
  panel.paint(*bitmaps.at("meterOff.png"), left, geometry::kMeterTop, 0, cut);
  panel.paint(*bitmaps.at("meterOn.png"), left, geometry::kMeterTop + cut, cut,
              geometry::kMeterHeight - cut);
}

void drawKnob(Canvas& panel, const Bitmaps& bitmaps, double left, double top, double dB) {
  const int frame = static_cast<int>(std::floor(30 * (dB / 12 + 0.5)));
  panel.paint(*bitmaps.at("poti.png"), left, top, frame * 24.0, 24);
}

void drawLed(Canvas& panel, const Bitmaps& bitmaps, double left, bool lit) {
  panel.paint(*bitmaps.at("peakLED.png"), left, 73, lit ? 13 : 0, 13);
}

void drawColumns(Canvas& panel, const Bitmaps& bitmaps, bool stereo) {
  // The solo frame sits at (8.5, 292); drawn here at whole pixels, with the omni
  // capsule soloed before the mix.
  const Canvas& pre = *bitmaps.at("PreButton.png");
  const Canvas& post = *bitmaps.at("PostButton.png");
  panel.paint(pre, 9, 292, 18, 18);
  panel.paint(post, 9, 308, 0, 18);
  panel.paint(pre, 77, 292, 0, 18);
  panel.paint(post, 77, 308, 0, 18);
  if (stereo) {
    const double ledLefts[] = {17, 42, 85, 110};
    for (int i = 0; i < 4; ++i) drawLed(panel, bitmaps, ledLefts[i], i == 0);
    drawKnob(panel, bitmaps, 14, 258, 0);
    drawKnob(panel, bitmaps, 40, 258, 0);
    drawKnob(panel, bitmaps, 82, 258, 2.4);
    drawKnob(panel, bitmaps, 108, 258, -3.6);
    drawMeter(panel, bitmaps, 17, -1);
    drawMeter(panel, bitmaps, 42, -5);
    drawMeter(panel, bitmaps, 85, -14);
    drawMeter(panel, bitmaps, 110, -20);
  } else {
    drawLed(panel, bitmaps, 30, false);
    drawLed(panel, bitmaps, 96, true);
    drawKnob(panel, bitmaps, 10, 258, 0);
    panel.paint(*bitmaps.at("gain.png"), 38, 266);
    drawKnob(panel, bitmaps, 78, 258, 2.4);
    panel.paint(*bitmaps.at("gain.png"), 106, 266);
    drawMeter(panel, bitmaps, 30, -4);
    drawMeter(panel, bitmaps, 96, -12);
  }
}

void drawSelectors(Canvas& panel, const Bitmaps& bitmaps, bool selectorOpen) {
  panel.paint(*bitmaps.at("onOffButton.png"), 77, 328, 18, 17.5);
  panel.paint(*bitmaps.at("eightText.png"), 79, 54, 16, 16);
  panel.paint(*bitmaps.at("omniText.png"), 10, 54, 0, 16);
  if (selectorOpen) {
    panel.paint(*bitmaps.at("omniSelector.png"), 10, 52);
    // The selector's hover highlight on its second entry.
    panel.fillRect(10, 52 + 5 + 2 * 16, 56, 16, rgb(0x323232, 40 / 255.0));
  }
}

}  // namespace

bool writePreview(const PreviewOptions& options, const std::string& path, std::string& error) {
  Bitmaps bitmaps;
  for (const Piece& piece : pieces()) {
    auto canvas = std::make_unique<Canvas>(piece.width, piece.height);
    if (!canvas->ok()) {
      error = std::string("cannot create a surface for ") + piece.name;
      return false;
    }
    piece.draw(*canvas);
    bitmaps.emplace(piece.name, std::move(canvas));
  }
  Canvas panel(geometry::kEditorWidth, geometry::kEditorHeight);
  if (!panel.ok()) {
    error = "cannot create the panel surface";
    return false;
  }
  panel.paint(*bitmaps.at("back.png"), 0, 0);
  drawColumns(panel, bitmaps, options.stereo);
  drawExampleGraph(panel);
  drawSelectors(panel, bitmaps, options.selectorOpen);
  const char* suffix = options.stereo ? "Stereo.png" : "Mono.png";
  if (options.overlay == Overlay::Help)
    panel.paint(*bitmaps.at(std::string("help") + suffix), 0, 0);
  if (options.overlay == Overlay::Credits)
    panel.paint(*bitmaps.at(std::string("credits") + suffix), 0, 0);

  const cairo_status_t status = cairo_surface_write_to_png(panel.surface(), path.c_str());
  if (status != CAIRO_STATUS_SUCCESS) {
    error = "cannot write " + path + ": " + cairo_status_to_string(status);
    return false;
  }
  return true;
}

}  // namespace artwork
