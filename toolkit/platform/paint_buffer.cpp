#include "toolkit/platform/paint_buffer.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "toolkit/device_scale.h"

namespace VSTGUI {
namespace {

// Beyond this many separate rectangles one enclosing rectangle paints faster.
constexpr std::size_t kMaxSeparateRects = 16;

}  // namespace

PaintBuffer::PaintBuffer(IPlatformFrameCallback* frame, const CRect& size, double scale)
    : frame_(frame), size_(size), scale_(isUsableScale(scale) ? scale : 1.0) {
  makeSurface();
}

PaintBuffer::~PaintBuffer() { cairo_surface_destroy(surface_); }

void PaintBuffer::makeSurface() {
  if (surface_) cairo_surface_destroy(surface_);
  width_ = deviceExtent(size_.getWidth(), scale_);
  height_ = deviceExtent(size_.getHeight(), scale_);
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
  cairo_surface_set_device_scale(surface_, scale_, scale_);
}

void PaintBuffer::setScale(double scale) {
  if (!isUsableScale(scale) || scale == scale_) return;
  scale_ = scale;
  makeSurface();
  invalid_.assign(1, CRect(0, 0, width_, height_));
}

void PaintBuffer::invalidate(const CRect& rect) {
  CRect area(std::floor(rect.left * scale_), std::floor(rect.top * scale_),
             std::ceil(rect.right * scale_), std::ceil(rect.bottom * scale_));
  area.bound(CRect(0, 0, width_, height_));
  if (area.isEmpty()) return;
  // Absorb every marked rectangle that touches the new one, until none does.
  for (bool merged = true; merged;) {
    merged = false;
    for (auto it = invalid_.begin(); it != invalid_.end(); ++it) {
      if (it->rectOverlap(area) || it->rectInside(area) || area.rectInside(*it)) {
        area.unite(*it);
        invalid_.erase(it);
        merged = true;
        break;
      }
    }
  }
  invalid_.push_back(area);
  if (invalid_.size() > kMaxSeparateRects) {
    CRect all;
    for (const CRect& r : invalid_) all.unite(r);
    invalid_.assign(1, all);
  }
}

std::vector<CRect> PaintBuffer::paint() {
  std::vector<CRect> rects;
  rects.swap(invalid_);  // marks made while painting wait for the next pass
  if (rects.empty() || !frame_) return {};
  // The frame draws in its own coordinates: a device rectangle divided by the scale,
  // whose edges still fall on whole device pixels.
  auto inFrame = [this](const CRect& rect) {
    return CRect(rect.left / scale_, rect.top / scale_, rect.right / scale_, rect.bottom / scale_);
  };
  CDrawContext context(surface_);
  cairo_t* cairo = cairo_create(surface_);
  cairo_set_operator(cairo, CAIRO_OPERATOR_CLEAR);
  cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
  for (const CRect& rect : rects) {
    const CRect area = inFrame(rect);
    cairo_rectangle(cairo, area.left, area.top, area.getWidth(), area.getHeight());
  }
  cairo_fill(cairo);
  cairo_destroy(cairo);
  for (const CRect& rect : rects) {
    const CRect area = inFrame(rect);
    context.setOffset(CPoint());
    context.setClipRect(area);
    frame_->platformDrawRect(&context, area);
  }
  context.endDraw();
  return rects;
}

CColor PaintBuffer::getPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CColor(0, 0, 0, 0);
  cairo_surface_flush(surface_);
  const unsigned char* row =
      cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
  uint32_t pixel;
  std::memcpy(&pixel, row + 4 * x, sizeof pixel);
  const uint8_t alpha = static_cast<uint8_t>(pixel >> 24);
  if (alpha == 0) return CColor(0, 0, 0, 0);
  auto channel = [&](int shift) {
    const unsigned premultiplied = (pixel >> shift) & 0xFF;
    return static_cast<uint8_t>(std::min(255u, (premultiplied * 255 + alpha / 2) / alpha));
  };
  return CColor(channel(16), channel(8), channel(0), alpha);
}

}  // namespace VSTGUI
