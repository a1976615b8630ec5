#pragma once
// A knob drawn as one frame of a vertical filmstrip: frame floor((frames - 1) * value)
// of the background bitmap.

#include "controls/custom_knob.h"

namespace VSTGUI {

class CustomAnimKnob : public CustomKnob, public IMultiBitmapControl {
 public:
  CustomAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t frames,
                 CCoord frameHeight, CBitmap* background, const CPoint& offset = CPoint(0, 0));

  // Takes the view height as the frame height if none is set, and counts the frames
  // the bitmap holds.
  void setBackground(CBitmap* background) override;
  void draw(CDrawContext* context) override;

  void setInverseBitmap(bool inverse) { inverse_ = inverse; }
  bool getInverseBitmap() const { return inverse_; }

  CLASS_METHODS_NOCOPY(CustomAnimKnob, CustomKnob)

 private:
  // The source offset of the frame to show, always inside the filmstrip.
  CCoord frameOffset(const CBitmap& bitmap) const;

  bool inverse_ = false;
};

}  // namespace VSTGUI
