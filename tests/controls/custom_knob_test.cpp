// The rotary knob on its own: the angle law, drags in both knob modes, the wheel and
// the arrow keys, all through the frame's own event routing.

#include "controls/custom_knob.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "controller_session.h"

namespace {

using namespace controls_test;
using Log = std::vector<std::string>;

// A 24 x 24 knob at (20, 20) with no bitmaps: inset 3, so radius 9 around (32, 32).
class Knob : public ::testing::Test {
 protected:
  explicit Knob(int32_t knobMode = kCircularMode) : editor(knobMode) {
    knob = new CustomKnob(CRect(20, 20, 44, 44), &listener, 7, nullptr, nullptr);
    knob->setValue(0.5f);
    frame->addView(knob);
  }
  float dragUp(CCoord pixels, CButtonState buttons = kLButton) {
    press(frame.get(), centre, buttons);
    moveTo(frame.get(), centre + CPoint(0, -pixels), buttons);
    release(frame.get(), centre + CPoint(0, -pixels), buttons);
    return knob->getValue();
  }

  Log log;
  toolkit_test::RecordingListener listener{&log};
  KnobModeEditor editor;
  toolkit_test::OffscreenFrame frame{CRect(0, 0, 200, 400), &editor};
  CustomKnob* knob = nullptr;
  const CPoint centre{32, 32};
};

class LinearKnob : public Knob {
 protected:
  LinearKnob() : Knob(kLinearMode) {}
};

TEST_F(Knob, TheAngleLawMapsValuesToPointsAndPointsBackToValues) {
  // Value 0 at 135 degrees (lower left), 1 at 45 degrees (lower right), 0.5 straight up.
  const CPoint atZero = knob->pointForValue(0.f);
  EXPECT_NEAR(atZero.x, 12 - 9 * std::sqrt(0.5) + 0.5, 1e-4);
  EXPECT_NEAR(atZero.y, 12 + 9 * std::sqrt(0.5) + 0.5, 1e-4);
  const CPoint atHalf = knob->pointForValue(0.5f);
  EXPECT_NEAR(atHalf.x, 12.5, 1e-4);
  EXPECT_NEAR(atHalf.y, 3.5, 1e-4);
  const CPoint atOne = knob->pointForValue(1.f);
  EXPECT_NEAR(atOne.x, 12 + 9 * std::sqrt(0.5) + 0.5, 1e-4);

  EXPECT_FLOAT_EQ(knob->valueAtPoint(CPoint(12, 0)), 0.5f);
  EXPECT_FLOAT_EQ(knob->valueAtPoint(CPoint(24, 12)), 0.5f + 0.5f / 1.5f);  // 90 degrees right
  EXPECT_FLOAT_EQ(knob->valueAtPoint(CPoint(0, 12)), 0.5f - 0.5f / 1.5f);
  for (float value : {0.05f, 0.25f, 0.5f, 0.75f, 0.95f}) {
    const float angle =
        3.f * std::numbers::pi_v<float> / 4.f + 1.5f * std::numbers::pi_v<float> * value;
    const CPoint onCircle(12 + 9 * std::cos(angle), 12 + 9 * std::sin(angle));
    EXPECT_NEAR(knob->valueAtPoint(onCircle), value, 1e-5) << value;
  }
  // The gap at the bottom: right of it is the maximum, left of it the minimum.
  EXPECT_FLOAT_EQ(knob->valueAtPoint(CPoint(13, 23)), 1.f);
  EXPECT_FLOAT_EQ(knob->valueAtPoint(CPoint(11, 23)), 0.f);
}

TEST_F(LinearKnob, HundredPixelsUpFromTheMiddleReachTheTopAndFurtherTravelStaysThere) {
  press(frame.get(), centre);
  moveTo(frame.get(), centre + CPoint(0, -50));
  EXPECT_FLOAT_EQ(knob->getValue(), 0.75f);
  moveTo(frame.get(), centre + CPoint(0, -100));
  EXPECT_FLOAT_EQ(knob->getValue(), 1.f);
  moveTo(frame.get(), centre + CPoint(0, -160));
  EXPECT_FLOAT_EQ(knob->getValue(), 1.f);
  // Right counts like up, left like down.
  moveTo(frame.get(), centre + CPoint(-20, 0));
  EXPECT_FLOAT_EQ(knob->getValue(), 0.4f);
  release(frame.get(), centre + CPoint(-20, 0));
  EXPECT_EQ(log.front(), "listener begin 7");
  EXPECT_EQ(log.back(), "listener end 7");
  EXPECT_EQ(listener.valueChangedCount, 3);  // the move that stayed at 1.0 reported nothing
}

TEST_F(LinearKnob, ControlGivesFineStepsAndPressingOrReleasingItDoesNotJump) {
  // 200 pixels span the range, 2000 with Ctrl. When Ctrl changes, the move that sees it
  // first still goes at the old rate, so the value never jumps.
  press(frame.get(), centre);
  moveTo(frame.get(), centre + CPoint(0, -20));
  EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6);
  const CButtonState fine(kLButton | kControl);
  moveTo(frame.get(), centre + CPoint(0, -20), fine);  // Ctrl pressed, pointer still
  EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6);
  moveTo(frame.get(), centre + CPoint(0, -21), fine);
  EXPECT_NEAR(knob->getValue(), 0.605f, 1e-6);
  moveTo(frame.get(), centre + CPoint(0, -41), fine);
  EXPECT_NEAR(knob->getValue(), 0.615f, 1e-6);
  moveTo(frame.get(), centre + CPoint(0, -61));  // Ctrl released
  EXPECT_NEAR(knob->getValue(), 0.625f, 1e-6);
  moveTo(frame.get(), centre + CPoint(0, -81));
  EXPECT_NEAR(knob->getValue(), 0.635f, 1e-6);
  moveTo(frame.get(), centre + CPoint(0, -101));
  EXPECT_NEAR(knob->getValue(), 0.735f, 1e-6);
  release(frame.get(), centre + CPoint(0, -101));
}

