#include "toolkit/coffscreencontext.h"

#include <cairo.h>

#include "toolkit/cbitmap.h"
#include "toolkit/cframe.h"
#include "toolkit/device_scale.h"

namespace VSTGUI {

COffscreenContext* COffscreenContext::create(CFrame* frame, CCoord width, CCoord height) {
  // Every back end composites from image surfaces, so one kind of offscreen serves all.
  // Drawn at the frame's device scale, so that what is drawn here is as sharp as the rest.
  const double scale = frame ? frame->getZoom() : 1.0;
  cairo_surface_t* surface = cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, deviceExtent(width, scale), deviceExtent(height, scale));
  cairo_surface_set_device_scale(surface, scale, scale);
  auto* context = new COffscreenContext(surface);
  cairo_surface_destroy(surface);  // the context holds its own reference
  return context;
}

COffscreenContext::COffscreenContext(cairo_surface_t* surface) : CDrawContext(surface) {}

void COffscreenContext::copyFrom(CDrawContext* dest, CRect destRect, CPoint srcOffset) {
  if (!dest) return;
  endDraw();
  dest->drawSurface(getSurface(), destRect, srcOffset, 1.f);
}

CBitmap* COffscreenContext::getBitmap() const {
  cairo_surface_flush(getSurface());
  return new CBitmap(getSurface());
}

}  // namespace VSTGUI
