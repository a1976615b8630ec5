#pragma once
// The root of a view tree: a container that shows on a platform window (or in an
// offscreen image), turns the window's input into mouse and key events for its views,
// tracks which views the pointer is over, and repaints dirty views on idle().

#include <vector>

#include "toolkit/cviewcontainer.h"
#include "toolkit/platform/iplatformframe.h"

namespace VSTGUI {

class CFrame;

// The editor that a frame belongs to: receives the begin/end of every edit and
// answers the host's knob mode.
class VSTGUIEditorInterface {
 public:
  virtual void doIdleStuff() {}
  // A CKnobMode, or -1 when the editor does not know.
  virtual int32_t getKnobMode() const { return -1; }
  virtual void beginEdit(int32_t /*index*/) {}
  virtual void endEdit(int32_t /*index*/) {}
  virtual CFrame* getFrame() const { return frame; }

 protected:
  VSTGUIEditorInterface() = default;
  virtual ~VSTGUIEditorInterface() = default;
  CFrame* frame = nullptr;
};

// Watches the pointer for the whole frame: told when it enters or leaves any view.
class IMouseObserver {
 public:
  virtual ~IMouseObserver() = default;
  virtual void onMouseEntered(CView* view, CFrame* frame) = 0;
  virtual void onMouseExited(CView* view, CFrame* frame) = 0;
  // Seen before the views; anything but kMouseEventNotHandled keeps the event from them.
  virtual CMouseEventResult onMouseMoved(CFrame* /*frame*/, const CPoint& /*where*/,
                                         const CButtonState& /*buttons*/) {
    return kMouseEventNotHandled;
  }
  virtual CMouseEventResult onMouseDown(CFrame* /*frame*/, const CPoint& /*where*/,
                                        const CButtonState& /*buttons*/) {
    return kMouseEventNotHandled;
  }
};

enum CKnobMode { kCircularMode = 0, kRelativCircularMode, kLinearMode };

class CFrame : public CViewContainer, public IPlatformFrameCallback {
 public:
  CFrame(const CRect& size, VSTGUIEditorInterface* editor);
  ~CFrame() override;

  // Shows the frame: for kX11EmbedWindowID as a child of the X11 window whose ID is
  // `systemWindow` (Linux), for kHWND as a child of the window whose HWND it is (Windows),
  // for kDefaultNative as the one of those the toolkit is built for, for kOffscreen in an
  // image. False when the frame is already open or the platform cannot show it.
  bool open(void* systemWindow, PlatformType type = kDefaultNative,
            IPlatformFrameConfig* config = nullptr);
  // Removes and releases every view, closes the window and releases the frame itself.
  void close();
  bool isOpen() const { return platformFrame_ != nullptr; }

  // Asks every dirty view to be repainted and repaints now.
  virtual void idle();

  // The device scale the frame is drawn at (toolkit/device_scale.h): its views keep their
  // coordinates, its window is round(size x zoom) pixels, and pointer positions are divided
  // back. False, changing nothing, for a factor that is not finite and positive.
  bool setZoom(double zoom);
  double getZoom() const { return zoom_; }

  VSTGUIEditorInterface* getEditor() const { return editor_; }
  // The host's knob mode through the editor; kCircularMode when nobody says.
  virtual int32_t getKnobMode() const;
  virtual void beginEdit(int32_t index);
  virtual void endEdit(int32_t index);

  // While a modal view is set, only it receives the mouse and it is drawn on top. The
  // frame shows it as a child without owning it. False when another is already set.
  virtual bool setModalView(CView* view);
  CView* getModalView() const { return modalView_; }
  virtual void setFocusView(CView* view);
  CView* getFocusView() const { return focusView_; }

  void registerMouseObserver(IMouseObserver* observer);
  void unregisterMouseObserver(IMouseObserver* observer);

  // The last pointer position and button state seen, in frame coordinates.
  bool getCurrentMouseLocation(CPoint& where) const;
  CButtonState getCurrentMouseButtons() const { return lastButtons_; }

  IPlatformFrame* getPlatformFrame() const { return platformFrame_; }
  // Called by views as they leave the tree, so that the frame forgets them.
  void onViewRemoved(CView* view);

  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
  bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
               const CButtonState& buttons) override;
  bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
  int32_t onKeyDown(VstKeyCode& keyCode) override;
  int32_t onKeyUp(VstKeyCode& keyCode) override;
  void invalid() override;
  void invalidRect(const CRect& rect) override;
  bool removeAll(bool withForget = true) override;
  bool attached(CView* parent) override;
  bool removed(CView* parent) override;

  // IPlatformFrameCallback
  bool platformDrawRect(CDrawContext* context, const CRect& rect) override;
  CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) override;
  bool platformOnMouseWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                            const CButtonState& buttons) override;
  int32_t platformOnKeyDown(VstKeyCode& keyCode) override;
  int32_t platformOnKeyUp(VstKeyCode& keyCode) override;

  CLASS_METHODS_NOCOPY(CFrame, CViewContainer)

 private:
  // Brings the list of views under the pointer up to date, telling views and
  // observers who was left (innermost first) and who was entered (outermost first).
  void checkMouseViews(const CPoint& where, const CButtonState& buttons);
  void clearMouseViews(const CPoint& where, const CButtonState& buttons);
  // Tells the view and the observers that the pointer entered or left the view.
  void notifyCrossing(CView* view, const CPoint& where, const CButtonState& buttons, bool entered);
  // Calls the observers in turn until one returns a result other than not handled.
  template <typename Call>
  CMouseEventResult askMouseObservers(Call&& call);
  int32_t dispatchKey(VstKeyCode& keyCode, bool down);

  VSTGUIEditorInterface* editor_;
  IPlatformFrame* platformFrame_ = nullptr;
  double zoom_ = 1.0;
  CView* modalView_ = nullptr;
  CView* focusView_ = nullptr;
  std::vector<CView*> mouseViews_;  // outermost first; each holds a reference
  std::vector<IMouseObserver*> mouseObservers_;
  CPoint lastMouse_{-1, -1};
  CButtonState lastButtons_;
};

}  // namespace VSTGUI
