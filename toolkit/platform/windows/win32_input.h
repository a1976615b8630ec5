#pragma once
// Translation of Win32 input (the key state of mouse messages, virtual-key codes) into the
// toolkit's button states and key codes, as platform/linux/x11_input.h does for X11.

#include <cstdint>

#include "toolkit/cbuttonstate.h"
#include "toolkit/vstkeycode.h"

namespace VSTGUI::Win32 {

// The modifier keys held: kShift, kControl, kAlt.
int32_t modifierBits(bool shift, bool control, bool alt);
// The held buttons and modifier keys of a mouse message's key state (its MK_* bits), with
// Alt, which the key state does not carry.
int32_t buttonsOfKeyState(uintptr_t keyState, bool alt);
// The toolkit's virtual key of a Windows virtual-key code (`extended`: the key message's
// extended-key flag, which tells the keypad's Enter from Return); 0 for keys that type a
// character, which arrive as character messages.
unsigned char virtualKeyOf(unsigned int windowsKey, bool extended);
// A key code from a toolkit virtual key (or 0) and the character typed (or 0), with the
// modifier keys held.
VstKeyCode keyCodeOf(unsigned char virt, int32_t character, bool shift, bool control, bool alt);

}  // namespace VSTGUI::Win32
