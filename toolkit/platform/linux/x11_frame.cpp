#include "toolkit/platform/linux/x11_frame.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo-xlib.h>
#include <cairo.h>

#include <cmath>
#include <cstdlib>

#include "platform/diagnostics.h"
#include "toolkit/device_scale.h"
#include "toolkit/platform/linux/x11_input.h"

namespace VSTGUI {
namespace {

// Presses of one button this close in time and place make a double click.
constexpr unsigned long kDoubleClickMilliseconds = 400;
constexpr CCoord kDoubleClickDistance = 4;

int xErrors = 0;
int countError(Display*, XErrorEvent*) {
  ++xErrors;
  return 0;
}

// Runs X requests with errors counted instead of ending the process (Xlib's default),
// since a bad parent window is the host's input, not our fault.
template <typename Requests>
bool withoutXErrors(Display* display, Requests&& requests) {
  XSync(display, False);
  xErrors = 0;
  auto* previous = XSetErrorHandler(countError);
  requests();
  XSync(display, False);
  XSetErrorHandler(previous);
  return xErrors == 0;
}

}  // namespace

X11PlatformFrame* X11PlatformFrame::create(IPlatformFrameCallback* frame, const CRect& size,
                                           double scale, unsigned long parentWindow,
                                           const SharedPointer<X11::IRunLoop>& runLoop) {
  if (!runLoop) {
    diag::write("Editor window: the host offers no run loop, so the window cannot be served\n");
    return nullptr;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    const char* name = std::getenv("DISPLAY");
    diag::write("Editor window: cannot connect to the X display '%s'\n", name ? name : "");
    return nullptr;
  }
  if (!isUsableScale(scale)) scale = 1.0;
  const auto width = static_cast<unsigned>(std::max(1, deviceExtent(size.getWidth(), scale)));
  const auto height = static_cast<unsigned>(std::max(1, deviceExtent(size.getHeight(), scale)));
  Window window = 0;
  const bool created =
      parentWindow != 0 && withoutXErrors(display, [&] {
        XSetWindowAttributes attributes{};
        attributes.background_pixmap = None;  // we paint every pixel; no flash of a background
        attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask |
                                PointerMotionMask | EnterWindowMask | LeaveWindowMask |
                                KeyPressMask | KeyReleaseMask | StructureNotifyMask;
        window =
            XCreateWindow(display, parentWindow, 0, 0, width, height, 0, CopyFromParent,
                          InputOutput, CopyFromParent, CWBackPixmap | CWEventMask, &attributes);
      });
  if (!created || window == 0) {
    diag::write("Editor window: cannot open a window in the parent window 0x%lx\n", parentWindow);
    XCloseDisplay(display);
    return nullptr;
  }
  // Embedders that speak XEMBED map the window themselves; this says it wants to be shown.
  const Atom xembedInfo = XInternAtom(display, "_XEMBED_INFO", False);
  const long info[2] = {0, 1};
  XChangeProperty(display, window, xembedInfo, xembedInfo, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(info), 2);
  XMapWindow(display, window);
  XFlush(display);

  auto* platformFrame = new X11PlatformFrame(frame, size, scale, display, window, runLoop);
  if (!runLoop->registerEventHandler(ConnectionNumber(display), platformFrame)) {
    diag::write("Editor window: the host's run loop refused the X connection\n");
    platformFrame->forget();
    return nullptr;
  }
  return platformFrame;
}

X11PlatformFrame::X11PlatformFrame(IPlatformFrameCallback* frame, const CRect& size, double scale,
                                   Display* display, unsigned long window,
                                   const SharedPointer<X11::IRunLoop>& runLoop)
    : frame_(frame),
      buffer_(frame, size, scale),
      display_(display),
      window_(window),
      runLoop_(runLoop) {
  XWindowAttributes attributes;
  XGetWindowAttributes(display_, window_, &attributes);
  windowSurface_ = cairo_xlib_surface_create(display_, window_, attributes.visual,
                                             buffer_.getWidth(), buffer_.getHeight());
  cairo_surface_set_device_scale(windowSurface_, buffer_.getScale(), buffer_.getScale());
}

X11PlatformFrame::~X11PlatformFrame() {
  runLoop_->unregisterEventHandler(this);
  cairo_surface_destroy(windowSurface_);
  XDestroyWindow(display_, window_);
  XCloseDisplay(display_);
}

void X11PlatformFrame::detachFrame() {
  frame_ = nullptr;
  buffer_.detachFrame();
}

void X11PlatformFrame::setScaleFactor(double scale) {
  buffer_.setScale(scale);
  const int width = buffer_.getWidth();
  const int height = buffer_.getHeight();
  XResizeWindow(display_, window_, static_cast<unsigned>(width), static_cast<unsigned>(height));
  cairo_xlib_surface_set_size(windowSurface_, width, height);
  cairo_surface_set_device_scale(windowSurface_, buffer_.getScale(), buffer_.getScale());
  XFlush(display_);
}

CPoint X11PlatformFrame::inFrame(int x, int y) const {
  return CPoint(x / buffer_.getScale(), y / buffer_.getScale());
}

void X11PlatformFrame::onEvent() { paintInvalid(); }

void X11PlatformFrame::paintInvalid() {
  if (inPaint_) return;
  inPaint_ = true;
  CBaseObjectGuard guard(this);
  readEvents();
  std::vector<CRect> rects = buffer_.paint();
  rects.insert(rects.end(), exposed_.begin(), exposed_.end());
  exposed_.clear();
  show(rects);
  inPaint_ = false;
}

void X11PlatformFrame::readEvents() {
  // A handler may close the frame; the events after that have nobody to go to.
  while (frame_ && XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.xany.window != window_) continue;
    if (event.type == MotionNotify) {
      // Only the latest position of a burst of moves matters.
      while (XCheckTypedWindowEvent(display_, window_, MotionNotify, &event)) {
      }
    }
    handleEvent(event);
  }
}

