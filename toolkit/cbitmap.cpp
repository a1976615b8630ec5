#include "toolkit/cbitmap.h"

#include <cairo.h>

#include <cmath>
#include <cstring>

#include "platform/diagnostics.h"
#include "platform/resources.h"
#include "toolkit/bitmap_resolutions.h"
#include "toolkit/cdrawcontext.h"

namespace VSTGUI {
namespace {

struct PngReader {
  const unsigned char* data;
  std::size_t size;
  std::size_t position;
};

cairo_status_t readPngBytes(void* closure, unsigned char* out, unsigned int length) {
  auto* reader = static_cast<PngReader*>(closure);
  if (reader->size - reader->position < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, reader->data + reader->position, length);
  reader->position += length;
  return CAIRO_STATUS_SUCCESS;
}

// The embedded PNG of that name, or nullptr: with a diagnostic line when `required`.
cairo_surface_t* loadPng(const std::string& name, bool required) {
  platform::Resource resource;
  if (!platform::findResource(name.c_str(), "PNG", resource)) {
    if (required) diag::write("Bitmap '%s' not found among the embedded resources\n", name.c_str());
    return nullptr;
  }
  PngReader reader{resource.data, resource.size, 0};
  cairo_surface_t* image = cairo_image_surface_create_from_png_stream(readPngBytes, &reader);
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    diag::write("Bitmap '%s' is not a readable PNG image: %s\n", name.c_str(),
                cairo_status_to_string(cairo_surface_status(image)));
    cairo_surface_destroy(image);
    return nullptr;
  }
  return image;
}

double deviceScaleOf(cairo_surface_t* surface) {
  double x = 1, y = 1;
  cairo_surface_get_device_scale(surface, &x, &y);
  return x > 0 ? x : 1;
}

int pixelCount(CCoord extent) {
  if (!(extent > 0)) return 0;
  if (extent > 32767) return 32767;
  return static_cast<int>(std::ceil(extent));
}

}  // namespace

CBitmap::CBitmap(UTF8StringPtr resourceName) : name_(resourceName ? resourceName : "") {
  surface_ = loadPng(name_, true);
  doubleLooked_ = surface_ == nullptr;  // nothing to stand in for
}

CBitmap::CBitmap(CCoord width, CCoord height) : doubleLooked_(true) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelCount(width), pixelCount(height));
}

CBitmap::CBitmap(cairo_surface_t* surface) : doubleLooked_(true) {
  if (surface) surface_ = cairo_surface_reference(surface);
}

CBitmap::~CBitmap() {
  if (surface_) cairo_surface_destroy(surface_);
  if (doubleSurface_) cairo_surface_destroy(doubleSurface_);
}

CCoord CBitmap::getWidth() const {
  return surface_ ? cairo_image_surface_get_width(surface_) / deviceScaleOf(surface_) : 0;
}

CCoord CBitmap::getHeight() const {
  return surface_ ? cairo_image_surface_get_height(surface_) / deviceScaleOf(surface_) : 0;
}

cairo_surface_t* CBitmap::getSurface(double scale) {
  if (!(scale > 1)) return surface_;
  if (!doubleLooked_) {
    doubleLooked_ = true;
    doubleSurface_ = loadPng(doubleResolutionName(name_), false);
    if (doubleSurface_)
      cairo_surface_set_device_scale(doubleSurface_, kDoubleResolution, kDoubleResolution);
  }
  return doubleSurface_ ? doubleSurface_ : surface_;
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha) {
  if (!context || !surface_) return;
  context->drawSurface(getSurface(context->getScaleFactor()), rect, offset, alpha);
}

}  // namespace VSTGUI
