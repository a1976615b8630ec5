#include "toolkit/platform/native_frame.h"

#include <cstdint>

#include "platform/diagnostics.h"
#include "toolkit/platform/linux/x11_frame.h"

namespace VSTGUI {

IPlatformFrame* createNativePlatformFrame(IPlatformFrameCallback* frame, const CRect& size,
                                          double scale, void* parent, PlatformType type,
                                          IPlatformFrameConfig* config) {
  if (type != kX11EmbedWindowID && type != kDefaultNative) {
    diag::write("Editor window: platform type %d is not supported on Linux\n",
                static_cast<int>(type));
    return nullptr;
  }
  SharedPointer<X11::IRunLoop> runLoop = X11::RunLoop::get();
  if (auto* x11Config = dynamic_cast<X11::FrameConfig*>(config); x11Config && x11Config->runLoop)
    runLoop = x11Config->runLoop;
  return X11PlatformFrame::create(
      frame, size, scale, static_cast<unsigned long>(reinterpret_cast<uintptr_t>(parent)), runLoop);
}

}  // namespace VSTGUI
