#include "plots/display_curve.h"

#include "processor/constrained_spline.h"

namespace {

// The interpolation coordinate: the grid position plus one.
double knotU(const DisplayPoint& point) { return point.x + 1.0; }

spline::Knot knotAt(const DisplayPoint (&points)[kDisplayPointCount], int k) {
  double slope = 0.0;  // flat at both ends
  if (k == 1) {
    slope = spline::innerSlope(
        knotU(points[1]) - knotU(points[0]), points[1].weight - points[0].weight,
        knotU(points[2]) - knotU(points[1]), points[2].weight - points[1].weight);
  }
  return {knotU(points[k]), points[k].weight, slope};
}

}  // namespace

void computeDisplayCurve(double* curve, const DisplayPoint (&points)[kDisplayPointCount]) {
  const DisplayPoint& first = points[0];
  const DisplayPoint& last = points[kDisplayPointCount - 1];
  int segmentEnd = 0;  // the current segment's right knot; 0 until the first is set up
  spline::Knot left{}, right{};
  spline::Cubic cubic;

  for (int k = 0; k < frequency_axis::kGridPoints; ++k) {
    const double position = k;
    if (first.x > position) {
      curve[k] = first.weight;
      continue;
    }
    if (position > last.x) {
      curve[k] = last.weight;
      continue;
    }
    const double u = position + 1.0;
    if (segmentEnd == 0) {
      segmentEnd = 1;
      left = knotAt(points, 0);
      right = knotAt(points, 1);
      cubic = spline::segmentCubic(left, right);
    } else if (u > right.u && segmentEnd < kDisplayPointCount - 1) {
      ++segmentEnd;
      left = right;
      right = knotAt(points, segmentEnd);
      cubic = spline::segmentCubic(left, right);
    }
    curve[k] = cubic.at(u);
  }
}
