#pragma once
// The editor's zoom list: a small pop-up, drawn by the toolkit in the panel's own colours,
// with one entry per zoom the user can choose and the current one marked. The frame shows
// it as its modal view at the place the user right-clicked; a click on an entry picks it,
// a click anywhere else or Escape closes the list. It lives in the frame's coordinates.

#include <functional>

#include "toolkit/cview.h"

namespace Steinberg::Vst {

class ZoomMenu : public VSTGUI::CView {
 public:
  // Told the chosen zoom, or nothing (false) when the list closed without a choice. The
  // list is no longer shown when this is called.
  using Closed = std::function<void(bool chosen, double zoom)>;

  // A list whose top-left corner is at `where`, moved as far as needed to lie inside
  // `bounds`, with `current` marked.
  ZoomMenu(const VSTGUI::CPoint& where, const VSTGUI::CRect& bounds, double current, Closed closed);

  // The entry at a frame point, or -1.
  int entryAt(const VSTGUI::CPoint& where) const;
  VSTGUI::CRect entryRect(int entry) const;
  int highlighted() const { return highlighted_; }

  void draw(VSTGUI::CDrawContext* context) override;
  VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override;
  VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where,
                                         const VSTGUI::CButtonState& buttons) override;
  int32_t onKeyDown(VSTGUI::VstKeyCode& keyCode) override;

 private:
  void close(bool chosen, double zoom);

  double current_;
  int highlighted_ = -1;
  Closed closed_;
};

}  // namespace Steinberg::Vst
