// The curve plot and the response plot by pixels, each in a frame of its own.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/diagnostics.h"
#include "plots/freq_db_plot.h"
#include "plots/freq_plot.h"
#include "plots/frequency_axis.h"
#include "tests/plots/pixel_checks.h"
#include "toolkit/toolkit_fixture.h"

namespace plots_test {
using namespace VSTGUI;
namespace {

constexpr int kGrid = frequency_axis::kGridPoints;

// The darkest pixel of column x within a pixel of row y.
CColor darkestNear(toolkit_test::OffscreenFrame& frame, int x, double y) {
  CColor darkest = kWhiteCColor;
  for (int row = static_cast<int>(std::floor(y)) - 1; row <= static_cast<int>(std::floor(y)) + 1;
       ++row) {
    if (row < 0 || row >= 290) continue;
    const CColor colour = frame.pixel(x, row);
    if (inkOf(colour) > inkOf(darkest)) darkest = colour;
  }
  return darkest;
}

class FreqPlotsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame.get()->setBackgroundColor(kWhiteCColor);
    curve.assign(kGrid, 0.5);
  }
  toolkit_test::OffscreenFrame frame{CRect(0, 0, 580, 290)};
  std::vector<double> curve;
};

TEST_F(FreqPlotsTest, CurvePlotRunsFromTopToBottomWithADarkerFirstStep) {
  auto* plot = new FreqPlot(CRect(0, 0, 580, 290), frame.get());
  frame->addView(plot);
  plot->setCurve(curve.data());
  plot->setDirty(true);
  EXPECT_TRUE(isNear(frame.pixel(2, 144), CColor{100, 100, 100, 255}, 3));
  EXPECT_TRUE(isNear(frame.pixel(100, 144), CColor{127, 127, 127, 255}, 3));
  EXPECT_TRUE(isNear(frame.pixel(100, 140), kWhiteCColor, 0));

  for (int k = 0; k < kGrid; ++k) curve[k] = k / 145.0;
  plot->setDirty(true);
  for (int k : {10, 72, 140}) EXPECT_GT(inkOf(darkestNear(frame, 4 * k, 2.0 * k)), 100) << k;
  EXPECT_GT(inkOf(frame.pixel(1, 0)), 60);      // omni at the top edge
  EXPECT_GT(inkOf(frame.pixel(578, 289)), 60);  // figure-eight at the bottom edge
}

// A microphone of flat responses, in dB; the diffuse-field values are relative.
MicrophoneRecord flatMicrophone(const char* name, double freeField, double diffuseField) {
  MicrophoneRecord record;
  record.name = name;
  for (int k = 0; k < kGrid; ++k) {
    const double hz = xToFrequency(4.0 * k);
    record.freefield.push_back({hz, freeField});
    record.diffusefield.push_back({hz, diffuseField});
  }
  return record;
}

class FreqDbPlotTest : public FreqPlotsTest {
 protected:
  void SetUp() override {
    FreqPlotsTest::SetUp();
    plot = new FreqDbPlot(CRect(0, 0, 580, 290), frame.get());
    frame->addView(plot);
    plot->setCurve(curve.data());
  }
  void setCurve(double weight) {
    curve.assign(kGrid, weight);
    plot->setCurve(curve.data());
  }
  static double rowOf(double dB) { return 145 - dB * 7.25; }
  static double combined(double omni, double eight, double w) {
    return 20 * std::log10((1 - w) * std::pow(10, omni / 20) + w * std::pow(10, eight / 20));
  }
  FreqDbPlot* plot = nullptr;
};

TEST_F(FreqDbPlotTest, LevelsOfPlusAndMinus20DbLieOnTheEdges) {
  MicrophoneRecord loud = flatMicrophone("Loud", 20, 0), quiet = flatMicrophone("Quiet", -20, 0);
  plot->setMicrophone(FreqDbPlot::kOmniMicrophone, &loud);
  plot->setMicrophone(FreqDbPlot::kEightMicrophone, &quiet);
  setCurve(0);
  EXPECT_GT(inkOf(frame.pixel(300, 0)), 120);
  EXPECT_LT(inkOf(frame.pixel(300, 2)), 5);
  setCurve(1);
  EXPECT_GT(inkOf(frame.pixel(300, 289)), 120);
  EXPECT_LT(inkOf(frame.pixel(300, 287)), 5);
}

