#include "toolkit/platform/offscreen_frame.h"

#include <cairo.h>

#include "platform/diagnostics.h"
#include "toolkit/cframe.h"

namespace VSTGUI {

OffscreenPlatformFrame::OffscreenPlatformFrame(IPlatformFrameCallback* frame, const CRect& size,
                                               double scale)
    : buffer_(frame, size, scale) {}

bool OffscreenPlatformFrame::writePNG(const char* path) const {
  cairo_surface_flush(buffer_.getSurface());
  const cairo_status_t status = cairo_surface_write_to_png(buffer_.getSurface(), path);
  if (status == CAIRO_STATUS_SUCCESS) return true;
  diag::write("Could not write '%s': %s\n", path, cairo_status_to_string(status));
  return false;
}

OffscreenPlatformFrame* OffscreenPlatformFrame::of(const CFrame* frame) {
  IPlatformFrame* platformFrame = frame ? frame->getPlatformFrame() : nullptr;
  if (!platformFrame || platformFrame->getPlatformType() != kOffscreen) return nullptr;
  return static_cast<OffscreenPlatformFrame*>(platformFrame);
}

}  // namespace VSTGUI
