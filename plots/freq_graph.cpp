#include "plots/freq_graph.h"

#include <cmath>
#include <cstdio>

#include "controller/parameter_table.h"
#include "plots/freq_db_plot.h"
#include "plots/freq_plot.h"
#include "plots/graph_control.h"
#include "plots/polar_plot.h"

using namespace VSTGUI;

namespace {

constexpr CCoord kHandleSize = 12;
// The distance of the handles' centres from the top and bottom edges, and the extra
// room the High handle keeps from the right edge.
constexpr double kEdgeMargin = 3;
constexpr double kHighRightMargin = 7;

constexpr CColor kTransparentBackground{255, 255, 255, 0};
constexpr CColor kHintColour{10, 10, 10, 200};
constexpr CCoord kHintWidth = 100;
constexpr CCoord kHintHeight = 16;
constexpr CCoord kHintFontSize = 10;

// The polar plots: 120 x 120, their tops at 84.5, their left edges here.
constexpr CCoord kPolarLefts[FreqGraph::kPolarPlotCount] = {74, 268, 462};
constexpr CCoord kPolarTop = 84.5;
constexpr CCoord kPolarSize = 120;

ParameterId frequencyTag(int handle) { return static_cast<ParameterId>(2 * handle + 1); }
ParameterId typeTag(int handle) { return static_cast<ParameterId>(2 * handle); }
bool isTypeTag(int32_t tag) { return tag % 2 == 0; }

// The region for each handle's centre: the frequency range's ends, each one pixel
// right of its axis point (six for the Low handle's left end and seven less for the
// High handle's right end, so the squares stay inside the graph).
CRect handleLimits(int handle, double height) {
  const ParameterId tag = frequencyTag(handle);
  const double left = frequencyToX(parameterMinimum(tag)) + (handle == FreqGraph::kLow ? 6 : 1);
  const double right =
      frequencyToX(parameterMaximum(tag)) + 1 - (handle == FreqGraph::kHigh ? kHighRightMargin : 0);
  return CRect(left, kEdgeMargin, right, height - kEdgeMargin);
}

}  // namespace

FreqGraph::FreqGraph(Steinberg::Vst::EditController* controller, const CRect& rect, CFrame* frame,
                     CBitmap* background)
    : CViewContainer(rect, frame, background),
      controller_(controller),
      gestures_(controller),
      height_(rect.getHeight()) {
  if (background == nullptr) setBackgroundColor(kTransparentBackground);
  // Every point starts where its handle does, on the parameters' defaults, so the
  // first curve is computed on defined values before any parameter is reported.
  for (int handle = kLow; handle <= kHigh; ++handle) {
    points_[handle] = {
        frequencyToX(parameterDefault(frequencyTag(handle))) / frequency_axis::kGridSpacing,
        1.0 - parameterDefault(typeTag(handle))};
  }
  addChildren(frame);
  updateCurve();
}

FreqGraph::~FreqGraph() = default;

void FreqGraph::addChildren(CFrame* frame) {
  const CCoord width = getWidth();
  hintLabel_ = new CTextLabel(CRect(0, height_ - kHintHeight, kHintWidth, height_));
  hintLabel_->setTransparency(true);
  hintLabel_->setFontColor(kHintColour);
  CFontDesc* font = new CFontDesc("Verdana", kHintFontSize, kNormalFace);
  hintLabel_->setFont(font);
  font->forget();
  hintLabel_->setVisible(false);
  addView(hintLabel_);

  for (int index = 0; index < kPolarPlotCount; ++index) {
    polarPlots_[index] =
        new PolarPlot(CRect(kPolarLefts[index], kPolarTop, kPolarLefts[index] + kPolarSize,
                            kPolarTop + kPolarSize),
                      frame);
    addView(polarPlots_[index]);
  }
  freqPlot_ = new FreqPlot(CRect(0, 0, width, height_), frame);
  addView(freqPlot_);
  freqDbPlot_ = new FreqDbPlot(CRect(0, 0, width, height_), frame);
  addView(freqDbPlot_);

  for (int handle = kLow; handle <= kHigh; ++handle) {
    const ParameterId tag = frequencyTag(handle);
    const CPoint centre(frequencyToX(parameterDefault(tag)),
                        parameterDefault(typeTag(handle)) * height_);
    const CRect square(centre.x - kHandleSize / 2, centre.y - kHandleSize / 2,
                       centre.x + kHandleSize / 2, centre.y + kHandleSize / 2);
    handles_[handle] =
        new GraphControl(square, handleLimits(handle, height_), this, static_cast<int32_t>(tag),
                         static_cast<int32_t>(typeTag(handle)));
    addView(handles_[handle]);
  }
}

