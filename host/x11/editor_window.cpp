#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// Xlib's macro would rename the host library's Status.
#undef Status

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/editor_window.h"

namespace host {

using namespace Steinberg;

namespace {

KeySym keysymOf(Key key) {
  switch (key) {
    case Key::kShift:
      return XK_Shift_L;
    case Key::kControl:
      return XK_Control_L;
    case Key::kAlt:
      return XK_Alt_L;
  }
  return NoSymbol;
}

// X buttons 4 and 5 are the wheel's notches away from and towards the user.
constexpr unsigned kWheelUp = 4;
constexpr unsigned kWheelDown = 5;

}  // namespace

EditorWindow::EditorWindow(RunLoop* runLoop) : runLoop_(runLoop), plugFrame_(runLoop) {
  if (!std::getenv("DISPLAY")) {
    error_ = "no X display (DISPLAY is not set)";
    return;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    error_ = "cannot connect to the X display";
    return;
  }
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
    XCloseDisplay(display);
    error_ = "the X server has no test extension (XTEST)";
    return;
  }
  display_ = display;
  plugFrame_.setWindowResizer([this](const ViewRect& size) {
    if (!window_ || size.getWidth() <= 0 || size.getHeight() <= 0) return;
    XResizeWindow(display_, window_, static_cast<unsigned>(size.getWidth()),
                  static_cast<unsigned>(size.getHeight()));
    XSync(display_, False);
  });
}

EditorWindow::~EditorWindow() {
  remove();
  if (!display_) return;
  if (window_) XDestroyWindow(display_, window_);
  XCloseDisplay(display_);
}

Status EditorWindow::attach(IPlugView* view) {
  if (!display_) return Status::failure(error_);
  if (view == nullptr) return Status::failure("no view to attach");
  if (view_) return Status::failure("a view is already attached");
  ViewRect size;
  if (view->getSize(&size) != kResultOk || size.getWidth() <= 0 || size.getHeight() <= 0)
    return Status::failure("the view reports no size");
  if (view->isPlatformTypeSupported(platformType()) != kResultTrue)
    return Status::failure("the view does not support X11 embedding");
  if (!window_) {
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0,
                                  static_cast<unsigned>(size.getWidth()),
                                  static_cast<unsigned>(size.getHeight()), 0, 0, 0);
    XMapRaised(display_, window_);
  } else {
    XResizeWindow(display_, window_, static_cast<unsigned>(size.getWidth()),
                  static_cast<unsigned>(size.getHeight()));
  }
  XSync(display_, False);
  view->setFrame(&plugFrame_);
  if (view->attached(reinterpret_cast<void*>(window_), platformType()) != kResultOk) {
    view->setFrame(nullptr);
    return Status::failure("the view refused to attach to the host window");
  }
  view->addRef();
  view_ = view;
  return Status::success();
}

Status EditorWindow::remove() {
  if (!view_) return Status::success();
  IPlugView* view = view_;
  view_ = nullptr;
  const tresult result = view->removed();
  view->setFrame(nullptr);
  view->release();
  if (display_) XSync(display_, False);
  return result == kResultOk ? Status::success() : Status::failure("the view's removed() failed");
}

unsigned long EditorWindow::editorWindow() const {
  if (!display_ || !window_) return 0;
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  XQueryTree(display_, window_, &root, &parent, &children, &count);
  const Window child = count > 0 ? children[count - 1] : 0;
  if (children) XFree(children);
  return child;
}

void EditorWindow::pump(std::uint32_t milliseconds) {
  sync();
  if (runLoop_) runLoop_->runFor(milliseconds);
}

void EditorWindow::sync() {
  if (display_) XSync(display_, False);
}

void EditorWindow::holdKeys(std::initializer_list<Key> held, bool down) {
  for (Key key : held) {
    const KeyCode code = XKeysymToKeycode(display_, keysymOf(key));
    if (code != 0) XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
  }
}

void EditorWindow::moveTo(int x, int y, std::initializer_list<Key> held) {
  if (!display_ || !window_) return;
  int rootX = 0, rootY = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                        &child);
  holdKeys(held, true);
  XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
  holdKeys(held, false);
  sync();
}

void EditorWindow::pressOrRelease(int button, bool down, std::initializer_list<Key> held) {
  if (!display_) return;
  holdKeys(held, true);
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), down ? True : False, CurrentTime);
  holdKeys(held, false);
  sync();
}

void EditorWindow::press(int button, std::initializer_list<Key> held) {
  pressOrRelease(button, true, held);
}

void EditorWindow::release(int button, std::initializer_list<Key> held) {
  pressOrRelease(button, false, held);
}

void EditorWindow::click(int x, int y, std::initializer_list<Key> held, int button) {
  moveTo(x, y);
  if (!display_) return;
  holdKeys(held, true);
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), True, CurrentTime);
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), False, CurrentTime);
  holdKeys(held, false);
  sync();
}

void EditorWindow::drag(int fromX, int fromY, int toX, int toY, std::initializer_list<Key> held,
                        int step) {
  if (!display_ || !window_) return;
  moveTo(fromX, fromY);
  holdKeys(held, true);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  const int distance = std::max(std::abs(toX - fromX), std::abs(toY - fromY));
  const int steps = std::max(1, (distance + std::max(step, 1) - 1) / std::max(step, 1));
  int rootX = 0, rootY = 0;
  Window child = 0;
  for (int i = 1; i <= steps; ++i) {
    const int x = fromX + (toX - fromX) * i / steps;
    const int y = fromY + (toY - fromY) * i / steps;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    sync();
    // The editor reads each move before the next, as it would at a user's pace.
    if (runLoop_) runLoop_->pump();
  }
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  holdKeys(held, false);
  sync();
}

void EditorWindow::wheel(int x, int y, int notches, std::initializer_list<Key> held) {
  moveTo(x, y);
  if (!display_) return;
  holdKeys(held, true);
  const unsigned button = notches > 0 ? kWheelUp : kWheelDown;
  for (int i = 0; i < std::abs(notches); ++i) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
  }
  holdKeys(held, false);
  sync();
}

void EditorWindow::pressKey(const char* keysymName, std::initializer_list<Key> held) {
  if (!display_ || keysymName == nullptr) return;
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysymName));
  if (code == 0) return;
  holdKeys(held, true);
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  holdKeys(held, false);
  sync();
}

Screenshot EditorWindow::capture() {
  Screenshot shot;
  if (!display_ || !window_) return shot;
  sync();
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, window_, &attributes)) return shot;
  XImage* image = XGetImage(display_, window_, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (!image) return shot;
  shot.width = attributes.width;
  shot.height = attributes.height;
  shot.pixels.resize(static_cast<std::size_t>(shot.width) * shot.height);
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      shot.pixels[static_cast<std::size_t>(y) * shot.width + x] = {
          static_cast<std::uint8_t>((pixel >> 16) & 0xFF),
          static_cast<std::uint8_t>((pixel >> 8) & 0xFF), static_cast<std::uint8_t>(pixel & 0xFF)};
    }
  }
  XDestroyImage(image);
  return shot;
}

}  // namespace host
