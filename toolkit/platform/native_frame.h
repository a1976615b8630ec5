#pragma once
// The window back end of the system the toolkit is built for (toolkit/platform/<platform>/):
// X11 child windows on Linux, child HWNDs on Windows.

#include "toolkit/platform/iplatformframe.h"

namespace VSTGUI {

// The native platform frame of `type` (kDefaultNative names the system's own kind) in the
// system window `parent`; nullptr, with a diagnostic line, when the type is not this
// system's or the window cannot be opened.
IPlatformFrame* createNativePlatformFrame(IPlatformFrameCallback* frame, const CRect& size,
                                          double scale, void* parent, PlatformType type,
                                          IPlatformFrameConfig* config);

}  // namespace VSTGUI
