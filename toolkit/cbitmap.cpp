#include "toolkit/cbitmap.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
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

std::uint32_t bigEndian(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
         static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

// The size a PNG's header gives: its signature, then the IHDR chunk with width and height.
bool pngSize(const platform::Resource& resource, int& width, int& height) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (resource.size < 24 || std::memcmp(resource.data, kSignature, 8) != 0 ||
      std::memcmp(resource.data + 12, "IHDR", 4) != 0)
    return false;
  const std::uint32_t w = bigEndian(resource.data + 16), h = bigEndian(resource.data + 20);
  if (w == 0 || h == 0 || w > 32767 || h > 32767) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

// The embedded PNG of that name decoded, or nullptr: with a diagnostic line when it cannot
// be decoded, or is missing and `required`.
cairo_surface_t* decodePng(const std::string& name, bool required) {
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
  platform::Resource resource;
  int width = 0, height = 0;
  if (!platform::findResource(name_.c_str(), "PNG", resource)) {
    diag::write("Bitmap '%s' not found among the embedded resources\n", name_.c_str());
  } else if (!pngSize(resource, width, height)) {
    diag::write("Bitmap '%s' is not a readable PNG image: no PNG header\n", name_.c_str());
  } else {
    width_ = width;
    height_ = height;
    loaded_ = true;
    return;
  }
  decoded_ = doubleLooked_ = true;  // nothing to decode or stand in for
}

CBitmap::CBitmap(CCoord width, CCoord height) : decoded_(true), doubleLooked_(true) {
  keepSurface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelCount(width), pixelCount(height)));
}

CBitmap::CBitmap(cairo_surface_t* surface) : decoded_(true), doubleLooked_(true) {
  if (surface) keepSurface(cairo_surface_reference(surface));
}

void CBitmap::keepSurface(cairo_surface_t* surface) {
  surface_ = surface;
  loaded_ = true;
  width_ = cairo_image_surface_get_width(surface) / deviceScaleOf(surface);
  height_ = cairo_image_surface_get_height(surface) / deviceScaleOf(surface);
}

CBitmap::~CBitmap() {
  if (surface_) cairo_surface_destroy(surface_);
  if (doubleSurface_) cairo_surface_destroy(doubleSurface_);
}

cairo_surface_t* CBitmap::getSurface() const {
  if (!decoded_) {
    decoded_ = true;
    surface_ = decodePng(name_, true);
  }
  return surface_;
}

cairo_surface_t* CBitmap::getSurface(double scale) {
  if (!loaded_) return nullptr;
  if (!(scale > 1)) return getSurface();
  if (!doubleLooked_) {
    doubleLooked_ = true;
    doubleSurface_ = decodePng(doubleResolutionName(name_), false);
    if (doubleSurface_)
      cairo_surface_set_device_scale(doubleSurface_, kDoubleResolution, kDoubleResolution);
  }
  return doubleSurface_ ? doubleSurface_ : getSurface();
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha) {
  if (!context || !loaded_) return;
  if (cairo_surface_t* image = getSurface(context->getScaleFactor()))
    context->drawSurface(image, rect, offset, alpha);
}

}  // namespace VSTGUI