void X11PlatformFrame::handleEvent(XEvent& event) {
  switch (event.type) {
    case Expose: {
      const XExposeEvent& expose = event.xexpose;
      exposed_.emplace_back(expose.x, expose.y, expose.x + expose.width, expose.y + expose.height);
      break;
    }
    case ButtonPress: {
      const XButtonEvent& press = event.xbutton;
      CPoint where = inFrame(press.x, press.y);
      CMouseWheelAxis axis;
      float distance;
      if (X11::wheelOfButton(press.button, axis, distance)) {
        frame_->platformOnMouseWheel(where, axis, distance, X11::modifiersOfState(press.state));
        break;
      }
      const int32_t bit = X11::buttonBit(press.button);
      if (bit == 0) break;
      if (bit & (kButton4 | kButton5)) extraButtons_ |= bit;
      int32_t buttons = bit | X11::buttonsOfState(press.state) | extraButtons_;
      const CPoint delta = where - lastPressWhere_;
      if (press.button == lastPressButton_ &&
          press.time - lastPressTime_ <= kDoubleClickMilliseconds &&
          std::abs(delta.x) <= kDoubleClickDistance && std::abs(delta.y) <= kDoubleClickDistance) {
        buttons |= kDoubleClick;
        lastPressButton_ = 0;  // a third press starts over
      } else {
        lastPressButton_ = press.button;
      }
      lastPressTime_ = press.time;
      lastPressWhere_ = where;
      frame_->platformOnMouseDown(where, buttons);
      break;
    }
    case ButtonRelease: {
      const XButtonEvent& release = event.xbutton;
      const int32_t bit = X11::buttonBit(release.button);
      if (bit == 0) break;
      extraButtons_ &= ~bit;
      CPoint where = inFrame(release.x, release.y);
      frame_->platformOnMouseUp(where, bit | X11::modifiersOfState(release.state));
      break;
    }
    case MotionNotify: {
      const XMotionEvent& motion = event.xmotion;
      CPoint where = inFrame(motion.x, motion.y);
      frame_->platformOnMouseMoved(where, X11::buttonsOfState(motion.state) | extraButtons_);
      break;
    }
    case EnterNotify: {
      const XCrossingEvent& crossing = event.xcrossing;
      CPoint where = inFrame(crossing.x, crossing.y);
      frame_->platformOnMouseMoved(where, X11::buttonsOfState(crossing.state) | extraButtons_);
      break;
    }
    case LeaveNotify: {
      const XCrossingEvent& crossing = event.xcrossing;
      // A drag that leaves the window still belongs to the view that started it.
      if (crossing.mode != NotifyNormal ||
          (crossing.state & (Button1Mask | Button2Mask | Button3Mask)))
        break;
      CPoint where = inFrame(crossing.x, crossing.y);
      frame_->platformOnMouseExited(where, X11::modifiersOfState(crossing.state));
      break;
    }
    case KeyPress:
    case KeyRelease: {
      char text[8] = {};
      KeySym keysym = 0;
      const int length = XLookupString(&event.xkey, text, sizeof text - 1, &keysym, nullptr);
      const int32_t character = length == 1 ? static_cast<unsigned char>(text[0]) : 0;
      VstKeyCode code = X11::keyCodeOf(keysym, character, event.xkey.state);
      if (event.type == KeyPress)
        frame_->platformOnKeyDown(code);
      else
        frame_->platformOnKeyUp(code);
      break;
    }
    default:
      break;
  }
}

void X11PlatformFrame::show(const std::vector<CRect>& rects) {
  if (rects.empty()) return;
  cairo_surface_flush(buffer_.getSurface());
  // The window's surface has the buffer's device scale, so that cairo lays the buffer's
  // pixels one to one onto the window's (a source's device scale shrinks it on a surface
  // without one); the rectangles, in device pixels, go into those units.
  const double scale = buffer_.getScale();
  cairo_t* cairo = cairo_create(windowSurface_);
  for (const CRect& rect : rects)
    cairo_rectangle(cairo, rect.left / scale, rect.top / scale, rect.getWidth() / scale,
                    rect.getHeight() / scale);
  cairo_clip(cairo);
  cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cairo, buffer_.getSurface(), 0, 0);
  cairo_paint(cairo);
  cairo_destroy(cairo);
  cairo_surface_flush(windowSurface_);
  XFlush(display_);
}

}  // namespace VSTGUI
