#include "toolkit/platform/native_frame.h"
#include "toolkit/platform/offscreen_frame.h"

namespace VSTGUI {

IPlatformFrame* createPlatformFrame(IPlatformFrameCallback* frame, const CRect& size, double scale,
                                    void* parent, PlatformType type, IPlatformFrameConfig* config) {
  if (type == kOffscreen) return new OffscreenPlatformFrame(frame, size, scale);
  return createNativePlatformFrame(frame, size, scale, parent, type, config);
}

}  // namespace VSTGUI
