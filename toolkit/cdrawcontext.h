#pragma once
// Drawing on a cairo surface with the toolkit's state: frame (line) colour, fill
// colour, font and font colour, line width, draw mode, clip rectangle and an offset
// that views' own coordinates are drawn at.
//
// Lines are drawn one segment at a time: every lineTo strokes the segment from the
// pen position with the current frame colour and line width, so a colour change
// between two lineTo calls colours only the segments after it.

#include <string>
#include <vector>

#include "toolkit/ccolor.h"
#include "toolkit/cfont.h"
#include "toolkit/crect.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

class CBitmap;

enum CDrawStyle { kDrawStroked = 0, kDrawFilled, kDrawFilledAndStroked };

// kAliasing draws crisp lines on whole pixels; kAntiAliasing smooths edges and keeps
// fractional coordinates as they are.
enum CDrawMode { kAliasing = 0, kCopyMode = 0, kAntiAliasing = 1 };

enum CHoriTxtAlign { kLeftText = 0, kCenterText, kRightText };

class CDrawContext : public CBaseObject {
 public:
  // Draws on `surface` (the context keeps a reference to it).
  explicit CDrawContext(cairo_surface_t* surface);
  ~CDrawContext() override;
  CDrawContext(const CDrawContext&) = delete;
  CDrawContext& operator=(const CDrawContext&) = delete;

  // A drawing pass; endDraw makes everything drawn since visible to readers of the surface.
  virtual void beginDraw();
  virtual void endDraw();

  void moveTo(const CPoint& point);
  void lineTo(const CPoint& point);
  void drawLine(const CPoint& start, const CPoint& end);
  const CPoint& getPenPosition() const { return pen_; }

  // Filled with the fill colour and/or outlined with the frame colour; the outline
  // lies inside the rectangle.
  void drawRect(const CRect& rect, const CDrawStyle drawStyle = kDrawStroked);
  // The ellipse inside the rectangle, filled and/or outlined like drawRect.
  void drawEllipse(const CRect& rect, const CDrawStyle drawStyle = kDrawStroked);
  void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(0, 0),
                  float alpha = 1.f);

  // Text in the current font and font colour, vertically centred in `rect`.
  void drawString(UTF8StringPtr string, const CRect& rect, const CHoriTxtAlign hAlign = kCenterText,
                  bool antialias = true);
  // Text with its baseline starting at `where`.
  void drawString(UTF8StringPtr string, const CPoint& where, bool antialias = true);
  CCoord getStringWidth(UTF8StringPtr string);

  void setLineWidth(CCoord width) { lineWidth_ = width; }
  CCoord getLineWidth() const { return lineWidth_; }
  void setDrawMode(CDrawMode mode) { drawMode_ = mode; }
  CDrawMode getDrawMode() const { return drawMode_; }
  void setFrameColor(const CColor& color) { frameColor_ = color; }
  const CColor& getFrameColor() const { return frameColor_; }
  void setFillColor(const CColor& color) { fillColor_ = color; }
  const CColor& getFillColor() const { return fillColor_; }
  void setFontColor(const CColor& color) { fontColor_ = color; }
  const CColor& getFontColor() const { return fontColor_; }
  // The font's family; `size` > 0 and `style` >= 0 override the font's own.
  void setFont(const CFontRef font, const CCoord& size = 0, const int32_t& style = -1);
  CCoord getFontSize() const { return fontSize_; }
  UTF8StringPtr getFontName() const { return fontName_.c_str(); }
  // Opacity applied on top of every colour and bitmap, 0 to 1.
  void setGlobalAlpha(float alpha);
  float getGlobalAlpha() const { return globalAlpha_; }

  // The clip rectangle, given and returned in the current offset's coordinates.
  void setClipRect(const CRect& clip);
  CRect& getClipRect(CRect& clip) const;
  void resetClipRect();
  // Where the coordinate origin of the drawing lies on the surface.
  void setOffset(const CPoint& offset) { offset_ = offset; }
  const CPoint& getOffset() const { return offset_; }

  // Keeps the colours, line width, draw mode, font and global alpha, and brings them
  // back, so that one view's drawing settings do not leak into the next view's.
  void saveGlobalState();
  void restoreGlobalState();

  // Back end: blends the surface's region that starts at `sourceOffset` into `dest`. Both
  // are in their own coordinates (cairo's device scale): a source of another scale is
  // resampled, reading nothing outside the region.
  void drawSurface(cairo_surface_t* source, const CRect& dest, const CPoint& sourceOffset,
                   float alpha);
  cairo_surface_t* getSurface() const { return surface_; }
  // The surface's size in its own coordinates: pixels divided by the device scale.
  CCoord getSurfaceWidth() const;
  CCoord getSurfaceHeight() const;
  // Device pixels per unit of the context's coordinates (1 unless drawn at a scale).
  double getScaleFactor() const;

  CLASS_METHODS_NOCOPY(CDrawContext, CBaseObject)

 private:
  friend class DrawScope;
  struct State {
    CColor frameColor;
    CColor fillColor;
    CColor fontColor;
    std::string fontName;
    CCoord fontSize;
    int32_t fontStyle;
    CCoord lineWidth;
    CDrawMode drawMode;
    float globalAlpha;
  };

  void strokeSegment(const CPoint& from, const CPoint& to);
  void selectFont(bool antialias);

  cairo_surface_t* surface_;
  cairo_t* cairo_;
  CPoint offset_;
  CRect clip_;  // on the surface, without the offset
  CPoint pen_;
  CColor frameColor_ = kBlackCColor;
  CColor fillColor_ = kWhiteCColor;
  CColor fontColor_ = kWhiteCColor;
  std::string fontName_;
  CCoord fontSize_ = 12;
  int32_t fontStyle_ = kNormalFace;
  CCoord lineWidth_ = 1;
  CDrawMode drawMode_ = kAliasing;
  float globalAlpha_ = 1.f;
  std::vector<State> savedStates_;
};

}  // namespace VSTGUI
