#include "toolkit/platform/windows/win32_input.h"

#include <windows.h>

namespace VSTGUI::Win32 {

int32_t modifierBits(bool shift, bool control, bool alt) {
  return (shift ? kShift : 0) | (control ? kControl : 0) | (alt ? kAlt : 0);
}

int32_t buttonsOfKeyState(uintptr_t keyState, bool alt) {
  int32_t bits = modifierBits((keyState & MK_SHIFT) != 0, (keyState & MK_CONTROL) != 0, alt);
  if (keyState & MK_LBUTTON) bits |= kLButton;
  if (keyState & MK_MBUTTON) bits |= kMButton;
  if (keyState & MK_RBUTTON) bits |= kRButton;
  if (keyState & MK_XBUTTON1) bits |= kButton4;
  if (keyState & MK_XBUTTON2) bits |= kButton5;
  return bits;
}

unsigned char virtualKeyOf(unsigned int windowsKey, bool extended) {
  switch (windowsKey) {
    case VK_BACK:
      return VKEY_BACK;
    case VK_TAB:
      return VKEY_TAB;
    case VK_CLEAR:
      return VKEY_CLEAR;
    case VK_RETURN:
      return extended ? VKEY_ENTER : VKEY_RETURN;
    case VK_PAUSE:
      return VKEY_PAUSE;
    case VK_ESCAPE:
      return VKEY_ESCAPE;
    case VK_SPACE:
      return VKEY_SPACE;
    case VK_END:
      return VKEY_END;
    case VK_HOME:
      return VKEY_HOME;
    case VK_LEFT:
      return VKEY_LEFT;
    case VK_UP:
      return VKEY_UP;
    case VK_RIGHT:
      return VKEY_RIGHT;
    case VK_DOWN:
      return VKEY_DOWN;
    case VK_PRIOR:
      return VKEY_PAGEUP;
    case VK_NEXT:
      return VKEY_PAGEDOWN;
    case VK_INSERT:
      return VKEY_INSERT;
    case VK_DELETE:
      return VKEY_DELETE;
    case VK_HELP:
      return VKEY_HELP;
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
      return VKEY_SHIFT;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
      return VKEY_CONTROL;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
      return VKEY_ALT;
    default:
      break;
  }
  if (windowsKey >= VK_F1 && windowsKey <= VK_F12)
    return static_cast<unsigned char>(VKEY_F1 + (windowsKey - VK_F1));
  return 0;
}

VstKeyCode keyCodeOf(unsigned char virt, int32_t character, bool shift, bool control, bool alt) {
  VstKeyCode code;
  code.virt = virt;
  if (virt == 0) code.character = character;
  if (shift) code.modifier |= MODIFIER_SHIFT;
  if (control) code.modifier |= MODIFIER_CONTROL;
  if (alt) code.modifier |= MODIFIER_ALTERNATE;
  return code;
}

}  // namespace VSTGUI::Win32
