#pragma once
// The base of everything shown in a frame: a rectangle in its parent's coordinates,
// a mouseable area, visibility, transparency, an optional background bitmap and a
// dirty flag that the frame's idle() turns into a redraw.

#include "toolkit/cbitmap.h"
#include "toolkit/cbuttonstate.h"
#include "toolkit/cdrawcontext.h"
#include "toolkit/vstkeycode.h"

namespace VSTGUI {

class CFrame;
class CViewContainer;

class CView : public CBaseObject {
 public:
  explicit CView(const CRect& size);
  // Copies the geometry and attributes, not the place in a view tree.
  CView(const CView& other);
  ~CView() override;
  CView& operator=(const CView&) = delete;

  // Drawing. `draw` paints the view's rectangle (the default draws the background
  // bitmap) and clears the dirty flag; `drawRect` is called with the part that needs
  // painting and by default draws the whole view.
  virtual void draw(CDrawContext* context);
  virtual void drawRect(CDrawContext* context, const CRect& updateRect);
  virtual bool checkUpdate(const CRect& updateRect) const { return updateRect.rectOverlap(size); }

  // A dirty view is redrawn at the frame's next idle().
  virtual bool isDirty() const { return dirty_; }
  virtual void setDirty(const bool state = true) { dirty_ = state; }
  // Asks for the view's rectangle to be repainted and clears the dirty flag.
  virtual void invalid();
  // Asks for a rectangle, in this view's parent's coordinates, to be repainted.
  virtual void invalidRect(const CRect& rect);

  // Mouse handlers. `where` is in the parent's coordinates, like getViewSize().
  virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
  virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
  virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
  virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
  virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
  // Wheel steps (positive away from the user); true when handled.
  virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
  virtual bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                       const CButtonState& buttons);
  // Keys: 1 when handled, -1 when not.
  virtual int32_t onKeyDown(VstKeyCode& keyCode);
  virtual int32_t onKeyUp(VstKeyCode& keyCode);

  virtual bool hitTest(const CPoint& where, const CButtonState& buttons = CButtonState(-1));
  virtual void setMouseEnabled(const bool enable = true) { mouseEnabled_ = enable; }
  bool getMouseEnabled() const { return mouseEnabled_; }
  virtual void setMouseableArea(const CRect& rect) { mouseableArea = rect; }
  const CRect& getMouseableArea() const { return mouseableArea; }
  CRect& getMouseableArea(CRect& rect) const { return rect = mouseableArea; }

  virtual void setVisible(bool state);
  bool isVisible() const { return visible_; }
  virtual void setTransparency(bool state) { transparent_ = state; }
  bool getTransparency() const { return transparent_; }
  virtual void setWantsFocus(bool state) { wantsFocus_ = state; }
  bool wantsFocus() const { return wantsFocus_; }
  virtual void takeFocus() {}
  virtual void looseFocus() {}

  // The background bitmap; the view keeps its own reference.
  virtual void setBackground(CBitmap* background);
  CBitmap* getBackground() const { return background_; }
  virtual CBitmap* getDrawBackground() const { return background_; }
  virtual void setBackOffset(const CPoint& offset) { backOffset_ = offset; }
  const CPoint& getBackOffset() const { return backOffset_; }

  // Geometry in the parent's coordinates. Moving or resizing does not move the
  // mouseable area; views that move set both.
  virtual void setViewSize(const CRect& rect, bool invalidate = true);
  const CRect& getViewSize() const { return size; }
  CRect& getViewSize(CRect& rect) const { return rect = size; }
  CCoord getWidth() const { return size.getWidth(); }
  CCoord getHeight() const { return size.getHeight(); }

  // View tree. attached/removed are called by the container that adds or removes the view.
  virtual bool attached(CView* parent);
  virtual bool removed(CView* parent);
  bool isAttached() const { return attached_; }
  CView* getParentView() const { return parentView_; }
  CFrame* getFrame() const { return frame_; }
  // Conversions between frame coordinates and this view's parent's coordinates.
  virtual CPoint& frameToLocal(CPoint& point) const;
  virtual CPoint& localToFrame(CPoint& point) const;

  CLASS_METHODS(CView, CBaseObject)

 protected:
  // Named as in the toolkit's original interface, which derived views use directly.
  CRect size;
  CRect mouseableArea;

 private:
  friend class CFrame;  // the root view is its own frame

  CFrame* frame_ = nullptr;
  CView* parentView_ = nullptr;
  CBitmap* background_ = nullptr;
  CPoint backOffset_;
  bool dirty_ = false;
  bool mouseEnabled_ = true;
  bool visible_ = true;
  bool transparent_ = false;
  bool wantsFocus_ = false;
  bool attached_ = false;
};

}  // namespace VSTGUI
