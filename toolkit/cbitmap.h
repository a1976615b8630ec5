#pragma once
// A bitmap: a PNG image loaded by name from the module's embedded resources (type
// "PNG", name compared without regard to case), or a blank image of a given size that
// an offscreen context draws into.
//
// A resource bitmap knows its size from the PNG's header and decodes its pixels at their
// first use, so that an image never shown (an overlay, or the first resolution of a frame
// drawn above 1) costs nothing. Drawn into a context of a device scale above 1 it draws its
// double resolution image instead (toolkit/bitmap_resolutions.h), when the resources have
// one; sizes and offsets stay those of the first image.

#include <string>

#include "toolkit/crect.h"

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

class CDrawContext;

class CBitmap : public CBaseObject {
 public:
  // Finds the embedded PNG resource `resourceName` and reads its size. A missing resource,
  // or one without a PNG header, leaves an empty bitmap (isLoaded() false) that draws
  // nothing, and writes a diagnostic line; so does one whose pixels cannot be decoded, when
  // they are first used.
  explicit CBitmap(UTF8StringPtr resourceName);
  // A transparent bitmap of the given size.
  CBitmap(CCoord width, CCoord height);
  // Shares an existing image surface (offscreen contexts hand out their pixels so).
  explicit CBitmap(cairo_surface_t* surface);
  ~CBitmap() override;
  CBitmap(const CBitmap&) = delete;
  CBitmap& operator=(const CBitmap&) = delete;

  // Draws the part of the image that starts at `offset` into `rect`: the image pixel
  // (offset.x + i, offset.y + j) lands on (rect.left + i, rect.top + j), clipped to
  // `rect`, blended over what is there with the given opacity.
  virtual void draw(CDrawContext* context, const CRect& rect, const CPoint& offset = CPoint(0, 0),
                    float alpha = 1.f);

  CCoord getWidth() const { return width_; }
  CCoord getHeight() const { return height_; }
  bool isLoaded() const { return loaded_; }
  UTF8StringPtr getResourceName() const { return name_.c_str(); }

  // The image (premultiplied ARGB32), decoded now if it was not yet; nullptr when there is
  // none.
  cairo_surface_t* getSurface() const;
  // The image drawn at a device scale: the double resolution one above 1, where there is one.
  cairo_surface_t* getSurface(double scale);

  CLASS_METHODS_NOCOPY(CBitmap, CBaseObject)

 private:
  void keepSurface(cairo_surface_t* surface);

  std::string name_;
  CCoord width_ = 0;
  CCoord height_ = 0;
  bool loaded_ = false;
  mutable cairo_surface_t* surface_ = nullptr;
  mutable bool decoded_ = false;  // the first image was decoded (or found undecodable)
  cairo_surface_t* doubleSurface_ = nullptr;
  bool doubleLooked_ = false;  // the double resolution image was looked for
};

}  // namespace VSTGUI
