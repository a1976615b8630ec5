#pragma once
// A compact drop-down selector. Closed, it shows the label of the selected entry in a
// strip at its top; a left press on that strip opens the list over the whole control,
// the row under the pointer is highlighted while the button is held, and the release
// selects that row's entry (a release anywhere else closes the list unchanged). The
// value is the index of the selected entry.

#include "toolkit/ccontrol.h"

namespace VSTGUI {

class ExpandableButton : public CControl, public IMultiBitmapControl {
 public:
  // `labelBitmap` holds one label per entry, stacked; `listBitmap` is the open list,
  // as large as the control. `listTop` and `labelTop` are the y offsets of the list's
  // rows and of the closed label from the control's top. The control keeps its own
  // references to both bitmaps.
  ExpandableButton(const CRect& size, CControlListener* listener, int32_t tag, int32_t count,
                   CBitmap* labelBitmap, CBitmap* listBitmap, CCoord listTop, CCoord labelTop);
  ~ExpandableButton() override;
  ExpandableButton(const ExpandableButton&) = delete;
  ExpandableButton& operator=(const ExpandableButton&) = delete;

  void draw(CDrawContext* context) override;
  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;

  bool isExpanded() const { return expanded_; }
  // Row under the pointer: 0 is the list's header, 1 to count the entries; -1 beside
  // the control.
  int32_t getHoverRow() const { return hoverRow_; }
  CCoord getEntryHeight() const { return entryHeight_; }

  CLASS_METHODS_NOCOPY(ExpandableButton, CControl)

 private:
  // The entry shown closed: the value's integer part, inside the list.
  int32_t selectedEntry() const;
  // y of the top of list row `row`, in the parent's coordinates.
  CCoord rowTop(double row) const { return size.top + listTop_ + row * entryHeight_; }
  bool besideControl(const CPoint& where) const {
    return where.x < size.left || where.x > size.right;
  }

  CBitmap* listBitmap_;
  CCoord listTop_;
  CCoord labelTop_;
  CCoord entryHeight_;
  bool expanded_ = false;
  int32_t hoverRow_ = 0;
};

}  // namespace VSTGUI
