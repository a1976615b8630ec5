// The graph's display curve against an evaluation of its own: the cubic Hermite
// segments with the same knot slopes, written here in Hermite form.

#include "plots/display_curve.h"

#include <cmath>

#include "plots/frequency_axis.h"
#include "tests/plots/graph_fixture.h"

namespace plots_test {
namespace {

double hermite(double u, double ua, double ya, double sa, double ub, double yb, double sb) {
  const double h = ub - ua, t = (u - ua) / h;
  const double t2 = t * t, t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * ya + (t3 - 2 * t2 + t) * h * sa + (-2 * t3 + 3 * t2) * yb +
         (t3 - t2) * h * sb;
}

// The curve at grid position k for points (x, weight), with knots at x + 1.
double reference(int k, const DisplayPoint (&p)[3]) {
  if (k < p[0].x) return p[0].weight;
  if (k > p[2].x) return p[2].weight;
  const double u[3] = {p[0].x + 1, p[1].x + 1, p[2].x + 1};
  const double s1l = (p[1].weight - p[0].weight) / (u[1] - u[0]);
  const double s1r = (p[2].weight - p[1].weight) / (u[2] - u[1]);
  const double slope = s1l * s1r > 0 ? 2 / (1 / s1l + 1 / s1r) : 0;
  const double at = k + 1;
  if (at <= u[1]) return hermite(at, u[0], p[0].weight, 0, u[1], p[1].weight, slope);
  return hermite(at, u[1], p[1].weight, slope, u[2], p[2].weight, 0);
}

void expectMatchesReference(const double* curve, const DisplayPoint (&points)[3]) {
  for (int k = 0; k < frequency_axis::kGridPoints; ++k)
    EXPECT_NEAR(curve[k], reference(k, points), 1e-9) << k;
}

TEST_F(GraphTest, DefaultTypesGiveAFlatCardioidCurve) {
  const double* curve = graph->getCurve();
  for (int k = 0; k < frequency_axis::kGridPoints; ++k) EXPECT_DOUBLE_EQ(curve[k], 0.5);
  for (int index = 0; index < FreqGraph::kPolarPlotCount; ++index)
    EXPECT_FLOAT_EQ(graph->getPolarPlot(index)->getWeight(), 0.5f);
}

TEST_F(GraphTest, OmniLowFigureEightHighRisesMonotonicallyThroughTheMidPoint) {
  automate(kLowType, 1);
  automate(kMidType, 0.5);
  automate(kHighType, 0);
  const DisplayPoint points[3] = {graph->getPoint(FreqGraph::kLow),
                                  graph->getPoint(FreqGraph::kMid),
                                  graph->getPoint(FreqGraph::kHigh)};
  EXPECT_DOUBLE_EQ(points[0].weight, 0);
  EXPECT_DOUBLE_EQ(points[2].weight, 1);
  const double* curve = graph->getCurve();
  expectMatchesReference(curve, points);
  for (int k = 1; k < frequency_axis::kGridPoints; ++k) EXPECT_GE(curve[k], curve[k - 1]) << k;
  EXPECT_DOUBLE_EQ(curve[0], 0);
  EXPECT_DOUBLE_EQ(curve[145], 1);
}

TEST(DisplayCurve, MatchesTheReferenceForPeaksDipsAndPlateaus) {
  const DisplayPoint cases[][3] = {
      {{10, 0}, {60, 1}, {120, 0}},       // a peak: flat at the Mid point
      {{5, 0.7}, {70, 0.7}, {130, 0.2}},  // a plateau, then an S-shaped fall
      {{33.8, 0.1}, {48.3, 0.9}, {116, 1}},
  };
  double curve[frequency_axis::kGridPoints];
  for (const auto& points : cases) {
    computeDisplayCurve(curve, points);
    expectMatchesReference(curve, points);
    for (int k = 0; k < frequency_axis::kGridPoints; ++k) {
      EXPECT_GE(curve[k], 0 - 1e-12);
      EXPECT_LE(curve[k], 1 + 1e-12);
    }
  }
}

TEST(DisplayCurve, PointsOutOfOrderStillGiveAFiniteCurve) {
  const DisplayPoint points[3] = {{80, 0.2}, {40, 0.9}, {40, 0.1}};
  double curve[frequency_axis::kGridPoints];
  computeDisplayCurve(curve, points);
  for (double value : curve) EXPECT_TRUE(std::isfinite(value));
}

}  // namespace
}  // namespace plots_test
