#include "toolkit/platform/native_frame.h"

#include <windows.h>

#include "platform/diagnostics.h"
#include "toolkit/platform/windows/win32_frame.h"

namespace VSTGUI {

IPlatformFrame* createNativePlatformFrame(IPlatformFrameCallback* frame, const CRect& size,
                                          double scale, void* parent, PlatformType type,
                                          IPlatformFrameConfig* /*config*/) {
  if (type != kHWND && type != kDefaultNative) {
    diag::write("Editor window: platform type %d is not supported on Windows\n",
                static_cast<int>(type));
    return nullptr;
  }
  return Win32PlatformFrame::create(frame, size, scale, static_cast<HWND>(parent));
}

}  // namespace VSTGUI
