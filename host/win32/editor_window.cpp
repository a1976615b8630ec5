#include "host/editor_window.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace host {

using namespace Steinberg;

namespace {

const wchar_t kWindowClass[] = L"LobeshiftHostWindow";

WORD virtualKeyOf(Key key) {
  switch (key) {
    case Key::kShift:
      return VK_SHIFT;
    case Key::kControl:
      return VK_CONTROL;
    case Key::kAlt:
      return VK_MENU;
  }
  return 0;
}

// The keys the tests name by their X keysym names, as Windows' virtual keys; a single
// character is the key that types it.
WORD virtualKeyOf(const char* keysymName) {
  struct Named {
    const char* name;
    WORD key;
  };
  static const Named kNamed[] = {
      {"Up", VK_UP},          {"Down", VK_DOWN},     {"Left", VK_LEFT}, {"Right", VK_RIGHT},
      {"Return", VK_RETURN},  {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},   {"space", VK_SPACE},
      {"BackSpace", VK_BACK}, {"Delete", VK_DELETE}, {"Home", VK_HOME}, {"End", VK_END},
      {"Prior", VK_PRIOR},    {"Page_Up", VK_PRIOR}, {"Next", VK_NEXT}, {"Page_Down", VK_NEXT},
  };
  for (const Named& named : kNamed)
    if (std::strcmp(named.name, keysymName) == 0) return named.key;
  if (std::strlen(keysymName) == 1) {
    const SHORT scan = VkKeyScanA(keysymName[0]);
    if (scan != -1) return static_cast<WORD>(scan & 0xFF);
  }
  return 0;
}

// Keys that Windows reports as extended (the arrows and the block above them).
bool isExtended(WORD key) {
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_DELETE:
    case VK_INSERT:
      return true;
    default:
      return false;
  }
}

void sendKey(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (isExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &input, sizeof(input));
}

// Moves the pointer to a point of the screen, as the mouse would.
void sendPointerTo(POINT screen) {
  // Windows maps the normalised 0..65535 range onto the primary screen's pixels; the
  // position is checked and set exactly afterwards, so rounding cannot move it.
  const int width = std::max(GetSystemMetrics(SM_CXSCREEN), 2);
  const int height = std::max(GetSystemMetrics(SM_CYSCREEN), 2);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, width - 1);
  input.mi.dy = MulDiv(screen.y, 65535, height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(input));
  POINT now{};
  if (GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y))
    SetCursorPos(screen.x, screen.y);
}

bool registerWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

EditorWindow::EditorWindow(RunLoop* runLoop) : runLoop_(runLoop), plugFrame_(runLoop) {
  if (!registerWindowClass()) {
    error_ =
        "cannot register the host window's class (error " + std::to_string(GetLastError()) + ")";
    return;
  }
  // A borderless top-level window at the screen's corner: the editor's coordinates are the
  // screen's, and no window manager moves it.
  window_ =
      CreateWindowExW(WS_EX_TOPMOST, kWindowClass, L"Lobeshift Host", WS_POPUP | WS_CLIPCHILDREN, 0,
                      0, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) {
    error_ = "cannot create the host window (error " + std::to_string(GetLastError()) + ")";
    return;
  }
  plugFrame_.setWindowResizer([this](const ViewRect& size) {
    if (size.getWidth() <= 0 || size.getHeight() <= 0) return;
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, size.getWidth(), size.getHeight(),
                 SWP_NOMOVE | SWP_NOACTIVATE);
  });
}

EditorWindow::~EditorWindow() {
  remove();
  if (window_) DestroyWindow(window_);
  dispatchWaiting();
}

