// The control-point handle inside the real graph, moved through the frame's mouse
// routing: limits, fine mode, Alt reset, Alt+Shift, leaving the handle, its colours.

#include <cmath>
#include <string>
#include <vector>

#include "plots/frequency_axis.h"
#include "tests/plots/graph_fixture.h"
#include "tests/plots/pixel_checks.h"
#include "toolkit/toolkit_fixture.h"

namespace plots_test {
namespace {

// A handle in a frame of its own, with a listener that records what it is told.
class GraphControlAlone : public ::testing::Test {
 protected:
  void SetUp() override {
    control = new GraphControl(CRect(94, 94, 106, 106), CRect(20, 30, 180, 170), &listener, 3, 2);
    frame->addView(control);
  }
  void mouse(const char* what, CPoint where, int32_t buttons = kLButton) {
    if (what[0] == 'd') frame->onMouseDown(where, CButtonState(buttons));
    if (what[0] == 'm') frame->onMouseMoved(where, CButtonState(buttons));
    if (what[0] == 'u') frame->onMouseUp(where, CButtonState(buttons));
  }
  std::vector<std::string> log;
  toolkit_test::RecordingListener listener{&log};
  toolkit_test::OffscreenFrame frame{CRect(0, 0, 200, 200)};
  GraphControl* control = nullptr;
};

TEST_F(GraphControlAlone, ClampedDragStopsOnTheLimitsAndFollowsThePointerStraightBack) {
  mouse("down", CPoint(100, 100));
  mouse("move", CPoint(-300, -300));
  EXPECT_EQ(control->getCenter(), CPoint(20, 30));
  mouse("move", CPoint(500, 500));
  EXPECT_EQ(control->getCenter(), CPoint(180, 170));
  // Back inside: the handle is at the pointer again at once, not at the clamped place.
  mouse("move", CPoint(90, 120));
  EXPECT_EQ(control->getCenter(), CPoint(90, 120));
  mouse("up", CPoint(90, 120));
  EXPECT_EQ(listener.valueChangedCount, 3);
}

TEST_F(GraphTest, ADragBeyondTheRangeEndsWhereTheControllerKeepsTheValue) {
  GraphControl& low = handle(FreqGraph::kLow);
  const CPoint start = low.getCenter();
  press(start);
  move(CPoint(start.x - 400, start.y - 400));
  EXPECT_NEAR(low.getCenter().x, low.getLimits().left, 1e-4);
  EXPECT_NEAR(low.getCenter().y, low.getLimits().top, 1e-4);
  EXPECT_NEAR(plainValue(kLowType), 1, 1e-6);
  // The right limit lies a pixel beyond 100 Hz; the controller keeps 100 Hz and the
  // handle shows that.
  move(CPoint(start.x + 400, start.y + 400));
  EXPECT_NEAR(plainValue(kLowFrequency), 100, 1e-4);
  EXPECT_NEAR(low.getCenter().x, frequencyToX(100), 1e-4);
  EXPECT_NEAR(low.getCenter().y, low.getLimits().bottom, 1e-4);
  move(CPoint(start.x - 20, start.y + 30));
  EXPECT_NEAR(low.getCenter().x, start.x - 20, 0.05);
  release(CPoint(start.x - 20, start.y + 30));
  EXPECT_NEAR(low.getLimits().left, 6, 1e-9);
  EXPECT_NEAR(low.getLimits().right, frequencyToX(100) + 1, 1e-9);
}

TEST_F(GraphTest, ControlDragsATenthOfThePointerMovementAlsoWhenPressedMidDrag) {
  GraphControl& mid = handle(FreqGraph::kMid);
  const CPoint start = mid.getCenter();
  drag(FreqGraph::kMid, CPoint(50, 0), kControl);
  EXPECT_NEAR(mid.getCenter().x - start.x, 5, 0.01);

  const CPoint second = mid.getCenter();
  press(second);
  move(CPoint(second.x + 20, second.y));
  EXPECT_NEAR(mid.getCenter().x - second.x, 20, 0.01);
  move(CPoint(second.x + 40, second.y), kLButton | kControl);
  EXPECT_NEAR(mid.getCenter().x - second.x, 4, 0.01);
  release(CPoint(second.x + 40, second.y));
}

TEST_F(GraphTest, AltClickResetsEachHandleToItsDefaultsAsOneGesture) {
  automate(kLowFrequency, 80);
  automate(kLowType, 1);
  automate(kMidFrequency, 2500);
  automate(kHighFrequency, 6000);
  handler.clearRecord();

  const double expectedHz[] = {50 * std::pow(10.0, 3.0 / 580), 1000 * std::pow(10.0, 3.0 / 580),
                               10000 * std::pow(10.0, 3.0 / 580)};
  for (FreqGraph::Handle which : {FreqGraph::kLow, FreqGraph::kMid, FreqGraph::kHigh}) {
    SCOPED_TRACE(which);
    GraphControl& control = handle(which);
    const ParameterId frequency = static_cast<ParameterId>(control.getTag());
    const ParameterId type = static_cast<ParameterId>(control.getTypeTag());
    handler.clearRecord();
    move(control.getCenter(), kAlt);
    press(control.getCenter(), kLButton | kAlt);
    EXPECT_FALSE(control.isDragging());
    EXPECT_NEAR(control.getCenter().x, frequencyToX(parameterDefault(frequency)) + 1, 1e-4);
    EXPECT_NEAR(control.getCenter().y, 145, 1e-4);
    ASSERT_EQ(performedPlain(frequency).size(), 1u);
    EXPECT_NEAR(performedPlain(frequency)[0], expectedHz[which], expectedHz[which] * 1e-5);
    EXPECT_NEAR(performedPlain(type)[0], 1 - 142.0 / 284, 1e-6);
    using Kind = host::ComponentHandler::EditKind;
    const std::vector<host::ComponentHandler::Edit>& edits = handler.edits();
    ASSERT_EQ(edits.size(), 6u);
    EXPECT_EQ(edits[0].kind, Kind::kBegin);
    EXPECT_EQ(edits[1].kind, Kind::kBegin);
    EXPECT_EQ(edits[2].kind, Kind::kPerform);
    EXPECT_EQ(edits[3].kind, Kind::kPerform);
    EXPECT_EQ(edits[4].kind, Kind::kEnd);
    EXPECT_EQ(edits[5].kind, Kind::kEnd);
    release(control.getCenter());
  }
  EXPECT_NEAR(expectedHz[0], 50.6, 0.05);
  EXPECT_NEAR(expectedHz[1], 1012, 0.5);
  EXPECT_NEAR(expectedHz[2], 10120, 5);
}

TEST_F(GraphTest, AltShiftClickStartsADrag) {
  GraphControl& high = handle(FreqGraph::kHigh);
  const CPoint start = high.getCenter();
  press(start, kLButton | kAlt | kShift);
  EXPECT_TRUE(high.isDragging());
  EXPECT_TRUE(graph->getHintLabel()->isVisible());
  move(CPoint(start.x - 10, start.y), kLButton | kAlt);
  EXPECT_NEAR(high.getCenter().x, start.x - 10, 0.01);
  release(CPoint(start.x - 10, start.y));
  EXPECT_FALSE(high.isDragging());
  EXPECT_FALSE(graph->getHintLabel()->isVisible());
}

TEST_F(GraphControlAlone, LeavingTheGrabAreaEndsTheEditEvenWithoutADrag) {
  EXPECT_EQ(control->getViewSize(), CRect(84, 84, 116, 116));

  CPoint inside(85, 85), outside(117, 100);
  frame->onMouseMoved(inside, CButtonState());
  EXPECT_TRUE(log.empty());
  frame->onMouseMoved(outside, CButtonState());
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "listener end 3");
}

TEST_F(GraphControlAlone, IsDarkerWhileDraggedAndGreyOtherwise) {
  EXPECT_EQ(frame.pixel(100, 100), (CColor{127, 127, 127, 255}));
  EXPECT_EQ(frame.pixel(94, 100), (CColor{0, 0, 0, 255}));  // the outline
  EXPECT_EQ(frame.pixel(92, 100), toolkit_test::kBackground);
  CPoint at(100, 100);
  frame->onMouseDown(at, CButtonState(kLButton));
  EXPECT_EQ(frame.pixel(100, 100), (CColor{90, 90, 90, 255}));
  frame->onMouseUp(at, CButtonState(kLButton));
  EXPECT_EQ(frame.pixel(100, 100), (CColor{127, 127, 127, 255}));
}

}  // namespace
}  // namespace plots_test
