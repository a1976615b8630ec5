#pragma once
// A drawing context on a transparent image of its own, copied into another context
// when it is finished. What is not drawn stays transparent, so a copy shows the
// target's pixels through it.

#include "toolkit/cdrawcontext.h"

namespace VSTGUI {

class CFrame;
class CBitmap;

class COffscreenContext : public CDrawContext {
 public:
  // A transparent context of width x height units (fractions round up), drawn at the
  // frame's device scale. The frame is the one the drawing is for; it may be null.
  static COffscreenContext* create(CFrame* frame, CCoord width, CCoord height);

  // Blends this context's pixels, from `srcOffset` on, into `dest` at `destRect`
  // (in `dest`'s current coordinates), fully opaque.
  void copyFrom(CDrawContext* dest, CRect destRect, CPoint srcOffset = CPoint(0, 0));

  // A bitmap that shares this context's pixels; the caller owns the returned reference.
  CBitmap* getBitmap() const;

  CCoord getWidth() const { return getSurfaceWidth(); }
  CCoord getHeight() const { return getSurfaceHeight(); }

  CLASS_METHODS_NOCOPY(COffscreenContext, CDrawContext)

 private:
  explicit COffscreenContext(cairo_surface_t* surface);
};

}  // namespace VSTGUI
