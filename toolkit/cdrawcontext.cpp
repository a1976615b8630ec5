#include "toolkit/cdrawcontext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/cbitmap.h"
#include "toolkit/platform/font_faces.h"

namespace VSTGUI {

// One drawing operation: saves the cairo state, clips to the clip rectangle, moves the
// origin to the offset and chooses the antialiasing of the draw mode.
class DrawScope {
 public:
  explicit DrawScope(CDrawContext& context) : cairo_(context.cairo_) {
    cairo_save(cairo_);
    const CRect& clip = context.clip_;
    cairo_rectangle(cairo_, clip.left, clip.top, clip.getWidth(), clip.getHeight());
    cairo_clip(cairo_);
    cairo_translate(cairo_, context.offset_.x, context.offset_.y);
    cairo_set_antialias(cairo_, context.drawMode_ == kAntiAliasing ? CAIRO_ANTIALIAS_DEFAULT
                                                                   : CAIRO_ANTIALIAS_NONE);
  }
  ~DrawScope() { cairo_restore(cairo_); }
  DrawScope(const DrawScope&) = delete;
  DrawScope& operator=(const DrawScope&) = delete;

 private:
  cairo_t* cairo_;
};

namespace {

void setSource(cairo_t* cairo, const CColor& color, float globalAlpha) {
  cairo_set_source_rgba(cairo, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                        color.alpha / 255.0 * globalAlpha);
}

bool isOddWholeWidth(CCoord width) {
  const CCoord whole = std::round(width);
  return whole == width && static_cast<long>(whole) % 2 == 1;
}

double surfaceScale(cairo_surface_t* surface) {
  double x = 1, y = 1;
  cairo_surface_get_device_scale(surface, &x, &y);
  return x > 0 ? x : 1;
}

// Crisp lines: a line of odd whole width runs through pixel centres, any other through
// pixel edges.
CCoord alignForLine(CCoord value, CCoord lineWidth) {
  return isOddWholeWidth(lineWidth) ? std::floor(value) + 0.5 : std::round(value);
}

}  // namespace

CDrawContext::CDrawContext(cairo_surface_t* surface)
    : surface_(cairo_surface_reference(surface)),
      cairo_(cairo_create(surface)),
      fontName_(kNormalFont->getName()) {
  cairo_set_line_cap(cairo_, CAIRO_LINE_CAP_BUTT);
  resetClipRect();
}

CDrawContext::~CDrawContext() {
  cairo_surface_flush(surface_);
  cairo_destroy(cairo_);
  cairo_surface_destroy(surface_);
}

void CDrawContext::beginDraw() {}

void CDrawContext::endDraw() { cairo_surface_flush(surface_); }

CCoord CDrawContext::getSurfaceWidth() const {
  return cairo_surface_get_type(surface_) == CAIRO_SURFACE_TYPE_IMAGE
             ? cairo_image_surface_get_width(surface_) / getScaleFactor()
             : 0;
}

CCoord CDrawContext::getSurfaceHeight() const {
  return cairo_surface_get_type(surface_) == CAIRO_SURFACE_TYPE_IMAGE
             ? cairo_image_surface_get_height(surface_) / getScaleFactor()
             : 0;
}

double CDrawContext::getScaleFactor() const { return surfaceScale(surface_); }

void CDrawContext::setGlobalAlpha(float alpha) { globalAlpha_ = std::clamp(alpha, 0.f, 1.f); }

void CDrawContext::setClipRect(const CRect& clip) {
  clip_ = clip;
  clip_.offset(offset_);
  clip_.normalize();
}

CRect& CDrawContext::getClipRect(CRect& clip) const {
  clip = clip_;
  clip.offset(-offset_.x, -offset_.y);
  return clip;
}

void CDrawContext::resetClipRect() {
  // Surfaces that do not report a size (windows) are clipped by the server anyway.
  const CCoord width = getSurfaceWidth();
  const CCoord height = getSurfaceHeight();
  clip_ = CRect(0, 0, width > 0 ? width : 32767, height > 0 ? height : 32767);
}

void CDrawContext::saveGlobalState() {
  savedStates_.push_back(State{frameColor_, fillColor_, fontColor_, fontName_, fontSize_,
                               fontStyle_, lineWidth_, drawMode_, globalAlpha_});
}

void CDrawContext::restoreGlobalState() {
  if (savedStates_.empty()) return;
  const State& state = savedStates_.back();
  frameColor_ = state.frameColor;
  fillColor_ = state.fillColor;
  fontColor_ = state.fontColor;
  fontName_ = state.fontName;
  fontSize_ = state.fontSize;
  fontStyle_ = state.fontStyle;
  lineWidth_ = state.lineWidth;
  drawMode_ = state.drawMode;
  globalAlpha_ = state.globalAlpha;
  savedStates_.pop_back();
}

void CDrawContext::moveTo(const CPoint& point) { pen_ = point; }

void CDrawContext::lineTo(const CPoint& point) {
  strokeSegment(pen_, point);
  pen_ = point;
}

void CDrawContext::drawLine(const CPoint& start, const CPoint& end) {
  strokeSegment(start, end);
  pen_ = end;
}

void CDrawContext::strokeSegment(const CPoint& from, const CPoint& to) {
  DrawScope scope(*this);
  CPoint a = from;
  CPoint b = to;
  if (drawMode_ == kAliasing) {
    a = CPoint(alignForLine(a.x, lineWidth_), alignForLine(a.y, lineWidth_));
    b = CPoint(alignForLine(b.x, lineWidth_), alignForLine(b.y, lineWidth_));
  }
  cairo_move_to(cairo_, a.x, a.y);
  cairo_line_to(cairo_, b.x, b.y);
  cairo_set_line_width(cairo_, lineWidth_);
  setSource(cairo_, frameColor_, globalAlpha_);
  cairo_stroke(cairo_);
}

void CDrawContext::drawRect(const CRect& rect, const CDrawStyle drawStyle) {
  DrawScope scope(*this);
  CRect r(rect);
  r.normalize();
  if (drawMode_ == kAliasing)
    r = CRect(std::round(r.left), std::round(r.top), std::round(r.right), std::round(r.bottom));
  if (drawStyle == kDrawFilled || drawStyle == kDrawFilledAndStroked) {
    cairo_rectangle(cairo_, r.left, r.top, r.getWidth(), r.getHeight());
    setSource(cairo_, fillColor_, globalAlpha_);
    cairo_fill(cairo_);
  }
  if (drawStyle == kDrawStroked || drawStyle == kDrawFilledAndStroked) {
    const CCoord half = lineWidth_ / 2;
    CRect outline(r);
    outline.inset(half, half);
    if (outline.getWidth() < 0 || outline.getHeight() < 0) return;
    cairo_rectangle(cairo_, outline.left, outline.top, outline.getWidth(), outline.getHeight());
    cairo_set_line_width(cairo_, lineWidth_);
    cairo_set_line_join(cairo_, CAIRO_LINE_JOIN_MITER);
    setSource(cairo_, frameColor_, globalAlpha_);
    cairo_stroke(cairo_);
  }
}

void CDrawContext::drawEllipse(const CRect& rect, const CDrawStyle drawStyle) {
  CRect r(rect);
  r.normalize();
  if (r.isEmpty()) return;
  DrawScope scope(*this);
  auto ellipse = [&](const CRect& box) {
    cairo_save(cairo_);
    cairo_translate(cairo_, box.left + box.getWidth() / 2, box.top + box.getHeight() / 2);
    cairo_scale(cairo_, box.getWidth() / 2, box.getHeight() / 2);
    cairo_new_path(cairo_);
    cairo_arc(cairo_, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cairo_);
  };
  if (drawStyle == kDrawFilled || drawStyle == kDrawFilledAndStroked) {
    ellipse(r);
    setSource(cairo_, fillColor_, globalAlpha_);
    cairo_fill(cairo_);
  }
  if (drawStyle == kDrawStroked || drawStyle == kDrawFilledAndStroked) {
    CRect outline(r);
    outline.inset(lineWidth_ / 2, lineWidth_ / 2);
    if (outline.getWidth() <= 0 || outline.getHeight() <= 0) return;
    ellipse(outline);
    cairo_set_line_width(cairo_, lineWidth_);
    setSource(cairo_, frameColor_, globalAlpha_);
    cairo_stroke(cairo_);
  }
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset,
                              float alpha) {
  if (bitmap) bitmap->draw(this, dest, offset, alpha);
}

void CDrawContext::drawSurface(cairo_surface_t* source, const CRect& dest,
                               const CPoint& sourceOffset, float alpha) {
  if (!source || dest.isEmpty()) return;
  DrawScope scope(*this);
  cairo_rectangle(cairo_, dest.left, dest.top, dest.getWidth(), dest.getHeight());
  cairo_clip(cairo_);
  const float opacity = std::clamp(alpha, 0.f, 1.f) * globalAlpha_;
  const double sourceScale = surfaceScale(source);
  if (sourceScale == getScaleFactor()) {
    cairo_set_source_surface(cairo_, source, dest.left - sourceOffset.x, dest.top - sourceOffset.y);
    cairo_paint_with_alpha(cairo_, opacity);
    return;
  }
  // Resampled: only the region shown is read, its edges repeated outwards, so that a
  // filmstrip's neighbouring image does not bleed into the filtered edge.
  // The region in the source's own units (cairo applies its device scale).
  const double left = std::max(0.0, sourceOffset.x);
  const double top = std::max(0.0, sourceOffset.y);
  const double width =
      std::min(dest.getWidth(), cairo_image_surface_get_width(source) / sourceScale - left);
  const double height =
      std::min(dest.getHeight(), cairo_image_surface_get_height(source) / sourceScale - top);
  if (!(width > 0) || !(height > 0)) return;
  cairo_surface_t* region = cairo_surface_create_for_rectangle(source, left, top, width, height);
  cairo_surface_set_device_scale(region, sourceScale, sourceScale);
  cairo_set_source_surface(cairo_, region, dest.left + left - sourceOffset.x,
                           dest.top + top - sourceOffset.y);
  cairo_pattern_set_extend(cairo_get_source(cairo_), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(cairo_), CAIRO_FILTER_GOOD);
  cairo_paint_with_alpha(cairo_, opacity);
  cairo_surface_destroy(region);
}

void CDrawContext::setFont(const CFontRef font, const CCoord& size, const int32_t& style) {
  if (font) {
    fontName_ = font->getName();
    fontSize_ = font->getSize();
    fontStyle_ = font->getStyle();
  }
  if (size > 0) fontSize_ = size;
  if (style >= 0) fontStyle_ = style;
}

void CDrawContext::selectFont(bool antialias) {
  if (cairo_font_face_t* face = fontFaceFor(fontName_.c_str(), fontStyle_)) {
    cairo_set_font_face(cairo_, face);
  } else {
    cairo_select_font_face(
        cairo_, fontName_.empty() ? "sans-serif" : fontName_.c_str(),
        (fontStyle_ & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        (fontStyle_ & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  }
  cairo_set_font_size(cairo_, fontSize_ > 0 ? fontSize_ : 12);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options,
                                   antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cairo_, options);
  cairo_font_options_destroy(options);
}

CCoord CDrawContext::getStringWidth(UTF8StringPtr string) {
  if (!string || !*string) return 0;
  cairo_save(cairo_);
  selectFont(true);
  cairo_text_extents_t extents;
  cairo_text_extents(cairo_, string, &extents);
  cairo_restore(cairo_);
  return extents.x_advance;
}

void CDrawContext::drawString(UTF8StringPtr string, const CRect& rect, const CHoriTxtAlign hAlign,
                              bool antialias) {
  if (!string || !*string || rect.isEmpty()) return;
  DrawScope scope(*this);
  cairo_rectangle(cairo_, rect.left, rect.top, rect.getWidth(), rect.getHeight());
  cairo_clip(cairo_);
  selectFont(antialias);
  cairo_font_extents_t font;
  cairo_font_extents(cairo_, &font);
  cairo_text_extents_t text;
  cairo_text_extents(cairo_, string, &text);
  CCoord x = rect.left;
  if (hAlign == kCenterText) x = rect.left + (rect.getWidth() - text.x_advance) / 2;
  if (hAlign == kRightText) x = rect.right - text.x_advance;
  const CCoord baseline =
      rect.top + (rect.getHeight() - (font.ascent + font.descent)) / 2 + font.ascent;
  cairo_move_to(cairo_, std::round(x), std::round(baseline));
  setSource(cairo_, fontColor_, globalAlpha_);
  cairo_show_text(cairo_, string);
}

void CDrawContext::drawString(UTF8StringPtr string, const CPoint& where, bool antialias) {
  if (!string || !*string) return;
  DrawScope scope(*this);
  selectFont(antialias);
  cairo_move_to(cairo_, where.x, where.y);
  setSource(cairo_, fontColor_, globalAlpha_);
  cairo_show_text(cairo_, string);
}

}  // namespace VSTGUI
