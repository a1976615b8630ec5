#pragma once
// Win32 (included through host/editor_window.h): what a Windows DAW does with a plug-in's
// editor: a top-level window of the editor's size as parent, a plug-in frame (which offers
// no run loop on Windows), attach with the window's HWND, run the thread's message loop,
// remove. Also what a user does to the window: pointer moves, button presses, the wheel
// and keys sent with SendInput, so that they reach the editor through Windows' own input
// queue exactly as a user's would (the pointer position, the window under it, capture,
// focus and the key state GetKeyState reports), and the window's pixels as shown.
//
//   host::EditorWindow window(runLoop);        // check window.ok()
//   window.attach(view);                       // the host's window becomes the parent
//   window.click(120, 40, {host::Key::kShift});
//   window.pump(100);                          // the editor gets its messages
//   auto shot = window.capture();
//   window.remove();
//
// Everything runs on the calling thread, the host's main thread, which owns the windows.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "host/plug_frame.h"
#include "host/result.h"
#include "host/run_loop.h"
#include "host/window_pixels.h"

struct HWND__;

namespace host {

class EditorWindow {
 public:
  // `runLoop` is the host's run loop, here the thread's message loop (null: the window
  // runs one of its own).
  explicit EditorWindow(RunLoop* runLoop);
  ~EditorWindow();
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // False when the window cannot be created; error() says why.
  bool ok() const { return window_ != nullptr; }
  const std::string& error() const { return error_; }

  // The platform type of the parent window this host hands editors.
  static Steinberg::FIDString platformType() { return Steinberg::kPlatformTypeHWND; }

  // Sizes the host window to the view, hands the view the plug-in frame and attaches it
  // with the window's HWND. The window stays the view's parent until remove().
  Status attach(Steinberg::IPlugView* view);
  // removed(), then the frame taken back. Safe when nothing is attached.
  Status remove();
  Steinberg::IPlugView* view() const { return view_; }
  PlugFrame& plugFrame() { return plugFrame_; }
  std::uintptr_t hostWindow() const { return reinterpret_cast<std::uintptr_t>(window_); }
  // The window the editor made inside the host's, or 0.
  std::uintptr_t editorWindow() const;

  // Runs the message loop for the given time (the host's main loop between events).
  void pump(std::uint32_t milliseconds);

  // Pointer and keys, in the editor's coordinates. Modifiers are held around the action.
  void moveTo(int x, int y, std::initializer_list<Key> held = {});
  void press(int button, std::initializer_list<Key> held = {});
  void release(int button, std::initializer_list<Key> held = {});
  void click(int x, int y, std::initializer_list<Key> held = {}, int button = 1);
  // A press at `from`, moves in steps of at most `step` pixels to `to`, a release.
  void drag(int fromX, int fromY, int toX, int toY, std::initializer_list<Key> held = {},
            int step = 5);
  // One wheel notch: up (+1) or down (-1).
  void wheel(int x, int y, int notches, std::initializer_list<Key> held = {});
  // A key by its X keysym name, as on Linux ("Up", "Return", "a").
  void pressKey(const char* keysymName, std::initializer_list<Key> held = {});

  // What the host window shows now (the editor's window in it included).
  Screenshot capture();

 private:
  void holdKeys(std::initializer_list<Key> held, bool down);
  void sendButton(int button, bool down);
  // Lets the messages sent so far reach the queue and be dispatched.
  void dispatchWaiting();

  RunLoop* runLoop_;
  PlugFrame plugFrame_;
  HWND__* window_ = nullptr;
  Steinberg::IPlugView* view_ = nullptr;  // one reference held while attached
  std::string error_;
};

}  // namespace host
