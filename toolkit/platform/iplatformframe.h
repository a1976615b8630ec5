#pragma once
// The seam between a frame and the window system it shows in. A platform frame
// collects the rectangles that need repainting and repaints them when asked; it turns
// the window system's input into the frame's platform callbacks.

#include "toolkit/cbuttonstate.h"
#include "toolkit/cdrawcontext.h"
#include "toolkit/vstkeycode.h"

namespace VSTGUI {

enum PlatformType {
  kX11EmbedWindowID,  // Linux: a child window of the host's X11 window (the parent's window ID)
  kOffscreen,         // an image in memory: rendering without a window (tests, snapshots)
  kDefaultNative,     // the native kind of the system the toolkit is built for: X11 or HWND
  kHWND,              // Windows: a child window of the host's window (the parent's HWND)
};

// Extra settings for opening a frame on a platform (see toolkit/platform/linux/x11_run_loop.h).
class IPlatformFrameConfig {
 public:
  virtual ~IPlatformFrameConfig() = default;
};

// What the frame offers its platform frame.
class IPlatformFrameCallback {
 public:
  virtual bool platformDrawRect(CDrawContext* context, const CRect& rect) = 0;
  virtual CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) = 0;
  virtual CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) = 0;
  virtual CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) = 0;
  virtual CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) = 0;
  virtual bool platformOnMouseWheel(const CPoint& where, const CMouseWheelAxis& axis,
                                    const float& distance, const CButtonState& buttons) = 0;
  virtual int32_t platformOnKeyDown(VstKeyCode& keyCode) = 0;
  virtual int32_t platformOnKeyUp(VstKeyCode& keyCode) = 0;

 protected:
  ~IPlatformFrameCallback() = default;
};

class IPlatformFrame : public CBaseObject {
 public:
  // Marks a rectangle (frame coordinates) for repainting.
  virtual void invalidRect(const CRect& rect) = 0;
  // Repaints every marked rectangle now and shows the result.
  virtual void paintInvalid() = 0;
  virtual PlatformType getPlatformType() const = 0;
  // Draws the frame at a new device scale (a usable one, toolkit/device_scale.h): a window
  // takes its new size in device pixels, and everything is repainted at the next paint.
  virtual void setScaleFactor(double scale) = 0;
  // The frame is closing: nothing may call it any more, even if this platform frame
  // lives on for the rest of an event it is handling.
  virtual void detachFrame() = 0;
};

// Creates the platform frame of `type` for a frame of `size` drawn at the device scale
// `scale` (toolkit/device_scale.h); nullptr (with a
// diagnostic line) when the platform cannot show it, e.g. without an X display, or when
// the type is another system's (kHWND on Linux, kX11EmbedWindowID on Windows).
IPlatformFrame* createPlatformFrame(IPlatformFrameCallback* frame, const CRect& size, double scale,
                                    void* parent, PlatformType type, IPlatformFrameConfig* config);

}  // namespace VSTGUI
