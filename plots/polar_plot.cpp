#include "plots/polar_plot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "plots/finite_polyline.h"
#include "toolkit/coffscreencontext.h"

using namespace VSTGUI;

namespace {

constexpr CColor kLineColour{120, 120, 120, 255};
constexpr CCoord kLineWidth = 1.5;

}  // namespace

PolarPlot::PolarPlot(const CRect& rect, CFrame* frame)
    : CView(rect),
      frame_(frame),
      centreX_(static_cast<float>(rect.getWidth() / 2)),
      centreY_(static_cast<float>(rect.getHeight() / 2)) {
  setMouseEnabled(false);
}

void PolarPlot::setPolarData(int32_t kind, const std::vector<double>* values) {
  if (values != nullptr && values->empty()) values = nullptr;
  if (kind == kOmniData) omni_ = values;
  if (kind == kEightData) eight_ = values;
  if (hasData()) sampleCount_ = static_cast<int32_t>(std::min(omni_->size(), eight_->size()));
}

double PolarPlot::angleAt(int32_t index) const {
  // The measured points' fraction of the turn is taken in single precision.
  if (hasData())
    return 2.0 * std::numbers::pi * (static_cast<float>(index) / static_cast<float>(sampleCount_));
  return 2.0 * std::numbers::pi * index / kIdealSampleCount;
}

float PolarPlot::radiusAt(int32_t index, double theta, float scale) const {
  // The absolute value shows a mix that turns negative (more figure-eight than omni)
  // as the rear lobe, on the rear side.
  const double mix = hasData() ? (1.0 - weight_) * (*omni_)[index] + weight_ * (*eight_)[index]
                               : 1.0 - weight_ + weight_ * std::cos(theta);
  return static_cast<float>(std::fabs(mix * scale));
}

void PolarPlot::draw(CDrawContext* context) {
  const CCoord width = getWidth(), height = getHeight();
  COffscreenContext* surface = COffscreenContext::create(frame_, width, height);
  surface->setFrameColor(kLineColour);
  surface->setDrawMode(kAntiAliasing);
  surface->setLineWidth(kLineWidth);

  if (!hasData()) sampleCount_ = kIdealSampleCount;
  const int32_t count = sampleCount_;
  const auto scale = static_cast<float>(static_cast<int32_t>(height / 2 - 2));
  auto pointAt = [&](int32_t index) {
    const double theta = angleAt(index);
    const float radius = radiusAt(index, theta, scale);
    const float x = centreX_ + static_cast<float>(std::sin(theta)) * radius;
    const float y = centreY_ - static_cast<float>(std::cos(theta)) * radius;
    return CPoint(x, y);
  };

  // Walked from the last angle backwards and closed on the last point again.
  FinitePolyline line(surface);
  line.start(pointAt(count - 1));
  surface->beginDraw();
  for (int32_t index = count - 2; index >= 0; --index) line.to(pointAt(index));
  line.to(pointAt(count - 1));
  surface->endDraw();

  surface->copyFrom(context, size);
  surface->forget();
  CView::draw(context);
}
