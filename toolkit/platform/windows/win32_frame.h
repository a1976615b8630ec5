#pragma once
// The Win32 back end: a child window (HWND) of the host's window. Painting goes to the
// frame's image first (the same PaintBuffer and cairo drawing as every back end) and is
// then copied to the window with SetDIBitsToDevice (no flicker). Input arrives as window
// messages, which Windows delivers while the host's user-interface thread dispatches its
// messages; the frame's idle (CFrame::idle, from a CVSTGUITimer) repaints what is invalid.

#include <windows.h>

#include <map>
#include <vector>

#include "toolkit/platform/paint_buffer.h"

namespace VSTGUI {

class Win32PlatformFrame : public IPlatformFrame {
 public:
  // nullptr, with a diagnostic line, when `parent` is not a window or the child window
  // cannot be created.
  static Win32PlatformFrame* create(IPlatformFrameCallback* frame, const CRect& size, double scale,
                                    HWND parent);
  ~Win32PlatformFrame() override;
  Win32PlatformFrame(const Win32PlatformFrame&) = delete;
  Win32PlatformFrame& operator=(const Win32PlatformFrame&) = delete;

  void invalidRect(const CRect& rect) override { buffer_.invalidate(rect); }
  // Repaints what is invalid and shows it.
  void paintInvalid() override;
  PlatformType getPlatformType() const override { return kHWND; }
  // Resizes the window to the frame's size at the new scale.
  void setScaleFactor(double scale) override;
  void detachFrame() override;

  HWND getWindow() const { return window_; }
  // The frame's image (what the window shows once painted).
  const PaintBuffer& getBuffer() const { return buffer_; }

  // The name of the window class the frames' windows have.
  static const wchar_t* windowClassName();

 private:
  Win32PlatformFrame(IPlatformFrameCallback* frame, const CRect& size, double scale);
  // A window position (client pixels) in the frame's coordinates.
  CPoint inFrame(LONG x, LONG y) const;
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool handleMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
  bool handleKey(UINT message, WPARAM wParam, LPARAM lParam);
  void trackMouseLeave();
  // Copies the image to the window through `dc`, within its clip region.
  void show(HDC dc);

  IPlatformFrameCallback* frame_;
  PaintBuffer buffer_;
  HWND window_ = nullptr;
  bool trackingLeave_ = false;
  int32_t heldButtons_ = 0;  // pressed in this window and not yet released
  CPoint lastWhere_;         // of the last pointer message
  bool lastKeyDownWasVirtual_ =
      false;  // its character message (Tab, Return, ...) is not a character
  unsigned int lastCharacterKey_ = 0;  // the virtual-key code whose character message comes next
  wchar_t highSurrogate_ = 0;
  std::map<unsigned int, int32_t> charactersDown_;  // key -> character it typed, for its release
  bool inPaint_ = false;
};

}  // namespace VSTGUI
