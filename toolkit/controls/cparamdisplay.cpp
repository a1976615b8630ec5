#include "toolkit/controls/cparamdisplay.h"

#include <cstdio>

namespace VSTGUI {

CParamDisplay::CParamDisplay(const CRect& rect, CBitmap* background, const int32_t style)
    : CControl(rect, nullptr, 0, background), font_(kNormalFont), style_(style) {
  font_->remember();
}

CParamDisplay::CParamDisplay(const CParamDisplay& other)
    : CControl(other),
      font_(other.font_),
      fontColor_(other.fontColor_),
      backColor_(other.backColor_),
      frameColor_(other.frameColor_),
      horiAlign_(other.horiAlign_),
      style_(other.style_),
      antialias_(other.antialias_) {
  font_->remember();
}

CParamDisplay::~CParamDisplay() { font_->forget(); }

void CParamDisplay::setFont(CFontRef font) {
  if (!font || font == font_) return;
  font->remember();
  font_->forget();
  font_ = font;
  setDirty(true);
}

void CParamDisplay::setFontColor(const CColor& color) {
  fontColor_ = color;
  setDirty(true);
}

void CParamDisplay::setBackColor(const CColor& color) {
  backColor_ = color;
  setDirty(true);
}

void CParamDisplay::setFrameColor(const CColor& color) {
  frameColor_ = color;
  setDirty(true);
}

void CParamDisplay::setHoriAlign(CHoriTxtAlign align) {
  horiAlign_ = align;
  setDirty(true);
}

void CParamDisplay::setStyle(int32_t style) {
  style_ = style;
  setDirty(true);
}

std::string CParamDisplay::valueText() const {
  char text[32];
  std::snprintf(text, sizeof text, "%2.2f", static_cast<double>(value));
  return text;
}

void CParamDisplay::draw(CDrawContext* context) {
  if (!(style_ & kNoDrawStyle)) {
    drawBack(context);
    if (!(style_ & kNoTextStyle)) drawText(context, valueText().c_str());
  }
  setDirty(false);
}

void CParamDisplay::drawBack(CDrawContext* context) {
  if (CBitmap* background = getDrawBackground()) {
    background->draw(context, size, getBackOffset());
    return;
  }
  if (getTransparency()) return;
  context->setFillColor(backColor_);
  context->drawRect(size, kDrawFilled);
  if (!(style_ & kNoFrame)) {
    context->setLineWidth(1);
    context->setFrameColor(frameColor_);
    context->drawRect(size, kDrawStroked);
  }
}

void CParamDisplay::drawText(CDrawContext* context, UTF8StringPtr text) {
  if (!text || !*text) return;
  context->setFont(font_);
  context->setFontColor(fontColor_);
  context->drawString(text, size, horiAlign_, antialias_);
}

CTextLabel::CTextLabel(const CRect& rect, UTF8StringPtr text, CBitmap* background,
                       const int32_t style)
    : CParamDisplay(rect, background, style), text_(text ? text : "") {}

void CTextLabel::setText(UTF8StringPtr text) {
  const std::string newText = text ? text : "";
  if (newText == text_) return;
  text_ = newText;
  setDirty(true);
}

}  // namespace VSTGUI
