#pragma once
// The X11 back end: a child window of the host's window, with a connection of its own
// to the X server. Painting goes to a back buffer first and is then copied to the
// window (no flicker); X events are read when the host's run loop reports the
// connection readable, and at every repaint.

#include <vector>

#include "toolkit/platform/linux/x11_run_loop.h"
#include "toolkit/platform/paint_buffer.h"

typedef struct _XDisplay Display;
union _XEvent;

namespace VSTGUI {

class X11PlatformFrame : public IPlatformFrame, private X11::IEventHandler {
 public:
  // nullptr, with a diagnostic line, when the display, the parent window or the run
  // loop is not there.
  static X11PlatformFrame* create(IPlatformFrameCallback* frame, const CRect& size, double scale,
                                  unsigned long parentWindow,
                                  const SharedPointer<X11::IRunLoop>& runLoop);
  ~X11PlatformFrame() override;
  X11PlatformFrame(const X11PlatformFrame&) = delete;
  X11PlatformFrame& operator=(const X11PlatformFrame&) = delete;

  void invalidRect(const CRect& rect) override { buffer_.invalidate(rect); }
  // Reads the events waiting, repaints what is invalid and shows it.
  void paintInvalid() override;
  PlatformType getPlatformType() const override { return kX11EmbedWindowID; }
  // Resizes the window to the frame's size at the new scale.
  void setScaleFactor(double scale) override;
  void detachFrame() override;

  unsigned long getWindow() const { return window_; }
  Display* getDisplay() const { return display_; }

 private:
  X11PlatformFrame(IPlatformFrameCallback* frame, const CRect& size, double scale, Display* display,
                   unsigned long window, const SharedPointer<X11::IRunLoop>& runLoop);
  // A window position in the frame's coordinates.
  CPoint inFrame(int x, int y) const;
  void onEvent() override;
  void readEvents();
  void handleEvent(_XEvent& event);
  void show(const std::vector<CRect>& rects);

  IPlatformFrameCallback* frame_;
  PaintBuffer buffer_;
  Display* display_;
  unsigned long window_;
  cairo_surface_t* windowSurface_ = nullptr;
  SharedPointer<X11::IRunLoop> runLoop_;
  std::vector<CRect> exposed_;
  int32_t extraButtons_ = 0;  // held extra buttons, which X state masks do not carry
  unsigned int lastPressButton_ = 0;
  unsigned long lastPressTime_ = 0;
  CPoint lastPressWhere_;
  bool inPaint_ = false;
};

}  // namespace VSTGUI
