#pragma once
// The image a platform frame paints into: it collects the rectangles that need
// repainting and repaints them all in one pass, each cleared and then drawn by the
// frame. Window back ends copy the repainted rectangles to the screen (double
// buffering); the offscreen back end is this image.

#include <vector>

#include "toolkit/ccolor.h"
#include "toolkit/platform/iplatformframe.h"

namespace VSTGUI {

class PaintBuffer {
 public:
  PaintBuffer(IPlatformFrameCallback* frame, const CRect& size);
  ~PaintBuffer();
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;

  // Marks a rectangle; overlapping marks merge, and too many become one.
  void invalidate(const CRect& rect);
  bool hasInvalid() const { return !invalid_.empty(); }
  // Repaints every marked rectangle and returns them (whole pixels); nothing once the
  // frame is detached.
  std::vector<CRect> paint();
  void detachFrame() { frame_ = nullptr; }

  cairo_surface_t* getSurface() const { return surface_; }
  int getWidth() const { return width_; }
  int getHeight() const { return height_; }
  // The colour at (x, y), not premultiplied; transparent outside the image.
  CColor getPixel(int x, int y) const;

 private:
  IPlatformFrameCallback* frame_;
  int width_;
  int height_;
  cairo_surface_t* surface_;
  std::vector<CRect> invalid_;
};

}  // namespace VSTGUI