TEST_F(LinearKnob, MiddleButtonOrLeftAndRightTogetherChangeNothing) {
  EXPECT_FLOAT_EQ(dragUp(60, kMButton), 0.5f);
  EXPECT_FLOAT_EQ(dragUp(60, CButtonState(kLButton | kRButton)), 0.5f);
  EXPECT_EQ(listener.valueChangedCount, 0);
  EXPECT_FLOAT_EQ(dragUp(60, kRButton), 0.8f);  // the right button alone drags
}

TEST_F(Knob, CircularDragFollowsTheAngleAndAJumpAcrossTheGapKeepsTheNearerEnd) {
  press(frame.get(), CPoint(32, 22));  // straight up: the value under the pointer
  EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
  moveTo(frame.get(), CPoint(42, 32));  // right
  EXPECT_NEAR(knob->getValue(), 0.5f + 0.5f / 1.5f, 1e-5);
  moveTo(frame.get(), CPoint(40, 38));  // lower right, near the end of the range
  EXPECT_NEAR(knob->getValue(), 0.97f, 0.01f);
  moveTo(frame.get(), CPoint(33, 43));  // into the gap on the maximum side
  EXPECT_FLOAT_EQ(knob->getValue(), 1.f);
  moveTo(frame.get(), CPoint(31, 43));  // across the gap to the minimum side
  EXPECT_FLOAT_EQ(knob->getValue(), 1.f);
  moveTo(frame.get(), CPoint(22, 38));
  EXPECT_FLOAT_EQ(knob->getValue(), 1.f);
  release(frame.get(), CPoint(22, 38));
}

TEST_F(Knob, WheelStepsATenthOfTheSpanAndAHundredthWithShift) {
  EXPECT_TRUE(wheel(frame.get(), centre, 1));
  EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6);
  EXPECT_TRUE(wheel(frame.get(), centre, -2));
  EXPECT_NEAR(knob->getValue(), 0.4f, 1e-6);
  EXPECT_TRUE(wheel(frame.get(), centre, 1, kShift));
  EXPECT_NEAR(knob->getValue(), 0.41f, 1e-6);
  EXPECT_TRUE(wheel(frame.get(), centre, std::numeric_limits<float>::quiet_NaN()));
  EXPECT_NEAR(knob->getValue(), 0.41f, 1e-6);
  EXPECT_EQ(listener.valueChangedCount, 3);
  knob->setMouseEnabled(false);
  EXPECT_FALSE(knob->onWheel(centre, 1.f, CButtonState(0)));
}

TEST_F(Knob, ArrowKeysStepLikeTheWheelOnceTheKnobHasFocus) {
  click(frame.get(), centre + CPoint(0, -10));  // takes the focus (and the value up there)
  ASSERT_EQ(frame->getFocusView(), knob);
  knob->setValue(0.5f);
  EXPECT_EQ(key(frame.get(), VKEY_UP), 1);
  EXPECT_EQ(key(frame.get(), VKEY_RIGHT), 1);
  EXPECT_NEAR(knob->getValue(), 0.7f, 1e-6);
  EXPECT_EQ(key(frame.get(), VKEY_DOWN, MODIFIER_SHIFT), 1);
  EXPECT_NEAR(knob->getValue(), 0.69f, 1e-6);
  EXPECT_EQ(key(frame.get(), VKEY_LEFT), 1);
  EXPECT_NEAR(knob->getValue(), 0.59f, 1e-6);
  EXPECT_EQ(key(frame.get(), VKEY_RETURN), -1);
  EXPECT_EQ(key(frame.get(), VKEY_PAGEUP), -1);
  knob->setValue(1.f);
  log.clear();
  EXPECT_EQ(key(frame.get(), VKEY_UP), 1);  // at the top: handled, but no edit
  EXPECT_TRUE(log.empty());
}

TEST_F(Knob, AltClickResetsToTheDefaultAsOneEditOnlyWhenTheValueDiffers) {
  press(frame.get(), centre, CButtonState(kLButton | kAlt));
  EXPECT_TRUE(log.empty());
  knob->setValue(0.9f);
  EXPECT_EQ(press(frame.get(), centre, CButtonState(kLButton | kAlt)),
            kMouseDownEventHandledButDontNeedMovedOrUpEvents);
  EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
  EXPECT_EQ(log, (Log{"listener begin 7", "valueChanged 7", "listener end 7"}));
}

}  // namespace
