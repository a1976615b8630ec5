#include "toolkit/coffscreencontext.h"

#include <cairo.h>

#include <cmath>

#include "toolkit/cbitmap.h"

namespace VSTGUI {
namespace {

int pixelCount(CCoord extent) {
  if (!(extent > 0)) return 0;
  if (extent > 32767) return 32767;
  return static_cast<int>(std::ceil(extent));
}

}  // namespace

COffscreenContext* COffscreenContext::create(CFrame* /*frame*/, CCoord width, CCoord height) {
  // Every back end composites from image surfaces, so one kind of offscreen serves all.
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelCount(width), pixelCount(height));
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
