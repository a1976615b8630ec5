// An editor in a real Win32 window, as a Windows host shows it: the test is the host, with a
// top-level window of its own whose HWND it hands to the editor, and a message loop on its
// thread that delivers the window's messages and the timers' ticks. Runs under Wine (with a
// virtual X server for Wine's windows).

#include "toolkit/platform/windows/win32_frame.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "sdk/vstgui_editor.h"
#include "toolkit/platform/windows/win32_input.h"
#include "window_test_views.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using toolkit_test::CountingListener;
using toolkit_test::PaintedView;
using toolkit_test::RecordingView;
using Log = std::vector<std::string>;

constexpr VSTGUI::CColor kPanel{30, 60, 90, 255};
constexpr int kWidth = 120;
constexpr int kHeight = 80;

// Delivers the thread's messages (timer ticks among them) for about `milliseconds`.
void pumpMessages(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (std::chrono::steady_clock::now() < end);
}

// Sends a message to a window as the system would post it, and lets it be handled.
void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageW(window, message, wParam, lParam);
  pumpMessages(10);
}

class KeyView : public RecordingView {
 public:
  using RecordingView::RecordingView;
  int32_t onKeyDown(VSTGUI::VstKeyCode& code) override {
    downs.push_back(code);
    return 1;
  }
  int32_t onKeyUp(VSTGUI::VstKeyCode& code) override {
    ups.push_back(code);
    return 1;
  }
  VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override {
    RecordingView::onMouseDown(where, buttons);
    getFrame()->setFocusView(this);
    return VSTGUI::kMouseEventHandled;
  }
  std::vector<VSTGUI::VstKeyCode> downs;
  std::vector<VSTGUI::VstKeyCode> ups;
};

class WindowEditor : public VSTGUIEditor {
 public:
  WindowEditor(EditController* controller, VSTGUI::CControlListener* listener, Log* log)
      : VSTGUIEditor(controller), listener_(listener), log_(log) {
    ViewRect size(0, 0, kWidth, kHeight);
    setRect(size);
    setIdleRate(20);
  }
  bool PLUGIN_API open(void* parent, const VSTGUI::PlatformType& type) override {
    if (frame) return false;
    openedWith = type;
    frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, kWidth, kHeight), this);
    build(frame, listener_, log_);
    if (frame->open(parent, type)) return true;
    frame->forget();
    frame = nullptr;
    return false;
  }
  void PLUGIN_API close() override {
    if (frame) frame->close();
    frame = nullptr;
    button = nullptr;
    swatch = nullptr;
    keys = nullptr;
  }
  // The views, the same in the window and offscreen.
  void build(VSTGUI::CFrame* into, VSTGUI::CControlListener* listener, Log* log) {
    into->setBackgroundColor(kPanel);
    const auto views = toolkit_test::addButtonAndSwatch(into, listener, &swatchColour);
    button = views.button;
    swatch = views.swatch;
    keys = new KeyView(VSTGUI::CRect(90, 10, 110, 30), VSTGUI::kGreenCColor, log, "keys");
    into->addView(keys);
    auto* label = new VSTGUI::CTextLabel(VSTGUI::CRect(5, 45, 115, 70), "0.50 @ 1kHz");
    auto* font = new VSTGUI::CFontDesc("Verdana", 12);
    label->setFont(font);
    font->forget();
    label->setFontColor(VSTGUI::kWhiteCColor);
    label->setBackColor(VSTGUI::kBlackCColor);
    label->setStyle(VSTGUI::kNoFrame);
    into->addView(label);
  }
  VSTGUI::CFrame* currentFrame() const { return frame; }

  VSTGUI::PlatformType openedWith = VSTGUI::kOffscreen;
  VSTGUI::CMovieButton* button = nullptr;
  PaintedView* swatch = nullptr;
  KeyView* keys = nullptr;
  VSTGUI::CColor swatchColour = VSTGUI::kWhiteCColor;

 private:
  VSTGUI::CControlListener* listener_;
  Log* log_;
};