double FreqGraph::typeAtY(double y) const {
  return 1.0 - (y - kEdgeMargin) / (height_ - 2 * kEdgeMargin);
}

double FreqGraph::yOfType(double type) const { return 2.0 + (1.0 - type) * (height_ - 4.0); }

void FreqGraph::updateParameter(int32_t tag, float value) {
  if (activeHandle_ != nullptr && tag != activeHandle_->getTag() &&
      tag != activeHandle_->getTypeTag())
    return;
  if (tag >= 0 && tag < kGraphTagCount) {
    if (std::isnan(value)) return;
    applyParameter(tag, value);
  }
  updateCurve();
  setDirty(true);
}

void FreqGraph::applyParameter(int32_t tag, float value) {
  const auto id = static_cast<ParameterId>(tag);
  const double plain = std::fmin(std::fmax(value, parameterMinimum(id)), parameterMaximum(id));
  const int handle = tag / 2;
  GraphControl& control = *handles_[handle];
  if (isTypeTag(tag)) {
    control.setCenterY(static_cast<float>(yOfType(plain)));
    points_[handle].weight = 1.0 - plain;
  } else {
    // The point keeps the value's own position where the handle stops at its limits.
    const double x = frequencyToX(plain);
    control.setCenterX(static_cast<float>(x));
    points_[handle].x = x / frequency_axis::kGridSpacing;
  }
  updateHint(control);
}

void FreqGraph::updateCurve() {
  computeDisplayCurve(curve_, points_);
  freqPlot_->setCurve(curve_);
  freqDbPlot_->setCurve(curve_);
  for (int index = 0; index < kPolarPlotCount; ++index) {
    const int position = static_cast<int>(frequencyToX(kPolarFrequencies[index])) / 4;
    polarPlots_[index]->setWeight(static_cast<float>(curve_[position]));
  }
}

void FreqGraph::updateHint(const GraphControl& handle) {
  float type = static_cast<float>(typeAtY(handle.getCenter().y));
  if (type < 0.f) type = 0.f;
  const auto hz = static_cast<float>(xToFrequency(handle.getCenter().x));
  if (hz > 1000.f)
    std::snprintf(hintText_, sizeof hintText_, "%.2f @ %.2fkHz", type, hz / 1000.f);
  else
    std::snprintf(hintText_, sizeof hintText_, "%.2f @ %.0fHz", type, hz);
  hintLabel_->setText(hintText_);
}

void FreqGraph::setMicrophone(int32_t kind, const MicrophoneRecord* record) {
  if (record == nullptr) return;
  const std::vector<double>* lists[kPolarPlotCount] = {&record->polar100Hz, &record->polar1000Hz,
                                                       &record->polar10000Hz};
  for (int index = 0; index < kPolarPlotCount; ++index)
    polarPlots_[index]->setPolarData(kind, lists[index]);
  // The response plot covers the whole graph, so marking it dirty repaints the polar
  // plots too.
  freqDbPlot_->setMicrophone(kind, record);
}

void FreqGraph::setProximityCompensation(bool on) { freqDbPlot_->setProximityCompensation(on); }
