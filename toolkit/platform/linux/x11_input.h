#pragma once
// Translation of X11 input (button numbers, state masks, key symbols) into the
// toolkit's button states and key codes.

#include <cstdint>

#include "toolkit/cbuttonstate.h"
#include "toolkit/vstkeycode.h"

namespace VSTGUI::X11 {

// The toolkit bit of a pointer button (1 left, 2 middle, 3 right, 8 and 9 the extra
// buttons); 0 for the wheel buttons 4 to 7 and anything else.
int32_t buttonBit(unsigned int button);
// The held buttons and modifier keys of an X state mask.
int32_t buttonsOfState(unsigned int state);
int32_t modifiersOfState(unsigned int state);
// Wheel buttons: 4 up (+1), 5 down (-1), 6 left and 7 right on the horizontal axis.
bool wheelOfButton(unsigned int button, CMouseWheelAxis& axis, float& distance);
// A key code from a key symbol, the character it typed (0 if none) and the state mask.
VstKeyCode keyCodeOf(unsigned long keysym, int32_t character, unsigned int state);

}  // namespace VSTGUI::X11
