#include <cstdint>

#include "platform/diagnostics.h"
#include "toolkit/platform/offscreen_frame.h"
#include "toolkit/platform/x11_frame.h"

namespace VSTGUI {

IPlatformFrame* createPlatformFrame(IPlatformFrameCallback* frame, const CRect& size, void* parent, PlatformType type,
                                    IPlatformFrameConfig* config) {
  switch (type) {
    case kOffscreen:
      return new OffscreenPlatformFrame(frame, size);
    case kX11EmbedWindowID:
    case kDefaultNative: {
      SharedPointer<X11::IRunLoop> runLoop = X11::RunLoop::get();
      if (auto* x11Config = dynamic_cast<X11::FrameConfig*>(config); x11Config && x11Config->runLoop)
        runLoop = x11Config->runLoop;
      return X11PlatformFrame::create(frame, size, static_cast<unsigned long>(reinterpret_cast<uintptr_t>(parent)),
                                      runLoop);
    }
  }
  diag::write("Editor window: platform type %d is not supported\n", static_cast<int>(type));
  return nullptr;
}

}  // namespace VSTGUI
