#include "editor/zoom_menu.h"

#include <algorithm>
#include <cstdio>

#include "controller/editor_zoom.h"
#include "toolkit/cdrawcontext.h"
#include "toolkit/cframe.h"

namespace Steinberg::Vst {

using VSTGUI::CColor;
using VSTGUI::CPoint;
using VSTGUI::CRect;

namespace {

constexpr double kWidth = 78;
constexpr double kEntryHeight = 18;
constexpr double kPadding = 4;
constexpr int kEntries = static_cast<int>(kEditorZooms.size());

// The panel's colours (the artwork's palette).
const CColor kFill(229, 232, 235);
const CColor kBorder(143, 151, 161);
const CColor kHighlight(47, 127, 140);
const CColor kText(46, 52, 59);
const CColor kHighlightText(243, 245, 247);

CRect placed(const CPoint& where, const CRect& bounds) {
  const double height = kEntries * kEntryHeight + 2 * kPadding;
  const double left =
      std::clamp(where.x, bounds.left, std::max(bounds.left, bounds.right - kWidth));
  const double top = std::clamp(where.y, bounds.top, std::max(bounds.top, bounds.bottom - height));
  return CRect(left, top, left + kWidth, top + height);
}

}  // namespace

ZoomMenu::ZoomMenu(const CPoint& where, const CRect& bounds, double current, Closed closed)
    : CView(placed(where, bounds)), current_(current), closed_(std::move(closed)) {
  setWantsFocus(true);
}

CRect ZoomMenu::entryRect(int entry) const {
  const CRect& box = getViewSize();
  const double top = box.top + kPadding + entry * kEntryHeight;
  return CRect(box.left + kPadding, top, box.right - kPadding, top + kEntryHeight);
}

int ZoomMenu::entryAt(const CPoint& where) const {
  for (int entry = 0; entry < kEntries; ++entry)
    if (entryRect(entry).pointInside(where)) return entry;
  return -1;
}

void ZoomMenu::draw(VSTGUI::CDrawContext* context) {
  context->setDrawMode(VSTGUI::kAliasing);
  context->setLineWidth(1);
  context->setFillColor(kFill);
  context->setFrameColor(kBorder);
  context->drawRect(getViewSize(), VSTGUI::kDrawFilledAndStroked);
  VSTGUI::CFontDesc font("Verdana", 11, VSTGUI::kNormalFace);
  context->setFont(&font);
  for (int entry = 0; entry < kEntries; ++entry) {
    const CRect row = entryRect(entry);
    const bool lit = entry == highlighted_;
    if (lit) {
      context->setFillColor(kHighlight);
      context->drawRect(row, VSTGUI::kDrawFilled);
    }
    context->setFontColor(lit ? kHighlightText : kText);
    char text[16];
    std::snprintf(text, sizeof text, "%d %%", zoomPercent(kEditorZooms[entry]));
    CRect label(row);
    label.left += 22;
    context->drawString(text, label, VSTGUI::kLeftText);
    if (zoomPercent(kEditorZooms[entry]) == zoomPercent(current_)) {
      // The current zoom: a round mark before its name.
      context->setDrawMode(VSTGUI::kAntiAliasing);
      context->setFillColor(lit ? kHighlightText : kHighlight);
      const CPoint centre(row.left + 11, row.top + kEntryHeight / 2);
      context->drawEllipse(CRect(centre.x - 3.5, centre.y - 3.5, centre.x + 3.5, centre.y + 3.5),
                           VSTGUI::kDrawFilled);
      context->setDrawMode(VSTGUI::kAliasing);
    }
  }
  setDirty(false);
}

VSTGUI::CMouseEventResult ZoomMenu::onMouseDown(CPoint& where,
                                                const VSTGUI::CButtonState& /*buttons*/) {
  const int entry = entryAt(where);
  if (entry >= 0)
    close(true, kEditorZooms[entry]);
  else
    close(false, current_);
  return VSTGUI::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

VSTGUI::CMouseEventResult ZoomMenu::onMouseMoved(CPoint& where,
                                                 const VSTGUI::CButtonState& /*buttons*/) {
  const int entry = entryAt(where);
  if (entry != highlighted_) {
    highlighted_ = entry;
    invalid();
  }
  return VSTGUI::kMouseEventHandled;
}

int32_t ZoomMenu::onKeyDown(VSTGUI::VstKeyCode& keyCode) {
  if (keyCode.virt != VSTGUI::VKEY_ESCAPE) return -1;
  close(false, current_);
  return 1;
}

void ZoomMenu::close(bool chosen, double zoom) {
  // The list leaves the frame first; the listener may resize the frame or close the editor.
  VSTGUI::CBaseObjectGuard guard(this);
  Closed closed = closed_;
  if (VSTGUI::CFrame* frame = getFrame()) {
    invalid();
    frame->setModalView(nullptr);
  }
  if (closed) closed(chosen, zoom);
}

}  // namespace Steinberg::Vst
