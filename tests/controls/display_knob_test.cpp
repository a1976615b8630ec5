// The gain knob with its readout, wired to the real edit controller: the plain-value
// law both ways, the filmstrip frame it shows, the readout on hover, and the gestures
// that reach the host's component handler.

#include "controls/display_knob.h"

#include <gtest/gtest.h>

#include <limits>

#include "controller_session.h"

namespace {

using namespace controls_test;
using Lines = std::vector<std::string>;

constexpr int32_t kGain = 10;  // "MicL Omni Gain" (the omni gain in the mono build), -6 to +6 dB
const CRect kFrameSize(0, 0, 60, 60);
const CRect kKnobArea(15, 10, 39, 34);  // the knob of a DisplayKnob placed at (10, 10)

class GainKnob : public ::testing::Test {
 protected:
  explicit GainKnob(int32_t knobMode = kLinearMode) : editor(knobMode) {
    knob = new DisplayKnob(CPoint(10, 10), frame.get(), session.controller(), kGain);
    frame->addView(knob);
  }
  // Shows filmstrip frame `index` as the knob would draw it, for comparison.
  bool showsFrame(int index) {
    ReferenceImage reference(kFrameSize, kKnobArea, "poti.png", CPoint(0, 24 * index));
    return sameRegion(frame, kKnobArea, reference.frame, kKnobArea);
  }
  std::string readout() const { return knob->getLabel()->getText(); }

  ControllerSession session;
  KnobModeEditor editor;
  toolkit_test::OffscreenFrame frame{kFrameSize, &editor};
  DisplayKnob* knob = nullptr;
  const CPoint centre{27, 22};
};

class CircularGainKnob : public GainKnob {
 protected:
  CircularGainKnob() : GainKnob(kCircularMode) {}
};

TEST_F(GainKnob, PlainValuesSetTheKnobAndTheReadoutWithoutAnEdit) {
  knob->setPlainValue(6);
  EXPECT_FLOAT_EQ(knob->getKnob()->getValue(), 1.f);
  EXPECT_EQ(readout(), "+6.00");
  EXPECT_TRUE(showsFrame(30));
  knob->setPlainValue(0);
  EXPECT_FLOAT_EQ(knob->getKnob()->getValue(), 0.5f);
  EXPECT_EQ(readout(), "0.00");
  EXPECT_TRUE(showsFrame(15));
  knob->setPlainValue(-3);
  EXPECT_FLOAT_EQ(knob->getKnob()->getValue(), 0.25f);
  EXPECT_EQ(readout(), "-3.00");
  knob->setPlainValue(1.2f);
  EXPECT_EQ(readout(), "+1.20");
  EXPECT_TRUE(session.edits().empty());
}

TEST_F(GainKnob, TheFilmstripShowsFrameFloorOfThirtyTimesTheValue) {
  knob->getKnob()->setValue(0.999f);
  EXPECT_TRUE(showsFrame(29));
  EXPECT_FALSE(showsFrame(30));
  knob->getKnob()->setValue(1.f);
  EXPECT_TRUE(showsFrame(30));
  knob->getKnob()->setValue(0.f);
  EXPECT_TRUE(showsFrame(0));
}

TEST_F(GainKnob, ValuesFromOutsideTheRangeShowClampedAndStayInsideTheFilmstrip) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  knob->setPlainValue(1e30f);
  EXPECT_EQ(readout(), "+6.00");
  EXPECT_TRUE(showsFrame(30));
  knob->setPlainValue(-inf);
  EXPECT_EQ(readout(), "-6.00");
  EXPECT_TRUE(showsFrame(0));
  knob->setPlainValue(nan);
  EXPECT_EQ(readout(), "-6.00");
  EXPECT_TRUE(showsFrame(0));
  knob->setPlainValue(inf);
  EXPECT_EQ(readout(), "+6.00");
}

TEST_F(GainKnob, ADragSendsPlainValuesToTheControllerBracketedAsOneGesture) {
  press(frame.get(), centre);
  moveTo(frame.get(), centre + CPoint(0, -20));   // 0.6: +1.2 dB
  moveTo(frame.get(), centre + CPoint(0, -100));  // the top: +6 dB
  moveTo(frame.get(), centre + CPoint(0, -150));  // stays there: nothing sent
  release(frame.get(), centre + CPoint(0, -150));
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "perform 10 0.6", "perform 10 1", "end 10"}));
  EXPECT_EQ(readout(), "+6.00");
  EXPECT_DOUBLE_EQ(session.controller()->getParamNormalized(kGain), 1.0);
}

