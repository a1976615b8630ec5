#pragma once
// The constrained cubic spline that both the engine's per-bin curve and the editor's
// display curve are made of: cubic segments through neighbouring knots whose slopes
// keep every segment between the values of its two knots, so the curve never
// overshoots. The two curves differ only in the coordinate they interpolate over.

namespace spline {

struct Knot {
  double u;      // position on the interpolation coordinate
  double value;  // the curve's value at the knot
  double slope;  // d value / du
};

// The slope at an inner knot, given the widths and rises of the segments to its left
// (du1, dy1) and right (du2, dy2). Zero at a peak or a dip, so the knot is a flat
// extremum; otherwise the harmonic mean of the two segment slopes, which keeps both
// segments monotone.
inline double innerSlope(double du1, double dy1, double du2, double dy2) {
  if (dy1 == 0.0 || dy2 == 0.0) return 0.0;
  const double harmonicDenominator = du1 / dy1 + du2 / dy2;
  if (harmonicDenominator == 0.0 || dy1 * dy2 < 0.0) return 0.0;
  return 2.0 / harmonicDenominator;
}

struct Cubic {
  double a = 0.0, b = 0.0, c = 0.0, d = 0.0;
  double at(double u) const { return a + b * u + c * u * u + d * u * u * u; }
};

// The cubic through both knots with their slopes, in power form, built from the
// second derivatives it needs at either end.
inline Cubic segmentCubic(const Knot& left, const Knot& right) {
  const double du = right.u - left.u;
  const double dy = right.value - left.value;
  // Knots out of order or on top of each other leave no width to interpolate over;
  // holding the right value keeps every result finite.
  if (!(du > 0.0)) return Cubic{right.value, 0.0, 0.0, 0.0};

  const double secondAtLeft = -2.0 * (right.slope + 2.0 * left.slope) / du + 6.0 * dy / (du * du);
  const double secondAtRight = 2.0 * (2.0 * right.slope + left.slope) / du - 6.0 * dy / (du * du);
  const double ua = left.u, ub = right.u;
  Cubic cubic;
  cubic.d = (secondAtRight - secondAtLeft) / (6.0 * du);
  cubic.c = (ub * secondAtLeft - ua * secondAtRight) / (2.0 * du);
  cubic.b = (dy - cubic.c * (ub * ub - ua * ua) - cubic.d * (ub * ub * ub - ua * ua * ua)) / du;
  cubic.a = left.value - cubic.b * ua - cubic.c * ua * ua - cubic.d * ua * ua * ua;
  return cubic;
}

}  // namespace spline
