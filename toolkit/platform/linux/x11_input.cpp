#include "toolkit/platform/linux/x11_input.h"

#include <X11/X.h>
#include <X11/keysym.h>

namespace VSTGUI::X11 {

int32_t buttonBit(unsigned int button) {
  switch (button) {
    case Button1:
      return kLButton;
    case Button2:
      return kMButton;
    case Button3:
      return kRButton;
    case 8:
      return kButton4;
    case 9:
      return kButton5;
    default:
      return 0;
  }
}

int32_t modifiersOfState(unsigned int state) {
  int32_t bits = 0;
  if (state & ShiftMask) bits |= kShift;
  if (state & ControlMask) bits |= kControl;
  if (state & Mod1Mask) bits |= kAlt;
  return bits;
}

int32_t buttonsOfState(unsigned int state) {
  int32_t bits = modifiersOfState(state);
  if (state & Button1Mask) bits |= kLButton;
  if (state & Button2Mask) bits |= kMButton;
  if (state & Button3Mask) bits |= kRButton;
  return bits;
}

bool wheelOfButton(unsigned int button, CMouseWheelAxis& axis, float& distance) {
  switch (button) {
    case Button4:
      axis = kMouseWheelAxisY;
      distance = 1.f;
      return true;
    case Button5:
      axis = kMouseWheelAxisY;
      distance = -1.f;
      return true;
    case 6:
      axis = kMouseWheelAxisX;
      distance = 1.f;
      return true;
    case 7:
      axis = kMouseWheelAxisX;
      distance = -1.f;
      return true;
    default:
      return false;
  }
}

namespace {

unsigned char virtualKeyOf(unsigned long keysym) {
  switch (keysym) {
    case XK_BackSpace:
      return VKEY_BACK;
    case XK_Tab:
    case XK_ISO_Left_Tab:
      return VKEY_TAB;
    case XK_Clear:
      return VKEY_CLEAR;
    case XK_Return:
      return VKEY_RETURN;
    case XK_Pause:
      return VKEY_PAUSE;
    case XK_Escape:
      return VKEY_ESCAPE;
    case XK_space:
      return VKEY_SPACE;
    case XK_End:
    case XK_KP_End:
      return VKEY_END;
    case XK_Home:
    case XK_KP_Home:
      return VKEY_HOME;
    case XK_Left:
    case XK_KP_Left:
      return VKEY_LEFT;
    case XK_Up:
    case XK_KP_Up:
      return VKEY_UP;
    case XK_Right:
    case XK_KP_Right:
      return VKEY_RIGHT;
    case XK_Down:
    case XK_KP_Down:
      return VKEY_DOWN;
    case XK_Page_Up:
    case XK_KP_Page_Up:
      return VKEY_PAGEUP;
    case XK_Page_Down:
    case XK_KP_Page_Down:
      return VKEY_PAGEDOWN;
    case XK_KP_Enter:
      return VKEY_ENTER;
    case XK_Insert:
    case XK_KP_Insert:
      return VKEY_INSERT;
    case XK_Delete:
    case XK_KP_Delete:
      return VKEY_DELETE;
    case XK_Help:
      return VKEY_HELP;
    case XK_Shift_L:
    case XK_Shift_R:
      return VKEY_SHIFT;
    case XK_Control_L:
    case XK_Control_R:
      return VKEY_CONTROL;
    case XK_Alt_L:
    case XK_Alt_R:
      return VKEY_ALT;
    default:
      break;
  }
  if (keysym >= XK_F1 && keysym <= XK_F12)
    return static_cast<unsigned char>(VKEY_F1 + (keysym - XK_F1));
  return 0;
}

}  // namespace

VstKeyCode keyCodeOf(unsigned long keysym, int32_t character, unsigned int state) {
  VstKeyCode code;
  code.virt = virtualKeyOf(keysym);
  if (code.virt == 0) code.character = character;
  if (state & ShiftMask) code.modifier |= MODIFIER_SHIFT;
  if (state & ControlMask) code.modifier |= MODIFIER_CONTROL;
  if (state & Mod1Mask) code.modifier |= MODIFIER_ALTERNATE;
  return code;
}

}  // namespace VSTGUI::X11
