#pragma once
// The offscreen back end: the frame lives in an image in memory. idle() repaints what
// is invalid into it; tests read its pixels and tools save it as PNG.

#include "toolkit/platform/paint_buffer.h"

namespace VSTGUI {

class CFrame;

class OffscreenPlatformFrame : public IPlatformFrame {
 public:
  OffscreenPlatformFrame(IPlatformFrameCallback* frame, const CRect& size, double scale = 1.0);

  void invalidRect(const CRect& rect) override { buffer_.invalidate(rect); }
  void paintInvalid() override { buffer_.paint(); }
  PlatformType getPlatformType() const override { return kOffscreen; }
  void setScaleFactor(double scale) override { buffer_.setScale(scale); }
  void detachFrame() override { buffer_.detachFrame(); }

  bool hasInvalid() const { return buffer_.hasInvalid(); }
  // The colour of device pixel (x, y), and the image's size in device pixels.
  CColor getPixel(int x, int y) const { return buffer_.getPixel(x, y); }
  int getWidth() const { return buffer_.getWidth(); }
  int getHeight() const { return buffer_.getHeight(); }
  cairo_surface_t* getSurface() const { return buffer_.getSurface(); }
  // Writes the image as a PNG file; false (with a diagnostic line) on failure.
  bool writePNG(const char* path) const;

  // The offscreen back end of an open offscreen frame, else nullptr.
  static OffscreenPlatformFrame* of(const CFrame* frame);

 private:
  PaintBuffer buffer_;
};

}  // namespace VSTGUI
