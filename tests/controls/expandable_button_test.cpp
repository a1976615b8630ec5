// The microphone selector with the editor's bitmaps: opening, the rows a release
// selects, the hover highlight and the label it shows, through the frame's routing.

#include "controls/expandable_button.h"

#include <gtest/gtest.h>

#include "controller_session.h"

namespace {

using namespace controls_test;
using Log = std::vector<std::string>;

// The omni selector where the editor puts it: 56 x 205 at (10, 52).
const CRect kFrameSize(0, 0, 90, 280);
const CRect kSelectorArea(10, 52, 66, 257);
constexpr CCoord kTop = 52;
constexpr int32_t kTag = 6;

class Selector : public ::testing::Test {
 protected:
  Selector() {
    auto* labels = new CBitmap("omniText.png");
    auto* list = new CBitmap("omniSelector.png");
    selector = new ExpandableButton(kSelectorArea, &listener, kTag, 2, labels, list, 5, 2);
    labels->forget();  // the selector keeps its own references
    list->forget();
    frame->addView(selector);
  }
  // Presses on the label strip and releases `below` pixels under the control's top.
  void chooseAt(CCoord below, CCoord x = 30) {
    press(frame.get(), CPoint(30, kTop + 4));
    moveTo(frame.get(), CPoint(x, kTop + below));
    release(frame.get(), CPoint(x, kTop + below));
  }
  bool showsLabel(int index) {
    const CRect strip(10, kTop + 2, 66, kTop + 18);
    ReferenceImage reference(kFrameSize, strip, "omniText.png", CPoint(0, 16 * index));
    return sameRegion(frame, strip, reference.frame, strip);
  }

  Log log;
  toolkit_test::RecordingListener listener{&log};
  toolkit_test::OffscreenFrame frame{kFrameSize};
  ExpandableButton* selector = nullptr;
};

TEST_F(Selector, EntryHeightComesFromTheLabelBitmap) {
  EXPECT_EQ(selector->getEntryHeight(), 16);
  EXPECT_FALSE(selector->isExpanded());
  EXPECT_FLOAT_EQ(selector->getMax(), 1.f);
}

TEST_F(Selector, AReleaseSelectsTheEntryOfItsRowAndClosesTheList) {
  selector->setValue(1);
  chooseAt(25);
  EXPECT_FLOAT_EQ(selector->getValue(), 0.f);
  EXPECT_EQ(log, (Log{"listener begin 6", "valueChanged 6", "listener end 6"}));
  EXPECT_FALSE(selector->isExpanded());
  log.clear();
  chooseAt(40);
  EXPECT_FLOAT_EQ(selector->getValue(), 1.f);
  EXPECT_EQ(listener.valueChangedCount, 2);
  chooseAt(60);      // below the last entry
  chooseAt(10);      // the header row
  chooseAt(-20);     // above the control
  chooseAt(40, 80);  // beside it
  EXPECT_FLOAT_EQ(selector->getValue(), 1.f);
  EXPECT_EQ(listener.valueChangedCount, 2);
  EXPECT_FALSE(selector->isExpanded());
  chooseAt(40);  // the current entry is sent again
  EXPECT_EQ(listener.valueChangedCount, 3);
}

TEST_F(Selector, OnlyALeftPressOnTheLabelStripOpensTheList) {
  EXPECT_EQ(press(frame.get(), CPoint(30, kTop + 17)), kMouseEventNotHandled);
  EXPECT_FALSE(selector->isExpanded());
  EXPECT_EQ(press(frame.get(), CPoint(30, kTop + 3), kRButton), kMouseEventNotHandled);
  EXPECT_FALSE(selector->isExpanded());
  EXPECT_EQ(press(frame.get(), CPoint(30, kTop + 16)), kMouseEventHandled);
  EXPECT_TRUE(selector->isExpanded());
  release(frame.get(), CPoint(30, kTop + 16));
  EXPECT_FALSE(selector->isExpanded());
}

TEST_F(Selector, TheRowUnderThePointerIsHighlightedOnlyInsideTheControl) {
  press(frame.get(), CPoint(30, kTop + 4));
  moveTo(frame.get(), CPoint(80, kTop + 25));  // beside the control: no highlight
  EXPECT_EQ(selector->getHoverRow(), -1);
  const CColor plain = frame.pixel(30, kTop + 25);
  ReferenceImage open(kFrameSize, CRect(10, kTop + 2, 66, kTop + 18), "omniText.png", CPoint(0, 0));
  open.addLayer(kSelectorArea, "omniSelector.png", CPoint(0, 0));
  EXPECT_TRUE(sameRegion(frame, kSelectorArea, open.frame, kSelectorArea));

  moveTo(frame.get(), CPoint(30, kTop + 25));  // row 1, entry 0
  EXPECT_EQ(selector->getHoverRow(), 1);
  const CColor highlighted = frame.pixel(30, kTop + 25);
  EXPECT_LT(highlighted.red + highlighted.green + highlighted.blue,
            plain.red + plain.green + plain.blue);
  EXPECT_FALSE(sameRegion(frame, kSelectorArea, open.frame, kSelectorArea));

  moveTo(frame.get(), CPoint(5, kTop + 25));  // out again to the left
  EXPECT_TRUE(sameRegion(frame, kSelectorArea, open.frame, kSelectorArea));
  release(frame.get(), CPoint(5, kTop + 25));
  EXPECT_FLOAT_EQ(selector->getValue(), 0.f);
  EXPECT_EQ(listener.valueChangedCount, 0);
}

TEST_F(Selector, ClosedItShowsTheLabelOfTheSelectedEntry) {
  EXPECT_TRUE(showsLabel(0));
  EXPECT_FALSE(showsLabel(1));
  selector->setValue(1);
  EXPECT_TRUE(showsLabel(1));
  selector->setValue(1.9f);  // a value past the last entry stays on it
  EXPECT_TRUE(showsLabel(1));
  selector->setValue(-3);
  EXPECT_TRUE(showsLabel(0));
}

TEST_F(Selector, TakesTheFocusButHandlesNoKey) {
  click(frame.get(), CPoint(30, kTop + 4));
  ASSERT_EQ(frame->getFocusView(), selector);
  EXPECT_EQ(key(frame.get(), VKEY_DOWN), -1);
  EXPECT_EQ(key(frame.get(), VKEY_RETURN), -1);
  EXPECT_FLOAT_EQ(selector->getValue(), 0.f);
}

TEST(SelectorWithoutBitmaps, DrawsNothingAndStillSelects) {
  Log log;
  toolkit_test::RecordingListener listener(&log);
  toolkit_test::OffscreenFrame frame(kFrameSize);
  auto* selector = new ExpandableButton(kSelectorArea, &listener, kTag, 2, nullptr, nullptr, 5, 2);
  frame->addView(selector);
  EXPECT_EQ(frame.pixel(30, kTop + 10), toolkit_test::kBackground);
  const CCoord row = selector->getEntryHeight();
  ASSERT_GT(row, 0);
  press(frame.get(), CPoint(30, kTop + 1));
  EXPECT_TRUE(selector->isExpanded());
  EXPECT_EQ(frame.pixel(30, kTop + 10), toolkit_test::kBackground);
  release(frame.get(), CPoint(30, kTop + 5 + 2.5 * row));
  EXPECT_FLOAT_EQ(selector->getValue(), 1.f);
  EXPECT_EQ(listener.valueChangedCount, 1);
}

}  // namespace
