#include "curve_reference.h"

#include <cmath>
#include <utility>

namespace curve_test {

ControlPoint pointAt(double frequency, double type, double sampleRate) {
  return {frequency / sampleRate * kFftSize, type};
}

std::vector<double> engineCurve(const std::vector<ControlPoint>& points) {
  std::vector<double> curve(kBinCount, -1.0);
  computeCurve(curve.data(), points.data(), static_cast<int>(points.size()), kBinCount);
  return curve;
}

ReferenceSpline::ReferenceSpline(std::vector<ControlPoint> points) : points_(std::move(points)) {
  const int n = static_cast<int>(points_.size());
  for (const auto& p : points_) u_.push_back(std::log10(p.position + 1.0));
  slopes_.assign(n, 0.0);
  for (int k = 1; k + 1 < n; ++k) {
    const double leftSlope = (points_[k].type - points_[k - 1].type) / (u_[k] - u_[k - 1]);
    const double rightSlope = (points_[k + 1].type - points_[k].type) / (u_[k + 1] - u_[k]);
    // Same direction on both sides: the harmonic mean of the secants; a peak, a dip
    // or a flat side: zero.
    if (leftSlope * rightSlope > 0.0)
      slopes_[k] = 2.0 * leftSlope * rightSlope / (leftSlope + rightSlope);
  }
}

double ReferenceSpline::at(double bin) const {
  const int n = static_cast<int>(points_.size());
  if (bin < points_.front().position) return points_.front().type;
  if (bin > points_.back().position) return points_.back().type;
  int k = 1;
  while (k < n - 1 && bin > points_[k].position) ++k;
  const double width = u_[k] - u_[k - 1];
  const double t = (std::log10(bin + 1.0) - u_[k - 1]) / width;
  const double t2 = t * t, t3 = t2 * t;
  const double h00 = 2 * t3 - 3 * t2 + 1, h10 = t3 - 2 * t2 + t, h01 = -2 * t3 + 3 * t2,
               h11 = t3 - t2;
  return h00 * points_[k - 1].type + h10 * width * slopes_[k - 1] + h01 * points_[k].type +
         h11 * width * slopes_[k];
}

}  // namespace curve_test
