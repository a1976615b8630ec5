#include "toolkit/platform/linux/x11_input.h"

#include <gtest/gtest.h>

// Last: Xlib's macros would clash with the headers above.
#include <X11/X.h>
#include <X11/keysym.h>

namespace {

using namespace VSTGUI;

TEST(X11Input, ButtonsAndModifiersMapToTheToolkitsBits) {
  EXPECT_EQ(X11::buttonBit(1), kLButton);
  EXPECT_EQ(X11::buttonBit(2), kMButton);
  EXPECT_EQ(X11::buttonBit(3), kRButton);
  EXPECT_EQ(X11::buttonBit(8), kButton4);
  EXPECT_EQ(X11::buttonBit(9), kButton5);
  EXPECT_EQ(X11::buttonBit(4), 0);  // wheel steps are no buttons
  EXPECT_EQ(X11::buttonsOfState(Button1Mask | Button3Mask | ShiftMask | ControlMask | Mod1Mask),
            kLButton | kRButton | kShift | kControl | kAlt);
  EXPECT_EQ(X11::modifiersOfState(Button1Mask | ShiftMask), kShift);
}

TEST(X11Input, WheelButtonsGiveStepsOnTheirAxis) {
  CMouseWheelAxis axis = kMouseWheelAxisX;
  float distance = 0;
  ASSERT_TRUE(X11::wheelOfButton(4, axis, distance));
  EXPECT_EQ(axis, kMouseWheelAxisY);
  EXPECT_EQ(distance, 1.f);
  ASSERT_TRUE(X11::wheelOfButton(5, axis, distance));
  EXPECT_EQ(distance, -1.f);
  ASSERT_TRUE(X11::wheelOfButton(7, axis, distance));
  EXPECT_EQ(axis, kMouseWheelAxisX);
  EXPECT_FALSE(X11::wheelOfButton(1, axis, distance));
}

TEST(X11Input, KeysBecomeVirtualKeysOrCharacters) {
  const VstKeyCode up = X11::keyCodeOf(XK_Up, 0, ShiftMask);
  EXPECT_EQ(up.virt, VKEY_UP);
  EXPECT_EQ(up.character, 0);
  EXPECT_EQ(up.modifier, MODIFIER_SHIFT);
  EXPECT_EQ(X11::keyCodeOf(XK_KP_Left, 0, 0).virt, VKEY_LEFT);
  EXPECT_EQ(X11::keyCodeOf(XK_Return, '\r', 0).virt, VKEY_RETURN);
  EXPECT_EQ(X11::keyCodeOf(XK_F5, 0, 0).virt, VKEY_F5);
  const VstKeyCode letter = X11::keyCodeOf(XK_a, 'a', ControlMask | Mod1Mask);
  EXPECT_EQ(letter.virt, 0);
  EXPECT_EQ(letter.character, 'a');
  EXPECT_EQ(letter.modifier, MODIFIER_CONTROL | MODIFIER_ALTERNATE);
}

}  // namespace
