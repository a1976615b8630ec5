#pragma once
// A segmented level meter drawn from two bitmaps of the meter's size: the lit
// segments come from the "on" bitmap, the unlit ones from the "off" bitmap. The shown
// level rises to a new value at once and falls by the decrease step per redraw; the
// meter stays dirty until the shown level has reached the value.

#include "toolkit/ccontrol.h"

namespace VSTGUI {

class CVuMeter : public CControl {
 public:
  // `style` is kVertical (lit from the bottom up) or kHorizontal (from the left).
  CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
           int32_t style = kVertical);
  CVuMeter(const CVuMeter& other);
  ~CVuMeter() override;

  virtual void setDecreaseStepValue(float step) { decreaseValue_ = step; }
  float getDecreaseStepValue() const { return decreaseValue_; }
  virtual void setOnBitmap(CBitmap* bitmap);
  CBitmap* getOnBitmap() const { return onBitmap_; }
  virtual void setOffBitmap(CBitmap* bitmap);
  CBitmap* getOffBitmap() const { return offBitmap_; }
  void setNbLed(int32_t count) { nbLed_ = count > 0 ? count : 1; }
  int32_t getNbLed() const { return nbLed_; }
  void setStyle(int32_t style) { style_ = style; }
  int32_t getStyle() const { return style_; }

  // The level as last drawn, between minimum and maximum.
  float getShownValue() const { return shownValue_; }

  void draw(CDrawContext* context) override;
  bool isDirty() const override;

  CLASS_METHODS(CVuMeter, CControl)

 private:
  CBitmap* onBitmap_ = nullptr;
  CBitmap* offBitmap_ = nullptr;
  int32_t nbLed_;
  int32_t style_;
  float decreaseValue_ = 0.1f;
  float shownValue_;
};

}  // namespace VSTGUI
