#pragma once
// A PNG file's pixels, as the editor tests compare pictures: the snapshot tool's
// renderings with what a window shows, and with the pictures committed to docs/.

#include <cairo.h>

#include <cstdlib>
#include <string>

#include "host/editor_window.h"

namespace editor_test {

// Empty (width 0) when the file cannot be read as PNG.
inline host::Screenshot readPng(const std::string& path) {
  host::Screenshot shot;
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(image);
    shot.width = cairo_image_surface_get_width(image);
    shot.height = cairo_image_surface_get_height(image);
    const int stride = cairo_image_surface_get_stride(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    for (int y = 0; y < shot.height; ++y) {
      for (int x = 0; x < shot.width; ++x) {
        const auto argb = *reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x);
        shot.pixels.push_back({static_cast<std::uint8_t>(argb >> 16),
                               static_cast<std::uint8_t>(argb >> 8),
                               static_cast<std::uint8_t>(argb)});
      }
    }
  }
  cairo_surface_destroy(image);
  return shot;
}

// The share of pixels that differ by more than `tolerance` in a channel; 1 when the
// pictures differ in size or are empty.
inline double differingShare(const host::Screenshot& a, const host::Screenshot& b,
                             int tolerance = 24) {
  if (a.width != b.width || a.height != b.height || a.pixels.empty()) return 1.0;
  std::size_t differing = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) {
    const host::Rgb p = a.pixels[i], q = b.pixels[i];
    if (std::abs(p.red - q.red) > tolerance || std::abs(p.green - q.green) > tolerance ||
        std::abs(p.blue - q.blue) > tolerance)
      ++differing;
  }
  return static_cast<double>(differing) / static_cast<double>(a.pixels.size());
}

}  // namespace editor_test
