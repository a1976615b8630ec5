#include "plots/finite_polyline.h"

#include <cmath>

namespace {

bool isFinite(const VSTGUI::CPoint& point) {
  return std::isfinite(point.x) && std::isfinite(point.y);
}

}  // namespace

void FinitePolyline::start(const VSTGUI::CPoint& point) {
  hasPen_ = isFinite(point);
  if (hasPen_) context_->moveTo(point);
}

void FinitePolyline::to(const VSTGUI::CPoint& point) {
  if (!isFinite(point)) {
    hasPen_ = false;
  } else if (hasPen_) {
    context_->lineTo(point);
  } else {
    start(point);
  }
}
