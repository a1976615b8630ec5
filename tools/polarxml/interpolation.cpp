#include "tools/polarxml/interpolation.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace polarxml {

CosinePattern::CosinePattern(const std::array<double, kNodes>& values) : values_(values) {
  constexpr std::size_t n = kNodes - 1;  // intervals between 0 and 180 degrees
  for (std::size_t j = 0; j <= n; ++j) {
    double sum = 0.0;
    for (std::size_t i = 0; i <= n; ++i) {
      const double weight = (i == 0 || i == n) ? 0.5 : 1.0;
      sum += weight * values[i] * std::cos(std::numbers::pi * static_cast<double>(i * j) / n);
    }
    const double weight = (j == 0 || j == n) ? 0.5 : 1.0;
    coefficients_[j] = weight * 2.0 / n * sum;
  }
}

double CosinePattern::at(double degrees) const {
  const double folded = std::fabs(std::remainder(degrees, 360.0));
  const double node = folded / kNodeStepDegrees;
  if (node == std::floor(node)) return values_[static_cast<std::size_t>(node)];
  const double radians = folded * std::numbers::pi / 180.0;
  double value = 0.0;
  for (std::size_t j = 0; j < kNodes; ++j)
    value += coefficients_[j] * std::cos(static_cast<double>(j) * radians);
  return value;
}

namespace {

double sign(double value) { return (value > 0.0) - (value < 0.0); }

// One-sided slope at an end node from the two nearest intervals, kept from
// overshooting the way the interior slopes are.
double endSlope(double hNear, double hFar, double deltaNear, double deltaFar) {
  const double slope = ((2.0 * hNear + hFar) * deltaNear - hNear * deltaFar) / (hNear + hFar);
  if (sign(slope) != sign(deltaNear)) return 0.0;
  if (sign(deltaNear) != sign(deltaFar) && std::fabs(slope) > 3.0 * std::fabs(deltaNear))
    return 3.0 * deltaNear;
  return slope;
}

}  // namespace

MonotoneCubic::MonotoneCubic(std::vector<double> x, std::vector<double> y)
    : x_(std::move(x)), y_(std::move(y)), slopes_(x_.size(), 0.0) {
  const std::size_t n = x_.size();
  if (n < 2) return;
  std::vector<double> h(n - 1), delta(n - 1);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    h[i] = x_[i + 1] - x_[i];
    delta[i] = (y_[i + 1] - y_[i]) / h[i];
  }
  if (n == 2) {
    slopes_[0] = slopes_[1] = delta[0];
    return;
  }
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (delta[i - 1] * delta[i] <= 0.0) continue;  // a turning point or a flat: level slope
    const double w1 = 2.0 * h[i] + h[i - 1];
    const double w2 = h[i] + 2.0 * h[i - 1];
    slopes_[i] = (w1 + w2) / (w1 / delta[i - 1] + w2 / delta[i]);
  }
  slopes_[0] = endSlope(h[0], h[1], delta[0], delta[1]);
  slopes_[n - 1] = endSlope(h[n - 2], h[n - 3], delta[n - 2], delta[n - 3]);
}

double MonotoneCubic::at(double x) const {
  if (x_.empty()) return 0.0;
  if (x <= x_.front()) return y_.front();
  if (x >= x_.back()) return y_.back();
  std::size_t i = 0;
  while (x >= x_[i + 1]) ++i;
  if (x == x_[i]) return y_[i];
  const double h = x_[i + 1] - x_[i];
  const double t = (x - x_[i]) / h;
  const double t2 = t * t;
  const double t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * y_[i] + (t3 - 2 * t2 + t) * h * slopes_[i] +
         (-2 * t3 + 3 * t2) * y_[i + 1] + (t3 - t2) * h * slopes_[i + 1];
}

}  // namespace polarxml
