#include "toolkit/platform/paint_buffer.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace VSTGUI {
namespace {

// Beyond this many separate rectangles one enclosing rectangle paints faster.
constexpr std::size_t kMaxSeparateRects = 16;

int wholePixels(CCoord extent) {
  return extent > 0 ? static_cast<int>(std::ceil(std::min(extent, 32767.0))) : 0;
}

}  // namespace

PaintBuffer::PaintBuffer(IPlatformFrameCallback* frame, const CRect& size)
    : frame_(frame),
      width_(wholePixels(size.getWidth())),
      height_(wholePixels(size.getHeight())),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_)) {}

PaintBuffer::~PaintBuffer() { cairo_surface_destroy(surface_); }

void PaintBuffer::invalidate(const CRect& rect) {
  CRect area(std::floor(rect.left), std::floor(rect.top), std::ceil(rect.right),
             std::ceil(rect.bottom));
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
  CDrawContext context(surface_);
  cairo_t* cairo = cairo_create(surface_);
  cairo_set_operator(cairo, CAIRO_OPERATOR_CLEAR);
  for (const CRect& rect : rects)
    cairo_rectangle(cairo, rect.left, rect.top, rect.getWidth(), rect.getHeight());
  cairo_fill(cairo);
  cairo_destroy(cairo);
  for (const CRect& rect : rects) {
    context.setOffset(CPoint());
    context.setClipRect(rect);
    frame_->platformDrawRect(&context, rect);
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