// What a window shows, read back from the screen.
struct WindowPixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, top row first
  VSTGUI::CColor at(int x, int y) const {
    const uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)];
    return VSTGUI::CColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF, 255);
  }
};

WindowPixels readWindow(HWND window) {
  WindowPixels result;
  RECT client;
  GetClientRect(window, &client);
  result.width = client.right;
  result.height = client.bottom;
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = result.width;
  info.bmiHeader.biHeight = -result.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memoryDc, bitmap);
  BitBlt(memoryDc, 0, 0, result.width, result.height, windowDc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const uint32_t*>(bits);
  result.pixels.assign(source, source + result.width * result.height);
  for (uint32_t& pixel : result.pixels) pixel &= 0xFFFFFF;
  SelectObject(memoryDc, previous);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  return result;
}

// Saves what the window shows as a PNG (for a look by eye), when the environment names a file.
void savePicture(const WindowPixels& picture, const char* variable) {
  const char* path = std::getenv(variable);
  if (!path || !*path) return;
  cairo_surface_t* image =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      reinterpret_cast<uint32_t*>(data + y * stride)[x] =
          picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
  cairo_surface_mark_dirty(image);
  cairo_surface_write_to_png(image, path);
  cairo_surface_destroy(image);
}

LRESULT CALLBACK hostWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

class Win32Window : public ::testing::Test {
 protected:
  // One host window for the suite: without a window manager (Xvfb has none), Wine waits
  // two seconds for each top-level window it hides or destroys.
  static void SetUpTestSuite() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &hostWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"LobeshiftTestHost";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassExW(&windowClass);
    suiteParent = createHostWindow();
  }
  static void TearDownTestSuite() {
    if (suiteParent) DestroyWindow(suiteParent);
    suiteParent = nullptr;
  }
  static HWND createHostWindow() {
    HWND window = CreateWindowExW(0, L"LobeshiftTestHost", L"Host", WS_POPUP | WS_VISIBLE, 0, 0,
                                  200, 150, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    pumpMessages(50);
    return window;
  }

  void SetUp() override {
    parent = suiteParent;
    ASSERT_NE(parent, nullptr);
    controller = new EditController;
    editor = new WindowEditor(controller, &listener, &log);
  }
  void TearDown() override {
    editor->release();
    controller->release();
    pumpMessages(10);
    EXPECT_EQ(editorWindow(), nullptr);  // no editor window is left behind
  }

  HWND editorWindow() const {
    return FindWindowExW(parent, nullptr, VSTGUI::Win32PlatformFrame::windowClassName(), nullptr);
  }
  // Delivers messages until the pixel shows the colour, for at most two seconds.
  bool waitForPixel(HWND window, int x, int y, const VSTGUI::CColor& colour) {
    for (int i = 0; i < 100; ++i) {
      pumpMessages(20);
      if (readWindow(window).at(x, y) == colour) return true;
    }
    return false;
  }

  static inline HWND suiteParent = nullptr;
  HWND parent = nullptr;
  CountingListener listener;
  Log log;
  EditController* controller = nullptr;
  WindowEditor* editor = nullptr;
};

