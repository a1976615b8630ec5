#include "processor/curve.h"

#include <algorithm>
#include <cmath>

#include "processor/constrained_spline.h"
#include "processor/portable_math.h"

namespace {

// The coordinate the curve is interpolated over: even steps on a log-frequency axis,
// with bin 0 (DC) at 0.
double logPosition(double position) { return portable_math::log10(position + 1.0); }

using spline::Cubic;
using spline::Knot;
using spline::segmentCubic;

double innerSlope(const ControlPoint& before, const ControlPoint& point,
                  const ControlPoint& after) {
  return spline::innerSlope(
      logPosition(point.position) - logPosition(before.position), point.type - before.type,
      logPosition(after.position) - logPosition(point.position), after.type - point.type);
}

Knot knotAt(const ControlPoint* points, int pointCount, int k) {
  const bool isEnd = k == 0 || k == pointCount - 1;
  const double slope = isEnd ? 0.0 : innerSlope(points[k - 1], points[k], points[k + 1]);
  return {logPosition(points[k].position), points[k].type, slope};
}

}  // namespace

void computeCurve(double* curve, const ControlPoint* points, int pointCount, int binCount) {
  if (curve == nullptr || points == nullptr || pointCount < 1 || binCount < 1) return;
  if (pointCount == 1) {
    for (int i = 0; i < binCount; ++i) curve[i] = points[0].type;
    return;
  }

  // The slopes keep every segment between the types of its points; the power form
  // can still round a hair beyond a type at a peak, a dip or an end, which must not
  // take the weight past the types the user set (such as above 1, omni).
  double lowestType = points[0].type, highestType = points[0].type;
  for (int k = 1; k < pointCount; ++k) {
    lowestType = std::min(lowestType, points[k].type);
    highestType = std::max(highestType, points[k].type);
  }

  const ControlPoint& first = points[0];
  const ControlPoint& last = points[pointCount - 1];
  int segmentEnd = 1;  // index of the current segment's right point
  Knot left = knotAt(points, pointCount, 0);
  Knot right = knotAt(points, pointCount, segmentEnd);
  Cubic cubic = segmentCubic(left, right);

  for (int i = 0; i < binCount; ++i) {
    const double bin = i;
    if (bin < first.position) {
      curve[i] = first.type;
      continue;
    }
    if (bin > last.position) {
      curve[i] = last.type;
      continue;
    }
    // The move to the next segment compares in single precision, which is part of
    // the curve's definition: a bin within rounding of a point may still use the
    // segment on the other side; both agree there to far below audibility. The move stops at the
    // last segment (rounding may carry a bin just short of the last point past it),
    // and passes over segments narrower than a bin, which would otherwise be
    // evaluated beyond their ends and overshoot.
    const float coarseU = static_cast<float>(portable_math::log10(static_cast<float>(bin + 1.0)));
    while (segmentEnd < pointCount - 1 && coarseU > right.u) {
      ++segmentEnd;
      left = right;
      right = knotAt(points, pointCount, segmentEnd);
      cubic = segmentCubic(left, right);
    }
    curve[i] = std::clamp(cubic.at(logPosition(bin)), lowestType, highestType);
  }
}
