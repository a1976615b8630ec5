// The solo buttons and the Solo State they make, with the real edit controller: every
// transition from clicks, the states that arrive from the host, and what reaches the
// host's component handler.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/controller_session.h"
#include "editor/solo_frame.h"

namespace {

using namespace controls_test;
using Steinberg::Vst::SoloFrame;
using Lines = std::vector<std::string>;

constexpr int32_t kSoloState = 8;

class Solo : public ::testing::Test {
 protected:
  Solo() {
    solo = new SoloFrame(CPoint(8.5, 292), session.controller(), kSoloState);
    frame->addView(solo);
  }
  // Clicks the middle of a button (its rectangle is in the solo frame's coordinates).
  void clickButton(int32_t tag, CButtonState buttons = kLButton) {
    CPoint where = solo->button(tag)->getViewSize().getCenter();
    where.offset(8.5, 292);
    click(frame.get(), where, buttons);
  }
  // The lit buttons as "lpre lpos rpre rpos" bits, e.g. "1010".
  std::string lit() const {
    std::string pattern;
    for (int32_t tag :
         {SoloFrame::kLeftPre, SoloFrame::kLeftPost, SoloFrame::kRightPre, SoloFrame::kRightPost})
      pattern += solo->button(tag)->getValue() == 1.f ? '1' : '0';
    return pattern;
  }
  // The states the host received, back in plain units.
  std::vector<int> statesSent() const {
    std::vector<int> states;
    for (double normalized : session.performed(kSoloState))
      states.push_back(static_cast<int>(std::lround(normalized * 6)));
    return states;
  }

  ControllerSession session;
  toolkit_test::OffscreenFrame frame{CRect(0, 0, 150, 340)};
  SoloFrame* solo = nullptr;
};

TEST_F(Solo, ButtonsHaveTheirTagsRectanglesAndImages) {
  EXPECT_EQ(solo->getViewSize(), CRect(8.5, 292, 133.5, 328));
  EXPECT_EQ(SoloFrame::kLeftPre, 0x6c707265);  // 'lpre'
  EXPECT_EQ(solo->button(SoloFrame::kLeftPre)->getViewSize(), CRect(0, 0, 52, 18));
  EXPECT_EQ(solo->button(SoloFrame::kLeftPost)->getViewSize(), CRect(0, 16, 52, 34));
  EXPECT_EQ(solo->button(SoloFrame::kRightPre)->getViewSize(), CRect(68, 0, 120, 18));
  EXPECT_EQ(solo->button(SoloFrame::kRightPost)->getViewSize(), CRect(68, 16, 120, 34));
  EXPECT_EQ(solo->button(0), nullptr);
  solo->setSoloState(1);
  // The lit left pre button shows the lower image of "PreButton.png".
  const CRect area(8.5, 292, 60.5, 308);
  ReferenceImage litPre(CRect(0, 0, 150, 340), CRect(8.5, 292, 60.5, 310), "PreButton.png",
                        CPoint(0, 18));
  EXPECT_TRUE(sameRegion(frame, area, litPre.frame, area));
}

TEST_F(Solo, ClicksWalkThroughTheStatesAndEachReachesTheHost) {
  clickButton(SoloFrame::kLeftPre);
  EXPECT_EQ(lit(), "1000");
  clickButton(SoloFrame::kRightPre);  // one pre button at a time without Shift
  EXPECT_EQ(lit(), "0010");
  clickButton(SoloFrame::kLeftPost);
  EXPECT_EQ(lit(), "0100");
  clickButton(SoloFrame::kRightPost);
  EXPECT_EQ(lit(), "0001");
  clickButton(SoloFrame::kRightPre, CButtonState(kLButton | kShift));
  EXPECT_EQ(lit(), "1010");
  clickButton(SoloFrame::kLeftPost);
  EXPECT_EQ(lit(), "0100");
  clickButton(SoloFrame::kLeftPost);  // the only lit button: no solo
  EXPECT_EQ(lit(), "0000");
  EXPECT_EQ(statesSent(), (std::vector<int>{1, 3, 4, 6, 2, 4, 0}));
  EXPECT_FLOAT_EQ(solo->getSoloState(), 0.f);
}

TEST_F(Solo, ShiftOnEitherPreButtonSolosBothAndAClickOnALitOneClearsTheSolo) {
  clickButton(SoloFrame::kLeftPost);
  clickButton(SoloFrame::kLeftPre, CButtonState(kLButton | kShift));
  EXPECT_EQ(lit(), "1010");
  clickButton(SoloFrame::kRightPre);  // lit: off, and the state is 0 with left pre still lit
  EXPECT_EQ(lit(), "1000");
  EXPECT_EQ(statesSent(), (std::vector<int>{4, 2, 0}));
  solo->setSoloState(0);  // what the controller sends back in the editor
  EXPECT_EQ(lit(), "0000");
}

TEST_F(Solo, EachClickIsAGestureOfTheSoloStateAtTheHost) {
  clickButton(SoloFrame::kRightPost);
  EXPECT_EQ(session.edits(), (Lines{"begin 8", "perform 8 1", "end 8"}));
  session.clearEdits();
  click(frame.get(), CPoint(8.5 + 60, 292 + 8));  // between the columns: no button, no edit
  click(frame.get(), CPoint(8.5 + 10, 292 + 8), kRButton);
  EXPECT_TRUE(session.edits().empty());
}

TEST_F(Solo, StatesFromTheHostLightTheirButtons) {
  const char* patterns[] = {"0000", "1000", "1010", "0010", "0100", "0101", "0001"};
  for (int state = 0; state <= 6; ++state) {
    solo->setSoloState(static_cast<float>(state));
    EXPECT_EQ(lit(), patterns[state]) << state;
    solo->setSoloState(state + 0.9f);  // the integer part counts
    EXPECT_EQ(lit(), patterns[state]) << state;
  }
  solo->setSoloState(-0.5f);
  EXPECT_EQ(lit(), "0000");
  EXPECT_TRUE(session.edits().empty());
}

TEST_F(Solo, StatesOutsideTheTableLeaveTheButtonsAsTheyAre) {
  solo->setSoloState(5);
  for (float odd : {7.f, -1.f, 1e9f, -1e9f, std::numeric_limits<float>::quiet_NaN(),
                    std::numeric_limits<float>::infinity()}) {
    solo->setSoloState(odd);
    EXPECT_EQ(lit(), "0101") << odd;
  }
  EXPECT_FLOAT_EQ(solo->getSoloState(), std::numeric_limits<float>::infinity());
}

}  // namespace
