#pragma once
// A view that holds child views in order. The order is the drawing order (the first
// child at the back) and, reversed, the order in which children are offered the
// mouse: a press goes to the topmost visible child under the pointer, and the child
// that took it receives the moves and the release that follow. Children's rectangles
// are in the container's own coordinates (its top-left corner is their origin).
//
// A container owns its children: addView takes over the caller's reference and
// removeView releases it.

#include <vector>

#include "toolkit/ccolor.h"
#include "toolkit/cview.h"

namespace VSTGUI {

class CViewContainer : public CView {
 public:
  explicit CViewContainer(const CRect& size);
  CViewContainer(const CRect& size, CFrame* parent, CBitmap* background = nullptr);
  // Copies the container's attributes and a copy of every child that can be copied.
  CViewContainer(const CViewContainer& other);
  ~CViewContainer() override;

  virtual bool addView(CView* view);
  virtual bool addView(CView* view, const CRect& mouseableArea, bool mouseEnabled = true);
  // Inserts `view` just below `before` (drawn before it); at the top if `before` is no child.
  virtual bool addView(CView* view, CView* before);
  virtual bool removeView(CView* view, bool withForget = true);
  virtual bool removeAll(bool withForget = true);
  virtual bool changeViewZOrder(CView* view, int32_t newIndex);
  bool isChild(CView* view, bool deep = false) const;
  int32_t getNbViews() const { return static_cast<int32_t>(children_.size()); }
  CView* getView(int32_t index) const;
  // The topmost visible child whose mouseable area holds `where` (in this container's
  // parent's coordinates). With `deep`, the innermost such view; a container with no
  // child there is itself the answer.
  virtual CView* getViewAt(const CPoint& where, bool deep = false) const;

  // Filled behind the children unless the container is transparent or has a bitmap.
  virtual void setBackgroundColor(const CColor& color);
  const CColor& getBackgroundColor() const { return backgroundColor_; }
  virtual void drawBackgroundRect(CDrawContext* context, const CRect& updateRect);

  // Asks for the repaint of every dirty visible view inside (or of the whole container
  // when the container itself is dirty).
  virtual bool invalidateDirtyViews();

  void draw(CDrawContext* context) override;
  void drawRect(CDrawContext* context, const CRect& updateRect) override;
  bool isDirty() const override;
  void invalid() override;
  void invalidRect(const CRect& rect) override;

  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
  bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
  bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
               const CButtonState& buttons) override;

  bool attached(CView* parent) override;
  bool removed(CView* parent) override;

  CLASS_METHODS(CViewContainer, CView)

 protected:
  // The child that took the current press and gets its moves and release.
  CView* mouseDownView = nullptr;

 private:
  std::vector<CView*> children_;
  CColor backgroundColor_ = kBlackCColor;
};

}  // namespace VSTGUI