TEST_F(FreqDbPlotTest, FreeAndDiffuseFieldLinesForCurvesZeroHalfAndOne) {
  MicrophoneRecord omni = flatMicrophone("Omni", 6, -3), eight = flatMicrophone("Eight", -6, -9);
  plot->setMicrophone(FreqDbPlot::kOmniMicrophone, &omni);
  EXPECT_LT(inkOf(frame.pixel(300, static_cast<int>(rowOf(6)))), 5);  // one microphone: no lines
  plot->setMicrophone(FreqDbPlot::kEightMicrophone, &eight);
  for (double w : {0.0, 0.5, 1.0}) {
    SCOPED_TRACE(w);
    setCurve(w);
    const double freeRow = rowOf(combined(6, -6, w));
    const double diffuseRow = freeRow - combined(-3, -9, w) * 7.25;
    // Line B is nearly opaque blue; where it covers only part of a row it is lighter.
    const CColor freeField = darkestNear(frame, 300, freeRow);
    EXPECT_GT(freeField.blue, 230);
    EXPECT_LT(freeField.red, 80);
    const CColor diffuse = darkestNear(frame, 300, diffuseRow);
    EXPECT_GT(inkOf(diffuse), 60);
    EXPECT_GT(diffuse.blue, diffuse.red + 30);
    EXPECT_LT(inkOf(frame.pixel(300, static_cast<int>((freeRow + diffuseRow) / 2))), 5);
  }
}

TEST_F(FreqDbPlotTest, ProximityLineOnlyWithCompensationOnAndACurvePresent) {
  MicrophoneData* data = acquireMicrophoneData();
  const std::vector<double>* proximity = data->getFilterCurve("Rova E1");
  ASSERT_NE(proximity, nullptr);
  // Responses far below, so that only the proximity line lies near the middle.
  MicrophoneRecord omni = flatMicrophone("Omni", -15, 0), eight = flatMicrophone("Rova E1", -15, 0);
  plot->setMicrophone(FreqDbPlot::kOmniMicrophone, &omni);
  plot->setMicrophone(FreqDbPlot::kEightMicrophone, &eight);
  setCurve(0.5);
  const int k = 3;
  const double row = rowOf(0.5 * (*proximity)[k]);
  EXPECT_LT(inkOf(darkestNear(frame, 4 * k, row)), 5);
  plot->setProximityCompensation(true);
  const CColor line = darkestNear(frame, 4 * k, row);
  EXPECT_GT(inkOf(line), 15);
  EXPECT_LT(inkOf(line), 60);  // faint: (12, 12, 12, 40)

  // Curve 0: flat on the middle line.
  setCurve(0);
  EXPECT_GT(inkOf(darkestNear(frame, 4 * k, 145)), 15);

  // A figure-eight microphone the data has no curve for: no proximity line.
  MicrophoneRecord nameless = flatMicrophone("Nameless", -15, 0);
  plot->setMicrophone(FreqDbPlot::kEightMicrophone, &nameless);
  EXPECT_LT(inkOf(darkestNear(frame, 4 * k, 145)), 5);
  releaseMicrophoneData(data);
}

TEST_F(FreqDbPlotTest, MismatchedGridsAreReportedOncePerRedrawAndStillDrawn) {
  MicrophoneRecord omni = flatMicrophone("Omni", 0, 0), eight = flatMicrophone("Eight", 0, 0);
  for (auto& point : eight.freefield) point.frequency += 1;
  plot->setMicrophone(FreqDbPlot::kOmniMicrophone, &omni);
  plot->setMicrophone(FreqDbPlot::kEightMicrophone, &eight);
  diag::takeLines();
  EXPECT_GT(inkOf(darkestNear(frame, 300, 145)), 100);
  const std::vector<std::string> lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("Lobeshift: Error reading microphone data.", 0), 0u);
}

}  // namespace
}  // namespace plots_test
