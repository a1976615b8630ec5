#pragma once
// X11 (included through host/editor_window.h): what a Linux DAW does with a plug-in's
// editor: a top-level X11 window of the editor's size as parent, a plug-in frame that
// offers the host's run loop, attach, pump the run loop, remove. Also what a user does to the
// window: pointer moves, button presses and key presses sent through the X server's test extension,
// so that they reach the editor exactly as a user's would, and the window's pixels as shown.
//
//   host::EditorWindow window(runLoop);        // check window.ok()
//   window.attach(view);                       // the host's window becomes the parent
//   window.click(120, 40, {host::Key::kShift});
//   window.pump(100);                          // the editor reads its events
//   auto pixel = window.pixel(120, 40);
//   window.remove();
//
// Everything runs on the calling thread, the host's main thread.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/plug_frame.h"
#include "host/result.h"
#include "host/run_loop.h"
#include "host/window_pixels.h"

struct _XDisplay;

namespace host {

class EditorWindow {
 public:
  // `runLoop` is the run loop the plug-in frame offers (null: a host that offers none).
  explicit EditorWindow(RunLoop* runLoop);
  ~EditorWindow();
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // False without an X display or without the test extension; error() says why.
  bool ok() const { return display_ != nullptr; }
  const std::string& error() const { return error_; }

  // The platform type of the parent window this host hands editors.
  static Steinberg::FIDString platformType() { return Steinberg::kPlatformTypeX11EmbedWindowID; }

  // Sizes the host window to the view, hands the view the plug-in frame and attaches
  // it with the window's ID. The window stays the view's parent until remove().
  Status attach(Steinberg::IPlugView* view);
  // removed(), then the frame taken back. Safe when nothing is attached.
  Status remove();
  Steinberg::IPlugView* view() const { return view_; }
  PlugFrame& plugFrame() { return plugFrame_; }
  unsigned long hostWindow() const { return window_; }
  // The window the editor made inside the host's, or 0.
  unsigned long editorWindow() const;

  // Serves the run loop for the given time (the host's main loop between events).
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
  // A key by its X keysym name ("Up", "Return", "a").
  void pressKey(const char* keysymName, std::initializer_list<Key> held = {});

  // What the host window shows now (the editor's window in it included).
  Screenshot capture();

 private:
  void holdKeys(std::initializer_list<Key> held, bool down);
  void pressOrRelease(int button, bool down, std::initializer_list<Key> held);
  void sync();

  RunLoop* runLoop_;
  PlugFrame plugFrame_;
  struct _XDisplay* display_ = nullptr;
  unsigned long window_ = 0;
  Steinberg::IPlugView* view_ = nullptr;  // one reference held while attached
  std::string error_;
};

}  // namespace host
