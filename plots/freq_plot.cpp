#include "plots/freq_plot.h"

#include "plots/finite_polyline.h"
#include "plots/frequency_axis.h"
#include "toolkit/coffscreencontext.h"

using namespace VSTGUI;

namespace {

// The first grid step is drawn darker, so the line's start at 20 Hz stands out
// against the grid's left edge.
constexpr CColor kStartColour{80, 80, 80, 255};
constexpr CColor kFirstStepColour{100, 100, 100, 255};
constexpr CColor kLineColour{127, 127, 127, 255};
constexpr CCoord kLineWidth = 2;

}  // namespace

FreqPlot::FreqPlot(const CRect& rect, CFrame* frame) : CView(rect), frame_(frame) {
  setMouseEnabled(false);
}

void FreqPlot::drawRect(CDrawContext* context, const CRect& /*updateRect*/) {
  if (curve_ != nullptr) {
    const CCoord height = getHeight();
    auto pointAt = [&](int k) {
      return CPoint(frequency_axis::kGridSpacing * k, height * curve_[k]);
    };
    COffscreenContext* surface = COffscreenContext::create(frame_, getWidth(), height);
    surface->setDrawMode(kAntiAliasing);
    FinitePolyline line(surface);
    line.start(pointAt(0));
    surface->beginDraw();
    surface->setLineWidth(kLineWidth);
    surface->setFrameColor(kStartColour);
    line.to(pointAt(0));
    surface->setFrameColor(kFirstStepColour);
    line.to(pointAt(1));
    surface->setFrameColor(kLineColour);
    for (int k = 2; k < frequency_axis::kGridPoints; ++k) line.to(pointAt(k));
    surface->endDraw();
    surface->copyFrom(context, size);
    surface->forget();
  }
  CView::draw(context);
}