TEST(Win32Input, MouseKeyStatesAndVirtualKeysMapAsOnX11) {
  using namespace VSTGUI;
  EXPECT_EQ(Win32::buttonsOfKeyState(MK_LBUTTON | MK_SHIFT, true), kLButton | kShift | kAlt);
  EXPECT_EQ(Win32::buttonsOfKeyState(MK_RBUTTON | MK_MBUTTON | MK_CONTROL, false),
            kRButton | kMButton | kControl);
  EXPECT_EQ(Win32::buttonsOfKeyState(MK_XBUTTON1 | MK_XBUTTON2, false), kButton4 | kButton5);
  EXPECT_EQ(Win32::virtualKeyOf(VK_UP, true), VKEY_UP);
  EXPECT_EQ(Win32::virtualKeyOf(VK_RETURN, false), VKEY_RETURN);
  EXPECT_EQ(Win32::virtualKeyOf(VK_RETURN, true), VKEY_ENTER);  // the keypad's
  EXPECT_EQ(Win32::virtualKeyOf(VK_PRIOR, false), VKEY_PAGEUP);
  EXPECT_EQ(Win32::virtualKeyOf(VK_F5, false), VKEY_F5);
  EXPECT_EQ(Win32::virtualKeyOf(VK_MENU, false), VKEY_ALT);
  EXPECT_EQ(Win32::virtualKeyOf('A', false), 0);  // a character key
  EXPECT_EQ(Win32::virtualKeyOf(VK_NUMPAD1, false), 0);
  const VstKeyCode arrow = Win32::keyCodeOf(VKEY_LEFT, 0, true, false, true);
  EXPECT_EQ(arrow.virt, VKEY_LEFT);
  EXPECT_EQ(arrow.character, 0);
  EXPECT_EQ(arrow.modifier, MODIFIER_SHIFT | MODIFIER_ALTERNATE);
  const VstKeyCode letter = Win32::keyCodeOf(0, 'q', false, true, false);
  EXPECT_EQ(letter.character, 'q');
  EXPECT_EQ(letter.modifier, MODIFIER_CONTROL);
}

TEST_F(Win32Window, TheEditorBaseOffersHwndEmbedding) {
  EXPECT_EQ(editor->isPlatformTypeSupported(kPlatformTypeHWND), kResultTrue);
  EXPECT_EQ(editor->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultFalse);
  EXPECT_EQ(editor->attached(parent, kPlatformTypeX11EmbedWindowID), kResultFalse);
  EXPECT_EQ(editorWindow(), nullptr);
}

TEST_F(Win32Window, TheEditorDrawsWhatTheOffscreenRenderingDraws) {
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  EXPECT_EQ(editor->openedWith, VSTGUI::kHWND);
  const HWND window = editorWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetParent(window), parent);
  ASSERT_TRUE(waitForPixel(window, 14, 14, toolkit_test::kStackRed));
  const WindowPixels shown = readWindow(window);
  ASSERT_EQ(shown.width, kWidth);
  ASSERT_EQ(shown.height, kHeight);
  savePicture(shown, "LOBESHIFT_WIN32_PICTURE");

  // The same views drawn offscreen, pixel for pixel (the frame is opaque).
  WindowEditor twin(controller, &listener, nullptr);
  toolkit_test::OffscreenFrame offscreen(VSTGUI::CRect(0, 0, kWidth, kHeight));
  twin.build(offscreen.get(), &listener, nullptr);
  int different = 0;
  int inkedText = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const VSTGUI::CColor expected = offscreen.pixel(x, y);
      const VSTGUI::CColor actual = shown.at(x, y);
      if (expected.red != actual.red || expected.green != actual.green ||
          expected.blue != actual.blue)
        ++different;
      if (y >= 45 && y < 70 && actual.red > 128) ++inkedText;
    }
  }
  EXPECT_EQ(different, 0);
  EXPECT_GT(inkedText, 40);  // the text is there, drawn with the embedded font
  twin.close();
  EXPECT_EQ(editor->removed(), kResultOk);
  EXPECT_EQ(editorWindow(), nullptr);  // the window went with the frame
}

