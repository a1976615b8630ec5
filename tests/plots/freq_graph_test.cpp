// The graph with the real controller: handle positions for reported values, the
// group move and its echoes, host automation during it, hint texts and the gestures
// the host sees.

#include <cmath>
#include <string>

#include "plots/frequency_axis.h"
#include "tests/plots/graph_fixture.h"

namespace plots_test {
namespace {

using Kind = host::ComponentHandler::EditKind;

TEST_F(GraphTest, ReportedValuesPlaceTheHandlesWithinTheirLimits) {
  automate(kLowType, 1);
  EXPECT_DOUBLE_EQ(handle(FreqGraph::kLow).getCenter().y, 3);  // 2, clamped
  EXPECT_DOUBLE_EQ(graph->getPoint(FreqGraph::kLow).weight, 0);
  automate(kLowType, 0);
  EXPECT_DOUBLE_EQ(handle(FreqGraph::kLow).getCenter().y, 287);  // 288, clamped
  automate(kMidFrequency, 1000);
  EXPECT_NEAR(handle(FreqGraph::kMid).getCenter().x, 328.47, 0.01);
  EXPECT_NEAR(graph->getPoint(FreqGraph::kMid).x, 82.12, 0.01);
  // The point keeps the value's position where the handle stops at its limit.
  automate(kLowFrequency, 20);
  EXPECT_DOUBLE_EQ(handle(FreqGraph::kLow).getCenter().x, 6);
  EXPECT_DOUBLE_EQ(graph->getPoint(FreqGraph::kLow).x, 0);
}

TEST_F(GraphTest, PolarPlotsTakeTheCurveAtTheirFrequencies) {
  automate(kLowType, 1);
  automate(kHighType, 0);
  const double* curve = graph->getCurve();
  EXPECT_FLOAT_EQ(graph->getPolarPlot(0)->getWeight(), static_cast<float>(curve[33]));
  EXPECT_FLOAT_EQ(graph->getPolarPlot(1)->getWeight(), static_cast<float>(curve[82]));
  EXPECT_FLOAT_EQ(graph->getPolarPlot(2)->getWeight(), static_cast<float>(curve[130]));
}

TEST_F(GraphTest, ShiftDragMovesAllHandlesWithSixEditsPerMoveAndIgnoresTheirEchoes) {
  automate(kLowFrequency, 98);  // near the Low handle's right limit
  const CPoint low = handle(FreqGraph::kLow).getCenter();
  const CPoint high = handle(FreqGraph::kHigh).getCenter();
  const CPoint mid = handle(FreqGraph::kMid).getCenter();
  handler.clearRecord();

  move(mid, kShift);
  press(mid, kLButton | kShift);
  move(CPoint(mid.x + 15, mid.y), kLButton | kShift);
  EXPECT_EQ(performCount(), 6);
  move(CPoint(mid.x + 30, mid.y), kLButton | kShift);
  EXPECT_EQ(performCount(), 12);
  EXPECT_NEAR(handle(FreqGraph::kMid).getCenter().x, mid.x + 30, 0.01);
  EXPECT_NEAR(handle(FreqGraph::kHigh).getCenter().x, high.x + 30, 0.01);
  EXPECT_NEAR(handle(FreqGraph::kLow).getCenter().x, handle(FreqGraph::kLow).getLimits().right,
              1e-4);
  EXPECT_GT(low.x + 30, handle(FreqGraph::kLow).getLimits().right);
  // The Low handle's edit came from beyond its range; the controller holds the maximum.
  EXPECT_GT(performedPlain(kLowFrequency).back(), 99.99);
  EXPECT_NEAR(plainValue(kLowFrequency), 100, 1e-4);
  release(CPoint(mid.x + 30, mid.y));

  // Once the drag ends, the graph shows what the controller holds.
  EXPECT_NEAR(graph->getPoint(FreqGraph::kLow).x, frequencyToX(plainValue(kLowFrequency)) / 4,
              1e-4);
  EXPECT_NEAR(graph->getPoint(FreqGraph::kHigh).x, frequencyToX(plainValue(kHighFrequency)) / 4,
              1e-4);
  EXPECT_NEAR(graph->getPoint(FreqGraph::kMid).weight, 1 - plainValue(kMidType), 1e-6);
}

TEST_F(GraphTest, HostAutomationOfAnotherHandleWaitsUntilTheGroupMoveEnds) {
  const CPoint mid = handle(FreqGraph::kMid).getCenter();
  move(mid, kShift);
  press(mid, kLButton | kShift);
  move(CPoint(mid.x + 10, mid.y + 10), kLButton | kShift);
  const double highY = handle(FreqGraph::kHigh).getCenter().y;
  automate(kHighType, 1);
  EXPECT_DOUBLE_EQ(handle(FreqGraph::kHigh).getCenter().y, highY);
  // The dragged handle's own parameters still pass.
  automate(kMidType, 0);
  EXPECT_DOUBLE_EQ(handle(FreqGraph::kMid).getCenter().y, 287);
  release(CPoint(mid.x + 10, mid.y + 10));
  EXPECT_DOUBLE_EQ(handle(FreqGraph::kHigh).getCenter().y, 3);
  automate(kHighType, 0.5);
  EXPECT_NEAR(handle(FreqGraph::kHigh).getCenter().y, 145, 1e-4);
}

TEST_F(GraphTest, HintShowsTypeAndFrequencyWhileDragging) {
  CTextLabel* hint = graph->getHintLabel();
  EXPECT_FALSE(hint->isVisible());
  const CPoint low = handle(FreqGraph::kLow).getCenter();
  press(low);
  EXPECT_TRUE(hint->isVisible());
  move(CPoint(low.x, -50));
  writePicture("graph_hint_while_dragging");
  EXPECT_EQ(std::string(hint->getText()).substr(0, 7), "1.00 @ ");
  release(CPoint(low.x, -50));
  EXPECT_FALSE(hint->isVisible());

  automate(kMidFrequency, 1000);
  automate(kMidType, 0.5);
  EXPECT_STREQ(hint->getText(), "0.50 @ 1000Hz");
  automate(kHighFrequency, 12500);
  EXPECT_STREQ(hint->getText(), "0.50 @ 12.50kHz");
}

// Every performEdit the host sees lies inside a begin / end of its parameter, and
// every begin is ended.
void expectBracketed(const std::vector<host::ComponentHandler::Edit>& edits) {
  bool open[32] = {};
  for (const auto& edit : edits) {
    if (edit.kind == Kind::kBegin) {
      EXPECT_FALSE(open[edit.id]) << "begin twice " << edit.id;
      open[edit.id] = true;
    } else if (edit.kind == Kind::kPerform) {
      EXPECT_TRUE(open[edit.id]) << "perform outside a gesture " << edit.id;
    } else {
      EXPECT_TRUE(open[edit.id]) << "end without begin " << edit.id;
      open[edit.id] = false;
    }
  }
  for (int id = 0; id < 32; ++id) EXPECT_FALSE(open[id]) << "left open " << id;
}

TEST_F(GraphTest, DragsGroupMovesAndResetsAreBracketedForTheHost) {
  drag(FreqGraph::kLow, CPoint(12, -20), 0, 3);
  EXPECT_EQ(performCount(), 6);
  EXPECT_EQ(handler.edits().size(), 10u);  // two begins, six performs, two ends
  expectBracketed(handler.edits());
  handler.clearRecord();

  drag(FreqGraph::kMid, CPoint(-30, 10), kShift, 2);
  EXPECT_EQ(performCount(), 12);
  int begins = 0;
  for (const auto& edit : handler.edits()) begins += edit.kind == Kind::kBegin;
  EXPECT_EQ(begins, 6);
  expectBracketed(handler.edits());
  handler.clearRecord();

  const CPoint high = handle(FreqGraph::kHigh).getCenter();
  press(high, kLButton | kAlt);
  EXPECT_EQ(performCount(), 2);
  expectBracketed(handler.edits());
  handler.clearRecord();

  // The pointer leaving the window in the middle of a drag closes the gesture; the
  // next move opens it again.
  const CPoint mid = handle(FreqGraph::kMid).getCenter();
  press(mid);
  move(CPoint(mid.x + 5, mid.y));
  CPoint away(900, 900);
  frame->onMouseExited(away, CButtonState());
  move(CPoint(mid.x + 10, mid.y));
  release(CPoint(mid.x + 10, mid.y));
  expectBracketed(handler.edits());
}

}  // namespace
}  // namespace plots_test
