#include <gtest/gtest.h>

#include <cmath>

#include "toolkit/vstgui.h"

namespace {

using namespace VSTGUI;

TEST(Geometry, RectanglesMoveShrinkAndIntersect) {
  CRect rect(10, 20, 50, 60);
  EXPECT_EQ(rect.getWidth(), 40);
  EXPECT_EQ(rect.getCenter(), CPoint(30, 40));
  EXPECT_EQ(CRect(rect).offset(5, -5), CRect(15, 15, 55, 55));
  EXPECT_EQ(CRect(rect).inset(10, 5), CRect(20, 25, 40, 55));
  EXPECT_EQ(CRect(rect).inset(-10, -10), CRect(0, 10, 60, 70));
  EXPECT_EQ(CRect(rect).moveTo(0, 0), CRect(0, 0, 40, 40));
  EXPECT_EQ(CRect(rect).bound(CRect(0, 0, 30, 30)), CRect(10, 20, 30, 30));
  EXPECT_TRUE(CRect(rect).bound(CRect(100, 100, 200, 200)).isEmpty());
  EXPECT_EQ(CRect(0, 0, 1, 1).unite(CRect(5, 5, 6, 6)), CRect(0, 0, 6, 6));
  EXPECT_EQ(CRect().unite(CRect(5, 5, 6, 6)), CRect(5, 5, 6, 6));
}

TEST(Geometry, ContainmentIncludesLeftAndTopEdgesOnly) {
  const CRect rect(0, 0, 10, 10);
  EXPECT_TRUE(rect.pointInside(CPoint(0, 0)));
  EXPECT_TRUE(CPoint(9.9, 9.9).isInside(rect));
  EXPECT_FALSE(rect.pointInside(CPoint(10, 5)));
  EXPECT_FALSE(rect.pointInside(CPoint(5, 10)));
  EXPECT_FALSE(rect.pointInside(CPoint(std::nan(""), 5)));
  EXPECT_TRUE(rect.rectOverlap(CRect(9, 9, 20, 20)));
  EXPECT_FALSE(rect.rectOverlap(CRect(10, 0, 20, 10)));  // touching is not overlapping
}

TEST(Geometry, ButtonStateSeparatesButtonsFromModifiers) {
  EXPECT_EQ(kShift, 1 << 4);  // the frames test Shift as bit 4
  const CButtonState state(kLButton | kShift | kAlt);
  EXPECT_TRUE(state.isLeftButton());
  EXPECT_FALSE(state.isRightButton());
  EXPECT_EQ(state.getButtonState(), kLButton);
  EXPECT_EQ(state.getModifierState(), kShift | kAlt);
  EXPECT_TRUE(state & kShift);
  EXPECT_FALSE(state & kControl);
  EXPECT_EQ(state(), kLButton | kShift | kAlt);
  EXPECT_EQ(CButtonState(kButton4 | kButton5 | kMButton).getButtonState(),
            kButton4 | kButton5 | kMButton);
}

TEST(Geometry, ColoursAreBytesWithOpaqueDefault) {
  const CColor grey(127, 127, 127);
  EXPECT_EQ(grey.alpha, 255);
  EXPECT_EQ(MakeCColor(10, 10, 10, 200), CColor(10, 10, 10, 200));
  EXPECT_EQ(grey, kGreyCColor);
  EXPECT_NE(grey, CColor(127, 127, 127, 0));
}

}  // namespace