TEST_F(Win32Window, AClickReachesTheButtonAndTheIdleTimerRepaintsDirtyViews) {
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  const HWND window = editorWindow();
  ASSERT_TRUE(waitForPixel(window, 14, 14, toolkit_test::kStackRed));

  // A click as a user's would be: the pointer moved there, the button pressed and released.
  POINT screen{14, 14};
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  INPUT inputs[2]{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  const UINT sent = SendInput(2, inputs, sizeof(INPUT));
  pumpMessages(100);
  const bool byInput = sent == 2 && listener.changes == 1;
  RecordProperty("click", byInput ? "SendInput" : "posted messages");
  if (!byInput) {
    // Without a system input queue, the messages Windows would post for it.
    post(window, WM_MOUSEMOVE, 0, MAKELPARAM(14, 14));
    post(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(14, 14));
    post(window, WM_LBUTTONUP, 0, MAKELPARAM(14, 14));
  }
  EXPECT_TRUE(waitForPixel(window, 14, 14, toolkit_test::kStackGreen));
  EXPECT_EQ(editor->button->getValue(), 1.f);
  EXPECT_EQ(listener.changes, 1);
  EXPECT_EQ(GetCapture(), nullptr);  // released with the button

  // Nothing repaints a view that only became dirty until the idle timer fires.
  editor->swatchColour = VSTGUI::kRedCColor;
  editor->swatch->setDirty();
  EXPECT_TRUE(waitForPixel(window, 70, 20, VSTGUI::kRedCColor));
  EXPECT_EQ(editor->swatch->drawCount, 2);
  EXPECT_EQ(editor->removed(), kResultOk);
}

TEST_F(Win32Window, MouseMessagesReachTheViewsWithTheirButtonsAndModifiers) {
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  const HWND window = editorWindow();
  KeyView* view = editor->keys;
  post(window, WM_MOUSEMOVE, 0, MAKELPARAM(95, 15));
  post(window, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(95, 15));
  EXPECT_EQ(view->lastWhere, VSTGUI::CPoint(95, 15));
  EXPECT_EQ(view->lastButtons(), VSTGUI::kLButton | VSTGUI::kShift);
  EXPECT_EQ(GetCapture(), window);  // a drag stays with the window
  EXPECT_EQ(GetFocus(), window);    // and keys come to it
  post(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(97, 16));
  EXPECT_EQ(view->lastWhere, VSTGUI::CPoint(97, 16));
  EXPECT_EQ(view->lastButtons(), VSTGUI::kLButton);
  post(window, WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(97, 16));
  EXPECT_EQ(view->lastButtons(), VSTGUI::kLButton | VSTGUI::kControl);
  EXPECT_EQ(GetCapture(), nullptr);

  post(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(96, 16));
  EXPECT_TRUE(view->lastButtons.isDoubleClick());
  post(window, WM_LBUTTONUP, 0, MAKELPARAM(96, 16));

  // Another window taking the pointer mid-drag still ends the drag.
  post(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 15));
  log.clear();
  SetCapture(parent);
  pumpMessages(10);
  EXPECT_EQ(log, (Log{"keys up"}));
  EXPECT_EQ(view->lastButtons(), VSTGUI::kLButton);
  ReleaseCapture();
  post(window, WM_MOUSEMOVE, 0, MAKELPARAM(95, 15));

  // The wheel's position is the screen's; one notch is one step.
  POINT screen{100, 20};
  ClientToScreen(window, &screen);
  log.clear();
  post(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
  post(window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(log, (Log{"keys wheel+", "keys wheel-"}));
  EXPECT_EQ(view->lastWhere, VSTGUI::CPoint(100, 20));

  log.clear();
  post(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(log, (Log{"keys exited"}));
  EXPECT_EQ(editor->removed(), kResultOk);
}

TEST_F(Win32Window, KeysReachTheClickedViewAsVirtualKeysOrCharacters) {
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  const HWND window = editorWindow();
  KeyView* view = editor->keys;
  post(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 15));
  post(window, WM_LBUTTONUP, 0, MAKELPARAM(95, 15));
  ASSERT_EQ(GetFocus(), window);

  post(window, WM_KEYDOWN, VK_UP, 1 | (0x48 << 16) | (1 << 24));
  post(window, WM_KEYUP, VK_UP, 1 | (0x48 << 16) | (1 << 24) | (3u << 30));
  // A character key: the character message the host's loop makes of it (TranslateMessage)
  // says what it typed.
  post(window, WM_KEYDOWN, 'A', 1 | (0x1E << 16));
  post(window, WM_KEYUP, 'A', 1 | (0x1E << 16) | (3u << 30));
  // Return goes as a virtual key, not also as the character it makes.
  post(window, WM_KEYDOWN, VK_RETURN, 1 | (0x1C << 16));

  ASSERT_EQ(view->downs.size(), 3u);
  EXPECT_EQ(view->downs[0].virt, VSTGUI::VKEY_UP);
  EXPECT_EQ(view->downs[1].virt, 0);
  EXPECT_EQ(view->downs[1].character, 'a');
  EXPECT_EQ(view->downs[2].virt, VSTGUI::VKEY_RETURN);
  ASSERT_EQ(view->ups.size(), 2u);
  EXPECT_EQ(view->ups[0].virt, VSTGUI::VKEY_UP);
  EXPECT_EQ(view->ups[1].character, 'a');
  EXPECT_EQ(editor->removed(), kResultOk);
  EXPECT_EQ(GetFocus(), parent);  // the keys that follow are the host's again
}

TEST_F(Win32Window, AClickMayCloseTheEditorWhileItsMessageIsHandled) {
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  const HWND window = editorWindow();
  listener.onChange = [this] { editor->removed(); };
  post(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(14, 14));
  post(window, WM_LBUTTONUP, 0, MAKELPARAM(14, 14));
  EXPECT_EQ(listener.changes, 1);
  EXPECT_FALSE(IsWindow(window));
  pumpMessages(50);  // queued messages and timer ticks find nobody
}

TEST_F(Win32Window, TheToolkitsTimersTickOnTheThreadThatStartedThem) {
  const DWORD thread = GetCurrentThreadId();
  int ticks = 0;
  bool otherThread = false;
  VSTGUI::CVSTGUITimer timer(
      [&](VSTGUI::CVSTGUITimer* self) {
        ++ticks;
        otherThread |= GetCurrentThreadId() != thread;
        if (ticks == 3) self->stop();
      },
      10, true);
  EXPECT_TRUE(timer.isRunning());
  for (int i = 0; i < 100 && timer.isRunning(); ++i) pumpMessages(10);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(otherThread);
  pumpMessages(50);
  EXPECT_EQ(ticks, 3);  // stopped from its own tick
}

TEST_F(Win32Window, TwoEditorsOpenTogetherAndCloseInEitherOrder) {
  // The window class is the module's while any editor window is open, and again after.
  WindowEditor second(controller, &listener, nullptr);
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  ASSERT_EQ(second.attached(parent, kPlatformTypeHWND), kResultOk);
  auto* platformFrame =
      dynamic_cast<VSTGUI::Win32PlatformFrame*>(second.currentFrame()->getPlatformFrame());
  ASSERT_NE(platformFrame, nullptr);
  const HWND secondWindow = platformFrame->getWindow();
  EXPECT_EQ(editor->removed(), kResultOk);
  ASSERT_TRUE(IsWindow(secondWindow));
  second.swatchColour = VSTGUI::kRedCColor;
  second.swatch->setDirty();
  EXPECT_TRUE(waitForPixel(secondWindow, 70, 20, VSTGUI::kRedCColor));
  EXPECT_EQ(second.removed(), kResultOk);
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  EXPECT_TRUE(waitForPixel(editorWindow(), 14, 14, toolkit_test::kStackRed));
  EXPECT_EQ(editor->removed(), kResultOk);
}

TEST_F(Win32Window, ABadParentWindowFailsCleanly) {
  EXPECT_EQ(editor->attached(reinterpret_cast<void*>(0x7ffffff0), kPlatformTypeHWND), kResultFalse);
  EXPECT_EQ(editor->currentFrame(), nullptr);
}

TEST_F(Win32Window, TheHostMayDestroyItsWindowBeforeRemovingTheEditor) {
  parent = createHostWindow();
  ASSERT_EQ(editor->attached(parent, kPlatformTypeHWND), kResultOk);
  const HWND window = editorWindow();
  ASSERT_NE(window, nullptr);
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(window));
  pumpMessages(50);  // the idle timer finds a frame without a window
  EXPECT_EQ(editor->removed(), kResultOk);
}

}  // namespace
