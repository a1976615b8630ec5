// An editor in a real X11 window, as a host shows it: the test is the host, with a
// top-level window of its own, a run loop and a plug-in frame. Skips without a display
// (CTest runs it under xvfb-run).

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "host/plug_frame.h"
#include "sdk/vstgui_editor.h"
#include "window_test_views.h"

// Last: Xlib's macros (None, Bool, ...) would clash with the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using host::PlugFrame;
using toolkit_test::CountingListener;
using toolkit_test::PaintedView;

constexpr VSTGUI::CColor kPanel{30, 60, 90, 255};

class WindowEditor : public VSTGUIEditor {
 public:
  WindowEditor(EditController* controller, VSTGUI::CControlListener* listener)
      : VSTGUIEditor(controller), listener_(listener) {
    ViewRect size(0, 0, 120, 80);
    setRect(size);
    setIdleRate(50);
  }
  bool PLUGIN_API open(void* parent, const VSTGUI::PlatformType& type) override {
    if (frame) return false;
    frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, 120, 80), this);
    frame->setBackgroundColor(kPanel);
    const auto views = toolkit_test::addButtonAndSwatch(frame, listener_, &swatchColour);
    button = views.button;
    swatch = views.swatch;
    if (frame->open(parent, type)) return true;
    frame->forget();
    frame = nullptr;
    return false;
  }
  void PLUGIN_API close() override {
    if (frame) frame->close();
    frame = nullptr;
  }

  VSTGUI::CMovieButton* button = nullptr;
  PaintedView* swatch = nullptr;
  VSTGUI::CColor swatchColour = VSTGUI::kWhiteCColor;

 private:
  VSTGUI::CControlListener* listener_;
};

class X11Window : public ::testing::Test {
 protected:
  // One connection for the whole suite: an X server with no client left resets
  // itself, and a test that connects during the reset would find no display.
  static void SetUpTestSuite() {
    if (std::getenv("DISPLAY")) display = XOpenDisplay(nullptr);
  }
  static void TearDownTestSuite() {
    if (display) XCloseDisplay(display);
    display = nullptr;
  }

  void SetUp() override {
    if (!display) GTEST_SKIP() << "no X display";
    parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 200, 150, 0, 0, 0);
    XMapWindow(display, parent);
    XSync(display, False);
    controller = new EditController;
    editor = new WindowEditor(controller, &listener);
    editor->setFrame(&plugFrame);
  }
  void TearDown() override {
    if (!display) return;
    editor->setFrame(nullptr);
    editor->release();
    controller->release();
    XDestroyWindow(display, parent);
    XSync(display, False);
  }

  Window editorWindow() {
    Window root = 0, parentOfParent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display, parent, &root, &parentOfParent, &children, &count);
    const Window child = count == 1 ? children[0] : 0;
    if (children) XFree(children);
    return child;
  }
  VSTGUI::CColor screenPixel(Window window, int x, int y) {
    XSync(display, False);
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return VSTGUI::CColor(0, 0, 0, 0);
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return VSTGUI::CColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF, 255);
  }
  // Runs the host's loop until the pixel shows the colour, for at most two seconds.
  bool waitForPixel(Window window, int x, int y, const VSTGUI::CColor& colour) {
    for (int i = 0; i < 100; ++i) {
      runLoop.runFor(20);
      if (screenPixel(window, x, y) == colour) return true;
    }
    return false;
  }

  static inline Display* display = nullptr;
  Window parent = 0;
  host::RunLoop runLoop;
  PlugFrame plugFrame{&runLoop};
  CountingListener listener;
  EditController* controller = nullptr;
  WindowEditor* editor = nullptr;
};

TEST_F(X11Window, TheEditorDrawsTakesAClickAndRepaintsDirtyViewsOnIdle) {
  ASSERT_EQ(editor->attached(reinterpret_cast<void*>(parent), kPlatformTypeX11EmbedWindowID),
            kResultOk);
  const Window window = editorWindow();
  ASSERT_NE(window, 0u);
  EXPECT_TRUE(waitForPixel(window, 100, 60, kPanel));
  EXPECT_TRUE(waitForPixel(window, 14, 14, toolkit_test::kStackRed));
  EXPECT_TRUE(waitForPixel(window, 70, 20, VSTGUI::kWhiteCColor));

  // A click made by the X server's test extension, as a user's would be.
  const std::string command =
      "xdotool mousemove --window " + std::to_string(window) + " 14 14 click 1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_TRUE(waitForPixel(window, 14, 14, toolkit_test::kStackGreen));
  EXPECT_EQ(editor->button->getValue(), 1.f);
  EXPECT_EQ(listener.changes, 1);

  // Nothing repaints a view that only became dirty until the idle timer fires.
  editor->swatchColour = VSTGUI::kRedCColor;
  editor->swatch->setDirty();
  EXPECT_TRUE(waitForPixel(window, 70, 20, VSTGUI::kRedCColor));
  EXPECT_EQ(editor->swatch->drawCount, 2);

  EXPECT_EQ(editor->removed(), kResultOk);
  XSync(display, False);
  EXPECT_EQ(editorWindow(), 0u);  // the window went with the frame
  EXPECT_EQ(runLoop.eventHandlerCount(), 0u);
  EXPECT_EQ(runLoop.timerCount(), 0u);
}

TEST_F(X11Window, AClickMayCloseTheEditorWhileItsEventIsHandled) {
  ASSERT_EQ(editor->attached(reinterpret_cast<void*>(parent), kPlatformTypeX11EmbedWindowID),
            kResultOk);
  const Window window = editorWindow();
  ASSERT_TRUE(waitForPixel(window, 14, 14, toolkit_test::kStackRed));
  listener.onChange = [this] { editor->removed(); };
  const std::string command =
      "xdotool mousemove --window " + std::to_string(window) + " 14 14 click 1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (int i = 0; i < 20 && listener.changes == 0; ++i) runLoop.runFor(20);
  EXPECT_EQ(listener.changes, 1);
  runLoop.runFor(100);  // the rest of the event batch and the release find no frame
  EXPECT_EQ(runLoop.eventHandlerCount(), 0u);
  EXPECT_EQ(runLoop.timerCount(), 0u);
}

TEST_F(X11Window, ABadParentWindowFailsCleanly) {
  EXPECT_EQ(editor->attached(reinterpret_cast<void*>(0x7ffffff), kPlatformTypeX11EmbedWindowID),
            kResultFalse);
  EXPECT_EQ(runLoop.eventHandlerCount(), 0u);
  EXPECT_EQ(runLoop.timerCount(), 0u);
}

}  // namespace
