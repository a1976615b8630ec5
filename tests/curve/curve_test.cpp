#include "processor/curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "curve_reference.h"

namespace {

using curve_test::engineCurve;
using curve_test::kBinCount;
using curve_test::pointAt;
using curve_test::ReferenceSpline;

// dy/du at bin k from the curve at bins k, k1 and k2 (derivative of the parabola
// through them, in u = log10(bin + 1)). With k1 and k2 on one side of k it sees only
// the segment on that side.
double slopeAtBin(const std::vector<double>& curve, int k, int k1, int k2) {
  const double x0 = std::log10(k + 1.0), x1 = std::log10(k1 + 1.0), x2 = std::log10(k2 + 1.0);
  return curve[k] * (2 * x0 - x1 - x2) / ((x0 - x1) * (x0 - x2)) +
         curve[k1] * (x0 - x2) / ((x1 - x0) * (x1 - x2)) +
         curve[k2] * (x0 - x1) / ((x2 - x0) * (x2 - x1));
}

TEST(Curve, LeavesTheCurveUntouchedWithoutBinsOrPoints) {
  const std::vector<ControlPoint> points = {{10, 1}, {100, 0.5}, {1000, 0}};
  std::vector<double> curve(8, 42.0);
  computeCurve(curve.data(), points.data(), 3, 0);
  computeCurve(curve.data(), points.data(), 3, -4);
  computeCurve(curve.data(), points.data(), 0, 8);
  computeCurve(curve.data(), points.data(), -1, 8);
  computeCurve(curve.data(), nullptr, 3, 8);
  computeCurve(nullptr, points.data(), 3, 8);
  for (double value : curve) EXPECT_EQ(value, 42.0);
}

TEST(Curve, DefaultTypesGiveAFlatCardioidWhateverTheFrequencies) {
  for (double rate : {44100.0, 48000.0, 96000.0}) {
    for (const auto& [low, mid, high] :
         {std::tuple{50.0, 1000.0, 10000.0}, std::tuple{20.0, 3000.0, 5000.0},
          std::tuple{100.0, 200.0, 20000.0}}) {
      const auto curve =
          engineCurve({pointAt(low, 0.5, rate), pointAt(mid, 0.5, rate), pointAt(high, 0.5, rate)});
      for (int i = 0; i < kBinCount; ++i) ASSERT_EQ(curve[i], 0.5) << rate << " Hz, bin " << i;
    }
  }
}

TEST(Curve, OuterBinsHoldTheOuterTypesExactly) {
  const std::vector<ControlPoint> points = {pointAt(100, 0.83, 48000), pointAt(1000, 0.2, 48000),
                                            pointAt(5000, 0.61, 48000)};
  const auto curve = engineCurve(points);
  for (int i = 0; i < kBinCount; ++i) {
    if (i < points[0].position) {
      ASSERT_EQ(curve[i], 0.83) << i;
    } else if (i > points[2].position) {
      ASSERT_EQ(curve[i], 0.61) << i;
    }
  }
}

// Mid at 1500 Hz / 48 kHz sits exactly on bin 256.
TEST(Curve, FallingSettingPassesTheMidTypeWithTheHarmonicMeanSlope) {
  const std::vector<ControlPoint> points = {pointAt(50, 1, 48000), pointAt(1500, 0.5, 48000),
                                            pointAt(10000, 0, 48000)};
  ASSERT_EQ(points[1].position, 256.0);
  const auto curve = engineCurve(points);
  EXPECT_EQ(curve[0], 1.0);
  EXPECT_EQ(curve[kBinCount - 1], 0.0);
  for (int i = 1; i < kBinCount; ++i) ASSERT_LE(curve[i], curve[i - 1]) << i;
  EXPECT_NEAR(curve[256], 0.5, 1e-12);

  const double du1 = std::log10(257.0) - std::log10(points[0].position + 1);
  const double du2 = std::log10(points[2].position + 1) - std::log10(257.0);
  const double expectedSlope = 2.0 / (du1 / -0.5 + du2 / -0.5);
  EXPECT_NEAR(slopeAtBin(curve, 256, 255, 254), expectedSlope, 2e-3 * std::fabs(expectedSlope));
  EXPECT_NEAR(slopeAtBin(curve, 256, 257, 258), expectedSlope, 2e-3 * std::fabs(expectedSlope));
}

TEST(Curve, MidPositionAt44100IsFractionalAndTheCurveCrossesThere) {
  const std::vector<ControlPoint> points = {pointAt(50, 1, 44100), pointAt(1000, 0.5, 44100),
                                            pointAt(10000, 0, 44100)};
  EXPECT_NEAR(points[1].position, 185.76, 0.005);
  const auto curve = engineCurve(points);
  EXPECT_GT(curve[185], 0.5);
  EXPECT_LT(curve[186], 0.5);
}

TEST(Curve, PeakAtTheMidIsAFlatMaximumThatNeverExceedsItsType) {
  const std::vector<ControlPoint> points = {pointAt(50, 0, 48000), pointAt(1500, 1, 48000),
                                            pointAt(10000, 0, 48000)};
  const auto curve = engineCurve(points);
  for (int i = 0; i < kBinCount; ++i) ASSERT_LE(curve[i], 1.0) << i;
  EXPECT_NEAR(curve[256], 1.0, 1e-12);
  // Zero slope: the distance below the peak grows with the square of the distance
  // from it (four times as far down at twice the distance), on both sides.
  const double below1 = 1.0 - curve[255], below2 = 1.0 - curve[254];
  const double above1 = 1.0 - curve[257], above2 = 1.0 - curve[258];
  EXPECT_GT(below1, 0.0);
  EXPECT_GT(above1, 0.0);
  EXPECT_NEAR(below2 / below1, 4.0, 0.2);
  EXPECT_NEAR(above2 / above1, 4.0, 0.2);
}

TEST(Curve, EqualLowAndMidTypesGiveAFlatStretchThenAnSShapedRise) {
  const std::vector<ControlPoint> points = {pointAt(50, 0.3, 48000), pointAt(1500, 0.3, 48000),
                                            pointAt(6000, 0.8, 48000)};
  ASSERT_EQ(points[2].position, 1024.0);
  const auto curve = engineCurve(points);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(curve[i], 0.3) << i;
  EXPECT_NEAR(curve[256], 0.3, 1e-12);
  for (int i = 257; i <= 1024; ++i) ASSERT_GT(curve[i], curve[i - 1]) << i;
  EXPECT_NEAR(curve[1024], 0.8, 1e-12);
  // Flat at both ends: the step between neighbours starts and ends near zero and is
  // largest in between (a single inflection).
  int steepest = 257;
  for (int i = 257; i <= 1024; ++i)
    if (curve[i] - curve[i - 1] > curve[steepest] - curve[steepest - 1]) steepest = i;
  EXPECT_GT(steepest, 300);
  EXPECT_LT(steepest, 1000);
  const double largestStep = curve[steepest] - curve[steepest - 1];
  EXPECT_LT(curve[257] - curve[256], 0.01 * largestStep);
  EXPECT_LT(curve[1024] - curve[1023], 0.01 * largestStep);
  for (int i = 258; i <= steepest; ++i)
    ASSERT_GE(curve[i] - curve[i - 1], curve[i - 1] - curve[i - 2]) << i;
  for (int i = steepest + 1; i <= 1024; ++i)
    ASSERT_LE(curve[i] - curve[i - 1], curve[i - 1] - curve[i - 2]) << i;
}

// A last point exactly on a bin: in single precision the bin's log position may round
// above the point's, which must not move the curve past its last segment. The points
// live in an array of exactly three so that the sanitizer builds catch a read beyond.
TEST(Curve, LastPointOnABinNeverReadsPastThePoints) {
  int roundedAbove = 0;
  for (int last = 500; last + 1 < kBinCount; ++last) {
    if (std::log10(static_cast<float>(last + 1)) > std::log10(last + 1.0)) ++roundedAbove;
    const auto points = std::make_unique<ControlPoint[]>(3);
    points[0] = {10.0, 0.9};
    points[1] = {100.0, 0.4};
    points[2] = {static_cast<double>(last), 0.1};
    std::vector<double> curve(kBinCount);
    computeCurve(curve.data(), points.get(), 3, kBinCount);
    ASSERT_NEAR(curve[last], 0.1, 1e-12) << last;
    ASSERT_EQ(curve[last + 1], 0.1) << last;
  }
  EXPECT_GT(roundedAbove, 0) << "no bin exercised the rounding";
}

TEST(Curve, OnePointGivesAFlatCurve) {
  const std::vector<ControlPoint> points = {{300.0, 0.7}};
  for (double value : engineCurve(points)) ASSERT_EQ(value, 0.7);
}

TEST(Curve, TwoPointsGiveASingleFlatEndedSegment) {
  const std::vector<ControlPoint> points = {{20.0, 0.0}, {2000.0, 1.0}};
  const auto curve = engineCurve(points);
  const ReferenceSpline reference(points);
  for (int i = 0; i < kBinCount; ++i) ASSERT_NEAR(curve[i], reference.at(i), 1e-9) << i;
  for (int i = 21; i <= 2000; ++i) ASSERT_GT(curve[i], curve[i - 1]) << i;
  EXPECT_EQ(curve[2001], 1.0);
}

TEST(Curve, ManyPointsFollowTheSameRules) {
  const std::vector<ControlPoint> points = {
      {3.0, 1.0}, {30.0, 0.2}, {150.0, 0.6}, {600.0, 0.6}, {2500.0, 0.0}};
  const auto curve = engineCurve(points);
  const ReferenceSpline reference(points);
  for (int i = 0; i < kBinCount; ++i) {
    ASSERT_NEAR(curve[i], reference.at(i), 1e-9) << i;
    ASSERT_GE(curve[i], 0.0) << i;
    ASSERT_LE(curve[i], 1.0) << i;
  }
  for (int i = 151; i <= 600; ++i) ASSERT_NEAR(curve[i], 0.6, 1e-12) << i;
}

// Points closer together than a bin are passed over rather than evaluated beyond
// their segment, which would overshoot.
TEST(Curve, PointsCloserThanABinNeverOvershoot) {
  const std::vector<ControlPoint> points = {
      {10.0, 0.0}, {10.2, 1.0}, {10.4, 0.0}, {10.6, 1.0}, {40.0, 0.0}};
  const auto curve = engineCurve(points);
  for (int i = 0; i < kBinCount; ++i) {
    ASSERT_GE(curve[i], 0.0) << i;
    ASSERT_LE(curve[i], 1.0) << i;
  }
  for (int i = 12; i <= 40; ++i) ASSERT_LE(curve[i], curve[i - 1]) << i;
}

TEST(Curve, PointsOnTopOfEachOtherOrOutOfOrderStayFinite) {
  for (const auto& points : {std::vector<ControlPoint>{{50.0, 0.2}, {50.0, 0.9}, {50.0, 0.4}},
                             std::vector<ControlPoint>{{500.0, 0.2}, {50.0, 0.9}, {1000.0, 0.4}},
                             std::vector<ControlPoint>{{2000.0, 0.2}, {300.0, 0.9}, {30.0, 0.4}}}) {
    const auto curve = engineCurve(points);
    for (int i = 0; i < kBinCount; ++i) ASSERT_TRUE(std::isfinite(curve[i])) << i;
  }
}

}  // namespace
