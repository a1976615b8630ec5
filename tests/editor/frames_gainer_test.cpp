// The mono build's gain frame with the real edit controller: the caption that gives
// way to the value on hover, the plain-value law both ways, and its gestures.

#include <gtest/gtest.h>

#include <limits>

#include "controls/controller_session.h"
#include "editor/gainer_frame.h"

namespace {

using namespace controls_test;
using Steinberg::Vst::GainerFrame;
using Lines = std::vector<std::string>;

constexpr int32_t kGain = 11;  // "Mic Eight Gain" (MicL in the stereo build), -6 to +6 dB

class Gainer : public ::testing::Test {
 protected:
  Gainer() {
    gainer = new GainerFrame(CPoint(10, 20), frame.get(), session.controller(), kGain);
    frame->addView(gainer);
  }
  bool captionShown() const { return gainer->getCaption()->isVisible(); }
  bool valueShown() const { return gainer->getLabel()->isVisible(); }

  ControllerSession session;
  KnobModeEditor editor{kLinearMode};
  toolkit_test::OffscreenFrame frame{CRect(0, 0, 90, 60), &editor};
  GainerFrame* gainer = nullptr;
  const CPoint knobCentre{22, 32};
};

TEST_F(Gainer, HoveringSwapsTheCaptionForTheValueUntilThePointerLeaves) {
  EXPECT_EQ(gainer->getViewSize(), CRect(10, 20, 70, 44));
  EXPECT_TRUE(captionShown());
  EXPECT_FALSE(valueShown());
  hover(frame.get(), CPoint(50, 30));  // over the caption
  EXPECT_FALSE(captionShown());
  EXPECT_TRUE(valueShown());
  hover(frame.get(), knobCentre);  // still inside the frame
  EXPECT_TRUE(valueShown());
  hover(frame.get(), CPoint(80, 30));
  EXPECT_TRUE(captionShown());
  EXPECT_FALSE(valueShown());
}

TEST_F(Gainer, TheCaptionIsTheGainBitmapAndTheValueReplacesIt) {
  const CRect caption(38, 28, 70, 39);
  ReferenceImage gain(CRect(0, 0, 90, 60), caption, "gain.png", CPoint(0, 0));
  EXPECT_TRUE(sameRegion(frame, caption, gain.frame, caption));
  hover(frame.get(), CPoint(50, 30));
  EXPECT_FALSE(sameRegion(frame, caption, gain.frame, caption));
}

TEST_F(Gainer, PlainValuesSetTheKnobAndTheValueText) {
  gainer->setPlainValue(3);
  EXPECT_FLOAT_EQ(gainer->getKnob()->getValue(), 0.75f);
  EXPECT_STREQ(gainer->getLabel()->getText(), "+3.00");
  gainer->setPlainValue(-6);
  EXPECT_FLOAT_EQ(gainer->getKnob()->getValue(), 0.f);
  EXPECT_STREQ(gainer->getLabel()->getText(), "-6.00");
  gainer->setPlainValue(0);
  EXPECT_STREQ(gainer->getLabel()->getText(), "0.00");
  gainer->setPlainValue(std::numeric_limits<float>::quiet_NaN());
  EXPECT_FLOAT_EQ(gainer->getKnob()->getValue(), 0.f);
  EXPECT_STREQ(gainer->getLabel()->getText(), "-6.00");
  gainer->setPlainValue(-1e38f);
  EXPECT_STREQ(gainer->getLabel()->getText(), "-6.00");
  EXPECT_TRUE(session.edits().empty());
}

TEST_F(Gainer, ADragSendsThePlainValueOfTheKnobAsOneGesture) {
  EXPECT_FLOAT_EQ(gainer->getKnob()->getValue(), 0.5f);  // the default, 0 dB
  press(frame.get(), knobCentre);
  moveTo(frame.get(), knobCentre + CPoint(0, -20));  // 0.6: +1.2 dB
  moveTo(frame.get(), knobCentre + CPoint(0, 40));   // 0.3: -2.4 dB
  release(frame.get(), knobCentre + CPoint(0, 40));
  EXPECT_EQ(session.edits(), (Lines{"begin 11", "perform 11 0.6", "perform 11 0.3", "end 11"}));
  // The text follows only when the controller calls back (through the editor view).
  EXPECT_STREQ(gainer->getLabel()->getText(), "0.00");
}

TEST_F(Gainer, WheelAndAltResetAreGesturesAndClosingMidDragStaysBalanced) {
  EXPECT_TRUE(wheel(frame.get(), knobCentre, 1));
  EXPECT_EQ(session.edits(), (Lines{"begin 11", "perform 11 0.6", "end 11"}));
  session.clearEdits();
  click(frame.get(), knobCentre, CButtonState(kLButton | kAlt));
  EXPECT_EQ(session.edits(), (Lines{"begin 11", "perform 11 0.5", "end 11"}));
  session.clearEdits();
  press(frame.get(), knobCentre);
  moveTo(frame.get(), knobCentre + CPoint(10, 0));
  frame.close();
  EXPECT_EQ(session.edits(), (Lines{"begin 11", "perform 11 0.55", "end 11"}));
}

}  // namespace
