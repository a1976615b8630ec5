#pragma once
// A host's editor window and a user's input to it, as the window system of this build
// has them: host/x11/editor_window_system.h (Linux) or host/win32/editor_window_system.h
// (Windows), found on the include path of lobeshift_host_window. Both have one interface:
// attach(view), remove(), pump(ms), moveTo, press, release, click, drag, wheel, pressKey
// and capture(), in the editor's coordinates.

#include "editor_window_system.h"
