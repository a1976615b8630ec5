#include "toolkit/platform/windows/win32_frame.h"

#include <cairo.h>
#include <windowsx.h>

#include "platform/diagnostics.h"
#include "toolkit/platform/windows/win32_input.h"

namespace VSTGUI {
namespace {

constexpr const wchar_t* kWindowClass = L"LobeshiftToolkitFrame";

// The module this code is in: the window class is registered for it, so two modules with
// their own copy of the toolkit in one host have a class each.
HINSTANCE thisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&thisModule), &module);
  return module;
}

// The class lives while a frame window does: a module may be unloaded after its last
// editor closed, and a class must not outlive its window procedure.
int windowCount = 0;

bool keyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }
bool altHeld() { return keyHeld(VK_MENU); }
int32_t heldModifiers() {
  return Win32::modifierBits(keyHeld(VK_SHIFT), keyHeld(VK_CONTROL), altHeld());
}

int32_t buttonOfMessage(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      return kLButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      return kMButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
      return kRButton;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
    case WM_XBUTTONUP:
      return GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? kButton4 : kButton5;
    default:
      return 0;
  }
}

}  // namespace

const wchar_t* Win32PlatformFrame::windowClassName() { return kWindowClass; }

Win32PlatformFrame* Win32PlatformFrame::create(IPlatformFrameCallback* frame, const CRect& size,
                                               double scale, HWND parent) {
  if (!parent || !IsWindow(parent)) {
    diag::write("Editor window: the parent window %p is not a window\n",
                static_cast<void*>(parent));
    return nullptr;
  }
  const HINSTANCE module = thisModule();
  if (windowCount == 0) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;  // double clicks arrive as messages of their own
    windowClass.lpfnWndProc = &windowProcedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      diag::write("Editor window: cannot register the window class (error %lu)\n", GetLastError());
      return nullptr;
    }
  }
  ++windowCount;
  auto* platformFrame = new Win32PlatformFrame(frame, size, scale);
  const int width = platformFrame->buffer_.getWidth();
  const int height = platformFrame->buffer_.getHeight();
  // The window procedure learns its platform frame from the creation message.
  HWND window = CreateWindowExW(0, kWindowClass, L"Lobeshift",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                width, height, parent, nullptr, module, platformFrame);
  if (!window) {
    diag::write("Editor window: cannot open a window in the parent window %p (error %lu)\n",
                static_cast<void*>(parent), GetLastError());
    platformFrame->forget();
    return nullptr;
  }
  return platformFrame;
}

Win32PlatformFrame::Win32PlatformFrame(IPlatformFrameCallback* frame, const CRect& size,
                                       double scale)
    : frame_(frame), buffer_(frame, size, scale) {}

void Win32PlatformFrame::setScaleFactor(double scale) {
  buffer_.setScale(scale);
  if (window_)
    SetWindowPos(window_, nullptr, 0, 0, buffer_.getWidth(), buffer_.getHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CPoint Win32PlatformFrame::inFrame(LONG x, LONG y) const {
  return CPoint(x / buffer_.getScale(), y / buffer_.getScale());
}

Win32PlatformFrame::~Win32PlatformFrame() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);  // no more messages for this object
    // Keys typed after the editor closed go to the host's window, not to nowhere.
    if (GetFocus() == window_) SetFocus(GetParent(window_));
    DestroyWindow(window_);
    window_ = nullptr;
  }
  if (--windowCount == 0) UnregisterClassW(kWindowClass, thisModule());
}

void Win32PlatformFrame::detachFrame() {
  frame_ = nullptr;
  buffer_.detachFrame();
}

void Win32PlatformFrame::paintInvalid() {
  if (inPaint_ || !window_) return;
  inPaint_ = true;
  CBaseObjectGuard guard(this);
  const std::vector<CRect> rects = buffer_.paint();
  if (!rects.empty()) {
    HDC dc = GetDC(window_);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const CRect& rect : rects) {
      HRGN part = CreateRectRgn(static_cast<int>(rect.left), static_cast<int>(rect.top),
                                static_cast<int>(rect.right), static_cast<int>(rect.bottom));
      CombineRgn(region, region, part, RGN_OR);
      DeleteObject(part);
    }
    SelectClipRgn(dc, region);
    show(dc);
    SelectClipRgn(dc, nullptr);
    DeleteObject(region);
    ReleaseDC(window_, dc);
  }
  inPaint_ = false;
}

