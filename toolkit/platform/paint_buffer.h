#pragma once
// The image a platform frame paints into: it collects the rectangles that need
// repainting and repaints them all in one pass, each cleared and then drawn by the
// frame. Window back ends copy the repainted rectangles to the screen (double
// buffering); the offscreen back end is this image.
//
// The image is the frame's size times its device scale (toolkit/device_scale.h), with
// cairo's device scale set, so the frame draws in its own coordinates at the device's
// resolution. Rectangles are marked in frame coordinates and handed back, once painted,
// in device pixels.

#include <vector>

#include "toolkit/ccolor.h"
#include "toolkit/platform/iplatformframe.h"

namespace VSTGUI {

class PaintBuffer {
 public:
  PaintBuffer(IPlatformFrameCallback* frame, const CRect& size, double scale = 1.0);
  ~PaintBuffer();
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;

  // A new device scale: the image is made again at its new size and marked whole.
  void setScale(double scale);
  double getScale() const { return scale_; }

  // Marks a rectangle (frame coordinates); overlapping marks merge, and too many become one.
  void invalidate(const CRect& rect);
  bool hasInvalid() const { return !invalid_.empty(); }
  // Repaints every marked rectangle and returns them (whole device pixels); nothing once
  // the frame is detached.
  std::vector<CRect> paint();
  void detachFrame() { frame_ = nullptr; }

  cairo_surface_t* getSurface() const { return surface_; }
  // The image's size in device pixels.
  int getWidth() const { return width_; }
  int getHeight() const { return height_; }
  // The colour at device pixel (x, y), not premultiplied; transparent outside the image.
  CColor getPixel(int x, int y) const;

 private:
  void makeSurface();

  IPlatformFrameCallback* frame_;
  CRect size_;
  double scale_;
  int width_ = 0;
  int height_ = 0;
  cairo_surface_t* surface_ = nullptr;
  std::vector<CRect> invalid_;  // in device pixels
};

}  // namespace VSTGUI