TEST_F(GainKnob, EachWheelStepAndKeyPressIsAGestureOfItsOwn) {
  EXPECT_TRUE(wheel(frame.get(), centre, 1));
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "perform 10 0.6", "end 10"}));
  EXPECT_EQ(readout(), "+1.20");
  session.clearEdits();
  EXPECT_TRUE(wheel(frame.get(), centre, -1, kShift));
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "perform 10 0.59", "end 10"}));
  session.clearEdits();

  frame->setFocusView(knob->getKnob());
  EXPECT_EQ(key(frame.get(), VKEY_DOWN), 1);
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "perform 10 0.49", "end 10"}));
  session.clearEdits();
  EXPECT_EQ(key(frame.get(), VKEY_UP, MODIFIER_SHIFT), 1);
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "perform 10 0.5", "end 10"}));
}

TEST_F(GainKnob, AltClickResetsToZeroDecibelsOnceAndDoesNothingAtZero) {
  press(frame.get(), centre, CButtonState(kLButton | kAlt));
  release(frame.get(), centre, CButtonState(kLButton | kAlt));
  EXPECT_TRUE(session.edits().empty());
  knob->setPlainValue(-4.5f);
  press(frame.get(), centre, CButtonState(kLButton | kAlt));
  release(frame.get(), centre, CButtonState(kLButton | kAlt));
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "perform 10 0.5", "end 10"}));
  EXPECT_EQ(readout(), "0.00");
}

TEST_F(GainKnob, ClosingTheFrameMidDragEndsTheGesture) {
  press(frame.get(), centre);
  moveTo(frame.get(), centre + CPoint(0, -40));
  frame.close();
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "perform 10 0.7", "end 10"}));
}

TEST_F(GainKnob, TheReadoutShowsOnlyWhileThePointerIsOverTheKnob) {
  CTextLabel* label = knob->getLabel();
  EXPECT_FALSE(label->isVisible());
  hover(frame.get(), centre);
  EXPECT_TRUE(label->isVisible());
  hover(frame.get(), CPoint(16, 11));  // the knob's top-left pixel
  EXPECT_TRUE(label->isVisible());
  hover(frame.get(), CPoint(29, 45));  // over the readout itself
  EXPECT_FALSE(label->isVisible());
  hover(frame.get(), CPoint(12, 20));  // inside the container, beside the knob
  EXPECT_FALSE(label->isVisible());
  hover(frame.get(), CPoint(38, 33));  // the knob's bottom-right pixel
  EXPECT_TRUE(label->isVisible());
  hover(frame.get(), CPoint(55, 55));
  EXPECT_FALSE(label->isVisible());
}

TEST_F(CircularGainKnob, ADragInCircularModeAlsoReachesTheHost) {
  press(frame.get(), CPoint(27, 12));   // straight up: 0 dB
  moveTo(frame.get(), CPoint(37, 22));  // right: two thirds up the range
  release(frame.get(), CPoint(37, 22));
  const std::vector<double> sent = session.performed(kGain);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_NEAR(sent[0], 0.5 + 0.5 / 1.5, 1e-6);
}

TEST(GainKnobWithoutBitmap, DrawsNothingAndStillEdits) {
  ControllerSession session;
  KnobModeEditor editor(kLinearMode);
  toolkit_test::OffscreenFrame frame(kFrameSize, &editor);
  auto* missing = new CBitmap("noSuchFilmstrip.png");
  auto* knob = new CustomAnimKnob(kKnobArea, nullptr, 0, 31, 24, missing);
  missing->forget();
  knob->setValue(0.5f);
  frame->addView(knob);
  EXPECT_EQ(frame.pixel(27, 22), toolkit_test::kBackground);
  press(frame.get(), CPoint(27, 22));
  moveTo(frame.get(), CPoint(27, 2));
  release(frame.get(), CPoint(27, 2));
  EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6);
  EXPECT_EQ(frame.pixel(27, 22), toolkit_test::kBackground);
}

}  // namespace

namespace {

TEST_F(GainKnob, AKnobThatLeavesTheFrameIsNoLongerItsMouseObserver) {
  press(frame.get(), centre);
  frame->removeView(knob);  // destroyed mid-drag: the gesture ends, the frame forgets it
  EXPECT_EQ(session.edits(), (Lines{"begin 10", "end 10"}));
  hover(frame.get(), centre);
  hover(frame.get(), CPoint(55, 55));
  release(frame.get(), centre);
  EXPECT_EQ(session.edits().size(), 2u);
}

}  // namespace
