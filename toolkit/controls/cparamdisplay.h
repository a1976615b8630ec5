#pragma once
// A control that shows text: an optional filled background with a frame, and the text
// in a font and colour, aligned in the view. CTextLabel shows a fixed text.

#include <string>

#include "toolkit/ccontrol.h"

namespace VSTGUI {

class CParamDisplay : public CControl {
 public:
  CParamDisplay(const CRect& size, CBitmap* background = nullptr, const int32_t style = 0);
  CParamDisplay(const CParamDisplay& other);
  ~CParamDisplay() override;

  // The display keeps its own reference to the font.
  virtual void setFont(CFontRef font);
  CFontRef getFont() const { return font_; }
  virtual void setFontColor(const CColor& color);
  const CColor& getFontColor() const { return fontColor_; }
  virtual void setBackColor(const CColor& color);
  const CColor& getBackColor() const { return backColor_; }
  virtual void setFrameColor(const CColor& color);
  const CColor& getFrameColor() const { return frameColor_; }
  virtual void setHoriAlign(CHoriTxtAlign align);
  CHoriTxtAlign getHoriAlign() const { return horiAlign_; }
  virtual void setStyle(int32_t style);
  int32_t getStyle() const { return style_; }
  virtual void setAntialias(bool state) { antialias_ = state; }
  bool getAntialias() const { return antialias_; }

  void draw(CDrawContext* context) override;

  CLASS_METHODS(CParamDisplay, CControl)

 protected:
  // The background: the bitmap if there is one, else (unless transparent) the back
  // colour with a one-pixel frame unless the style has kNoFrame.
  virtual void drawBack(CDrawContext* context);
  virtual void drawText(CDrawContext* context, UTF8StringPtr text);
  // The text shown for the current value.
  virtual std::string valueText() const;

 private:
  CFontRef font_;
  CColor fontColor_ = kWhiteCColor;
  CColor backColor_ = kBlackCColor;
  CColor frameColor_ = kBlackCColor;
  CHoriTxtAlign horiAlign_ = kCenterText;
  int32_t style_;
  bool antialias_ = true;
};

class CTextLabel : public CParamDisplay {
 public:
  CTextLabel(const CRect& size, UTF8StringPtr text = nullptr, CBitmap* background = nullptr,
             const int32_t style = 0);

  virtual void setText(UTF8StringPtr text);
  UTF8StringPtr getText() const { return text_.c_str(); }

  CLASS_METHODS(CTextLabel, CParamDisplay)

 protected:
  std::string valueText() const override { return text_; }

 private:
  std::string text_;
};

}  // namespace VSTGUI
