// The polar plot by pixels: the ideal patterns without data, the shipped data at
// 100 Hz for w = 0 and w = 1, and the sample-count rule.

#include "plots/polar_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "micdata/microphone_data.h"
#include "tests/plots/pixel_checks.h"
#include "toolkit/toolkit_fixture.h"

namespace plots_test {
using namespace VSTGUI;
namespace {

class PolarPlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_.get()->setBackgroundColor(kWhiteCColor);
    plot = new PolarPlot(CRect(10, 10, 130, 130), frame_.get());
    frame_->addView(plot);
    microphones = acquireMicrophoneData();
  }
  void TearDown() override { releaseMicrophoneData(microphones); }

  // Ink near the point at `radius` pixels from the centre, at `degrees` clockwise from up.
  int inkAt(double degrees, double radius) {
    const double theta = degrees * std::numbers::pi / 180;
    const int x = static_cast<int>(std::floor(70 + std::sin(theta) * radius));
    const int y = static_cast<int>(std::floor(70 - std::cos(theta) * radius));
    int ink = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) ink = std::max(ink, inkOf(frame_.pixel(x + dx, y + dy)));
    return ink;
  }
  void redraw() { plot->setDirty(true); }

  toolkit_test::OffscreenFrame frame_{CRect(0, 0, 140, 140)};
  PolarPlot* plot = nullptr;
  MicrophoneData* microphones = nullptr;
};

constexpr int kLit = 60;
constexpr int kBlank = 5;

TEST_F(PolarPlotTest, WithoutDataDrawsTheIdealCircleCardioidAndFigureEight) {
  plot->setWeight(0);
  redraw();
  for (double degrees : {0.0, 90.0, 180.0, 270.0}) EXPECT_GT(inkAt(degrees, 58), kLit) << degrees;
  EXPECT_LT(inkAt(0, 40), kBlank);
  EXPECT_EQ(plot->getSampleCount(), 64);

  plot->setWeight(0.5f);
  redraw();
  EXPECT_GT(inkAt(0, 58), kLit);
  EXPECT_GT(inkAt(90, 29), kLit);
  EXPECT_LT(inkAt(180, 40), kBlank);  // the cardioid's null at the rear

  plot->setWeight(1);
  redraw();
  EXPECT_GT(inkAt(0, 58), kLit);
  EXPECT_GT(inkAt(180, 58), kLit);
  EXPECT_LT(inkAt(90, 40), kBlank);
  EXPECT_LT(inkAt(270, 40), kBlank);
}

TEST_F(PolarPlotTest, ShippedDataAt100HzForOmniOnlyAndFigureEightOnly) {
  const MicrophoneRecord* omni = microphones->getMicrophone(6, 0);
  const MicrophoneRecord* eight = microphones->getMicrophone(7, 0);
  ASSERT_NE(omni, nullptr);
  ASSERT_NE(eight, nullptr);
  plot->setPolarData(PolarPlot::kOmniData, &omni->polar100Hz);
  EXPECT_EQ(plot->getSampleCount(), 64);  // the ideal pattern until both are set
  plot->setPolarData(PolarPlot::kEightData, &eight->polar100Hz);
  EXPECT_EQ(plot->getSampleCount(), 36);

  plot->setWeight(0);
  redraw();
  EXPECT_GT(inkAt(0, 58 * std::fabs(omni->polar100Hz[0])), kLit);
  EXPECT_GT(inkAt(90, 58 * std::fabs(omni->polar100Hz[9])), kLit);

  plot->setWeight(1);
  redraw();
  EXPECT_GT(inkAt(0, 58 * std::fabs(eight->polar100Hz[0])), kLit);
  EXPECT_GT(inkAt(180, 58 * std::fabs(eight->polar100Hz[18])), kLit);
  EXPECT_LT(inkAt(90, 40), kBlank);  // the two lobes touch at the centre
  EXPECT_GT(inkAt(0, 0), kLit);
}

TEST_F(PolarPlotTest, TheShorterListSetsTheCountAndSpreadsOverTheFullCircle) {
  const std::vector<double> omni(36, 1.0);
  std::vector<double> eight(30, 0.0);
  plot->setPolarData(PolarPlot::kOmniData, &omni);
  plot->setPolarData(PolarPlot::kEightData, &eight);
  EXPECT_EQ(plot->getSampleCount(), 30);
  plot->setWeight(0);
  redraw();
  // 30 points 12 degrees apart close a full circle of radius 58.
  for (double degrees = 0; degrees < 360; degrees += 12)
    EXPECT_GT(inkAt(degrees, 58), kLit) << degrees;

  const std::vector<double> empty;
  plot->setPolarData(PolarPlot::kEightData, &empty);  // no data again: the ideal pattern
  EXPECT_EQ(plot->getSampleCount(), 30);
  redraw();
  frame_.pixel(0, 0);
  EXPECT_EQ(plot->getSampleCount(), 64);
}

}  // namespace
}  // namespace plots_test
