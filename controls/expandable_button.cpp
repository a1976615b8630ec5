#include "controls/expandable_button.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

namespace {
constexpr CColor kHoverFill{50, 50, 50, 40};
constexpr CColor kHoverFrame{50, 50, 50, 0};
}  // namespace

ExpandableButton::ExpandableButton(const CRect& rect, CControlListener* controlListener,
                                   int32_t controlTag, int32_t count, CBitmap* labelBitmap,
                                   CBitmap* listBitmap, CCoord listTop, CCoord labelTop)
    : CControl(rect, controlListener, controlTag, labelBitmap),
      listBitmap_(listBitmap),
      listTop_(listTop),
      labelTop_(labelTop) {
  setNumberOfImages(std::max(count, 1));
  // Without labels the rows share the height below the list's top, header included,
  // so that the list still opens and selects.
  const CCoord labelsHeight = labelBitmap ? labelBitmap->getHeight() : 0;
  entryHeight_ = labelsHeight > 0 ? labelsHeight / subPixmaps
                                  : (rect.getHeight() - listTop) / (subPixmaps + 1);
  if (!(entryHeight_ > 0)) entryHeight_ = 1;
  setHeightOfOneImage(entryHeight_);
  setMin(0);
  setMax(static_cast<float>(subPixmaps - 1));
  setValue(0);
  if (listBitmap_) listBitmap_->remember();
  setWantsFocus(true);
  setTransparency(true);
}

ExpandableButton::~ExpandableButton() {
  if (listBitmap_) listBitmap_->forget();
}

int32_t ExpandableButton::selectedEntry() const {
  if (!(value >= 0.f)) return 0;
  return std::min(static_cast<int32_t>(value), subPixmaps - 1);
}

void ExpandableButton::draw(CDrawContext* context) {
  if (CBitmap* labels = getDrawBackground()) {
    const CRect strip(size.left, size.top + labelTop_, size.right,
                      size.top + labelTop_ + entryHeight_);
    labels->draw(context, strip, CPoint(0, selectedEntry() * entryHeight_), 1.f);
  }
  if (expanded_) {
    if (listBitmap_) listBitmap_->draw(context, size, CPoint(0, 0));
    if (hoverRow_ >= 1 && hoverRow_ <= subPixmaps) {
      context->setFillColor(kHoverFill);
      context->setFrameColor(kHoverFrame);
      context->drawRect(CRect(size.left, rowTop(hoverRow_), size.right, rowTop(hoverRow_ + 1)),
                        kDrawFilled);
    }
  }
  setDirty(false);
}

CMouseEventResult ExpandableButton::onMouseDown(CPoint& where, const CButtonState& buttons) {
  if (!buttons.isLeftButton() || where.y - size.top > entryHeight_) return kMouseEventNotHandled;
  expanded_ = true;
  setDirty(true);
  invalid();
  return kMouseEventHandled;
}

CMouseEventResult ExpandableButton::onMouseMoved(CPoint& where, const CButtonState& /*buttons*/) {
  if (besideControl(where)) {
    hoverRow_ = -1;
  } else {
    const double row = (where.y - rowTop(0)) / entryHeight_;
    // Far outside the list the row is simply none of the entries.
    hoverRow_ = std::fabs(row) < 1e6 ? static_cast<int32_t>(row) : -1;
  }
  setDirty(true);
  return kMouseEventHandled;
}

CMouseEventResult ExpandableButton::onMouseUp(CPoint& where, const CButtonState& /*buttons*/) {
  const double entry = std::floor((where.y - rowTop(0)) / entryHeight_ - 1);
  if (entry >= 0 && entry < subPixmaps && !besideControl(where)) {
    beginEdit();
    setValue(static_cast<float>(entry));
    valueChanged();
    endEdit();
  }
  expanded_ = false;
  setDirty(true);
  invalid();
  return kMouseEventHandled;
}

}  // namespace VSTGUI
