// Whatever a host or the data sends, the handles stay inside their limits, the curve
// stays finite, and the plots draw only what they can read.

#include <cmath>
#include <limits>
#include <vector>

#include "tests/plots/graph_fixture.h"
#include "tests/plots/pixel_checks.h"

namespace plots_test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

void expectSane(FreqGraph& graph) {
  for (FreqGraph::Handle which : {FreqGraph::kLow, FreqGraph::kMid, FreqGraph::kHigh}) {
    const GraphControl& control = *graph.getHandle(which);
    const CRect& limits = control.getLimits();
    // Positions pass through single precision, so "on the limit" is within its rounding.
    constexpr double kRounding = 1e-4;
    EXPECT_GE(control.getCenter().x, limits.left - kRounding);
    EXPECT_LE(control.getCenter().x, limits.right + kRounding);
    EXPECT_GE(control.getCenter().y, limits.top - kRounding);
    EXPECT_LE(control.getCenter().y, limits.bottom + kRounding);
  }
  for (int k = 0; k < frequency_axis::kGridPoints; ++k)
    EXPECT_TRUE(std::isfinite(graph.getCurve()[k])) << k;
}

TEST_F(GraphTest, AnyValueFromTheHostOrTheViewKeepsHandlesInsideAndTheCurveFinite) {
  for (float value : {kNaN, kInfinity, -kInfinity, 1e30f, -1e30f, 0.f, 25000.f}) {
    for (int32_t tag = 0; tag < 6; ++tag) {
      SCOPED_TRACE(tag);
      graph->updateParameter(tag, value);  // as a view would pass it on
      expectSane(*graph);
      controller->setParamNormalized(static_cast<Steinberg::Vst::ParamID>(tag), value);
      expectSane(*graph);
    }
    pixel(0, 0);
  }
}

TEST_F(GraphTest, ShortOrUnreadableResponsesLeaveOutTheirLines) {
  const MicrophoneRecord* shippedOmni = microphones->getMicrophone(6, 0);
  ASSERT_NE(shippedOmni, nullptr);
  MicrophoneRecord eight = *microphones->getMicrophone(7, 0);
  graph->setMicrophone(6, shippedOmni);
  graph->setMicrophone(7, &eight);
  graph->setProximityCompensation(true);
  writePicture("graph_shipped_data");
  int inkWithData = 0;
  for (int y = 0; y < 290; ++y) inkWithData = std::max(inkWithData, inkOf(pixel(400, y)));
  EXPECT_GT(inkWithData, 150);

  eight.diffusefield.resize(100);  // shorter than the omni free-field response
  graph->setMicrophone(7, &eight);
  pixel(0, 0);
  eight = *microphones->getMicrophone(7, 0);
  eight.freefield[40].level = std::numeric_limits<double>::quiet_NaN();
  graph->setMicrophone(7, &eight);
  pixel(0, 0);
  MicrophoneRecord shortPolar = eight;
  shortPolar.polar100Hz.assign(3, std::numeric_limits<double>::infinity());
  graph->setMicrophone(7, &shortPolar);
  pixel(0, 0);
  // Only the curve plot's grey is left on the right half: no blue response lines.
  for (int y = 0; y < 290; ++y) {
    const CColor colour = pixel(400, y);
    EXPECT_LE(std::abs(colour.blue - colour.red), 10) << y;
  }
}

}  // namespace
}  // namespace plots_test