void Win32PlatformFrame::show(HDC dc) {
  cairo_surface_t* surface = buffer_.getSurface();
  cairo_surface_flush(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = stride / 4;
  info.bmiHeader.biHeight = -buffer_.getHeight();  // top-down, as cairo's rows are
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  // Cairo's ARGB32 is BGRA in memory, as a 32-bit DIB is; the window shows the colours.
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(buffer_.getWidth()),
                    static_cast<DWORD>(buffer_.getHeight()), 0, 0, 0,
                    static_cast<UINT>(buffer_.getHeight()), cairo_image_surface_get_data(surface),
                    &info, DIB_RGB_COLORS);
  GdiFlush();
}

LRESULT CALLBACK Win32PlatformFrame::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* platformFrame =
        static_cast<Win32PlatformFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    platformFrame->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(platformFrame));
  }
  auto* platformFrame =
      reinterpret_cast<Win32PlatformFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!platformFrame) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The host destroyed its window (and so ours) before closing the editor.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    platformFrame->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  CBaseObjectGuard guard(platformFrame);  // a handler may close the frame
  return platformFrame->handleMessage(message, wParam, lParam);
}

LRESULT Win32PlatformFrame::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // every pixel is painted; no flash of a background
    case WM_PAINT: {
      // What is invalid in the image joins what Windows wants shown.
      for (const CRect& rect : buffer_.paint()) {
        RECT area{static_cast<LONG>(rect.left), static_cast<LONG>(rect.top),
                  static_cast<LONG>(rect.right), static_cast<LONG>(rect.bottom)};
        InvalidateRect(window_, &area, FALSE);
      }
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      show(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
    case WM_XBUTTONUP:
      // The extra buttons' messages are answered TRUE, the others 0.
      if (handleMouseButton(message, wParam, lParam)) return message >= WM_XBUTTONDOWN ? TRUE : 0;
      break;
    case WM_MOUSEMOVE: {
      trackMouseLeave();
      if (!frame_) return 0;
      CPoint where = inFrame(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      lastWhere_ = where;
      frame_->platformOnMouseMoved(where, Win32::buttonsOfKeyState(wParam, altHeld()));
      return 0;
    }
    case WM_MOUSELEAVE: {
      trackingLeave_ = false;
      // A drag that leaves the window still belongs to the view that started it.
      if (!frame_ || GetCapture() == window_) return 0;
      POINT cursor{};
      GetCursorPos(&cursor);
      ScreenToClient(window_, &cursor);
      CPoint where = inFrame(cursor.x, cursor.y);
      frame_->platformOnMouseExited(where, heldModifiers());
      return 0;
    }
    case WM_CAPTURECHANGED:
      // Another window took the pointer mid-drag (a host's dialog, a task switch): the
      // view still gets its release, so that its edit ends.
      if (frame_ && heldButtons_ != 0 && reinterpret_cast<HWND>(lParam) != window_) {
        const int32_t released = heldButtons_;
        heldButtons_ = 0;
        CPoint where = lastWhere_;
        frame_->platformOnMouseUp(where, released | heldModifiers());
      }
      return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
      if (!frame_) return 0;
      // Wheel messages carry screen coordinates.
      POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(window_, &screen);
      const float steps = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / WHEEL_DELTA;
      // Up is +1 as on X11; right is -1, as X11's button 7 is.
      const bool horizontal = message == WM_MOUSEHWHEEL;
      const CMouseWheelAxis axis = horizontal ? kMouseWheelAxisX : kMouseWheelAxisY;
      const float distance = horizontal ? -steps : steps;
      frame_->platformOnMouseWheel(
          inFrame(screen.x, screen.y), axis, distance,
          Win32::buttonsOfKeyState(GET_KEYSTATE_WPARAM(wParam), altHeld()));
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      if (handleKey(message, wParam, lParam)) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

bool Win32PlatformFrame::handleMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
  const int32_t bit = buttonOfMessage(message, wParam);
  if (!frame_ || bit == 0) return false;
  CPoint where = inFrame(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  lastWhere_ = where;
  const bool alt = altHeld();
  const bool press = message != WM_LBUTTONUP && message != WM_MBUTTONUP &&
                     message != WM_RBUTTONUP && message != WM_XBUTTONUP;
  if (press) {
    // Keys go to the window clicked, and the drag stays with it outside its bounds.
    if (GetFocus() != window_) SetFocus(window_);
    heldButtons_ |= bit;
    SetCapture(window_);
    int32_t buttons = bit | Win32::buttonsOfKeyState(GET_KEYSTATE_WPARAM(wParam), alt);
    if (message == WM_LBUTTONDBLCLK || message == WM_MBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
        message == WM_XBUTTONDBLCLK)
      buttons |= kDoubleClick;
    frame_->platformOnMouseDown(where, buttons);
    return true;
  }
  // The key state of a release no longer holds the released button.
  const int32_t modifiers =
      Win32::buttonsOfKeyState(GET_KEYSTATE_WPARAM(wParam), alt) & (kShift | kControl | kAlt);
  heldButtons_ &= ~bit;  // first: releasing the capture must not count as losing it
  if (heldButtons_ == 0 && GetCapture() == window_) ReleaseCapture();
  frame_->platformOnMouseUp(where, bit | modifiers);
  if (frame_ && window_ && GetCapture() != window_) {
    // A drag that ended outside the window leaves it now.
    RECT client;
    GetClientRect(window_, &client);
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!PtInRect(&client, point)) frame_->platformOnMouseExited(where, modifiers);
  }
  return true;
}

bool Win32PlatformFrame::handleKey(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!frame_) return false;
  const bool shift = keyHeld(VK_SHIFT);
  const bool control = keyHeld(VK_CONTROL);
  const bool alt = altHeld();
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const auto windowsKey = static_cast<unsigned int>(wParam);
      const unsigned char virt = Win32::virtualKeyOf(windowsKey, (lParam & (1 << 24)) != 0);
      lastKeyDownWasVirtual_ = virt != 0;
      if (virt == 0) {
        lastCharacterKey_ = windowsKey;  // its character message says what it typed
        return message == WM_KEYDOWN;
      }
      VstKeyCode code = Win32::keyCodeOf(virt, 0, shift, control, alt);
      return frame_->platformOnKeyDown(code) == 1;
    }
    case WM_CHAR:
    case WM_SYSCHAR: {
      if (lastKeyDownWasVirtual_)
        return message == WM_CHAR;  // Tab, Return, Space: the key went as a virtual key
      const auto unit = static_cast<wchar_t>(wParam);
      int32_t character = unit;
      if (unit >= 0xD800 && unit < 0xDC00) {
        highSurrogate_ = unit;
        return true;
      }
      if (unit >= 0xDC00 && unit < 0xE000) {
        if (highSurrogate_ == 0) return true;
        character = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
      }
      highSurrogate_ = 0;
      if (lastCharacterKey_ != 0) charactersDown_[lastCharacterKey_] = character;
      VstKeyCode code = Win32::keyCodeOf(0, character, shift, control, alt);
      return frame_->platformOnKeyDown(code) == 1 || message == WM_CHAR;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const auto windowsKey = static_cast<unsigned int>(wParam);
      const unsigned char virt = Win32::virtualKeyOf(windowsKey, (lParam & (1 << 24)) != 0);
      int32_t character = 0;
      if (virt == 0) {
        auto typed = charactersDown_.find(windowsKey);
        if (typed == charactersDown_.end()) return message == WM_KEYUP;
        character = typed->second;
        charactersDown_.erase(typed);
      }
      VstKeyCode code = Win32::keyCodeOf(virt, character, shift, control, alt);
      return frame_->platformOnKeyUp(code) == 1;
    }
    default:
      return false;
  }
}

void Win32PlatformFrame::trackMouseLeave() {
  if (trackingLeave_ || !window_) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window_;
  trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

}  // namespace VSTGUI