Status EditorWindow::attach(IPlugView* view) {
  if (!window_) return Status::failure(error_);
  if (view == nullptr) return Status::failure("no view to attach");
  if (view_) return Status::failure("a view is already attached");
  ViewRect size;
  if (view->getSize(&size) != kResultOk || size.getWidth() <= 0 || size.getHeight() <= 0)
    return Status::failure("the view reports no size");
  if (view->isPlatformTypeSupported(platformType()) != kResultTrue)
    return Status::failure("the view does not support HWND parents");
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, size.getWidth(), size.getHeight(), SWP_SHOWWINDOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  dispatchWaiting();
  view->setFrame(&plugFrame_);
  if (view->attached(window_, platformType()) != kResultOk) {
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
  dispatchWaiting();
  return result == kResultOk ? Status::success() : Status::failure("the view's removed() failed");
}

std::uintptr_t EditorWindow::editorWindow() const {
  if (!window_) return 0;
  return reinterpret_cast<std::uintptr_t>(GetWindow(window_, GW_CHILD));
}

void EditorWindow::pump(std::uint32_t milliseconds) {
  if (runLoop_) {
    runLoop_->runFor(milliseconds);
    return;
  }
  RunLoop messageLoop;
  messageLoop.runFor(milliseconds);
}

void EditorWindow::dispatchWaiting() {
  // The thread's message loop, without waiting (a run loop of the system's clock).
  RunLoop messageLoop;
  messageLoop.pump();
}

void EditorWindow::holdKeys(std::initializer_list<Key> held, bool down) {
  for (Key key : held) sendKey(virtualKeyOf(key), down);
}

void EditorWindow::sendButton(int button, bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  switch (button) {
    case 2:
      input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
      break;
    case 3:
      input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
      break;
    default:
      input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
      break;
  }
  SendInput(1, &input, sizeof(input));
}

void EditorWindow::moveTo(int x, int y, std::initializer_list<Key> held) {
  if (!window_) return;
  POINT point{x, y};
  ClientToScreen(window_, &point);
  holdKeys(held, true);
  sendPointerTo(point);
  holdKeys(held, false);
}

void EditorWindow::press(int button, std::initializer_list<Key> held) {
  holdKeys(held, true);
  sendButton(button, true);
  holdKeys(held, false);
}

void EditorWindow::release(int button, std::initializer_list<Key> held) {
  holdKeys(held, true);
  sendButton(button, false);
  holdKeys(held, false);
}

void EditorWindow::click(int x, int y, std::initializer_list<Key> held, int button) {
  moveTo(x, y);
  holdKeys(held, true);
  sendButton(button, true);
  sendButton(button, false);
  holdKeys(held, false);
}

void EditorWindow::drag(int fromX, int fromY, int toX, int toY, std::initializer_list<Key> held,
                        int step) {
  if (!window_) return;
  moveTo(fromX, fromY);
  holdKeys(held, true);
  sendButton(1, true);
  const int distance = std::max(std::abs(toX - fromX), std::abs(toY - fromY));
  const int steps = std::max(1, (distance + std::max(step, 1) - 1) / std::max(step, 1));
  for (int i = 1; i <= steps; ++i) {
    POINT point{fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps};
    ClientToScreen(window_, &point);
    sendPointerTo(point);
    // The editor reads each move before the next, as it would at a user's pace.
    dispatchWaiting();
  }
  sendButton(1, false);
  holdKeys(held, false);
}

void EditorWindow::wheel(int x, int y, int notches, std::initializer_list<Key> held) {
  moveTo(x, y);
  holdKeys(held, true);
  for (int i = 0; i < std::abs(notches); ++i) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
    SendInput(1, &input, sizeof(input));
  }
  holdKeys(held, false);
}

void EditorWindow::pressKey(const char* keysymName, std::initializer_list<Key> held) {
  if (keysymName == nullptr) return;
  const WORD key = virtualKeyOf(keysymName);
  if (key == 0) return;
  holdKeys(held, true);
  sendKey(key, true);
  sendKey(key, false);
  holdKeys(held, false);
}

Screenshot EditorWindow::capture() {
  Screenshot shot;
  if (!window_) return shot;
  // Pending paints first, as a screen would show them.
  dispatchWaiting();
  RECT client{};
  GetClientRect(window_, &client);
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return shot;
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && bitmap && bits) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // What the screen shows at the window's place: the editor's child window included.
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    shot.width = width;
    shot.height = height;
    shot.pixels.resize(static_cast<std::size_t>(width) * height);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < shot.pixels.size(); ++i)
      shot.pixels[i] = {static_cast<std::uint8_t>((pixels[i] >> 16) & 0xFF),
                        static_cast<std::uint8_t>((pixels[i] >> 8) & 0xFF),
                        static_cast<std::uint8_t>(pixels[i] & 0xFF)};
    SelectObject(memory, previous);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

}  // namespace host
