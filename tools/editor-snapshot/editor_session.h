#pragma once
// An edit controller of this build with its editor open offscreen, set up the way a
// host has them once the editor is attached: the controller initialised with a host
// context and a component handler that records edits, the view open, and the view
// reported attached so that it shows every parameter. Tools render it; tests drive it
// through the frame's own event routing.

#include <memory>
#include <string>

#include "controller/vst_plugin_controller.h"
#include "editor/plugin_view.h"
#include "host/component_handler.h"
#include "host/host_context.h"
#include "host/memory_streams.h"
#include "host/result.h"
#include "toolkit/ccolor.h"

namespace editor_session {

class EditorSession {
 public:
  // The controller with its editor open, drawn at `scale` (the host's content scale) with the
  // user's zoom at 100 %, whatever the user's settings hold; failure says what could not be
  // made.
  static host::Result<std::unique_ptr<EditorSession>> open(double scale = 1.0);
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  Steinberg::Vst::VST_PlugInController& controller() { return *controller_; }
  Steinberg::Vst::PlugIn_View& view() { return *view_; }
  VSTGUI::CFrame& frame() { return *view_->getFrame(); }
  host::ComponentHandler& handler() { return handler_; }
  host::HostContext& context() { return *context_; }

  // A project load: the processor's state stream given to the controller.
  host::Status loadState(const host::StateBytes& state);
  // Automation: a normalised value from the host.
  void setNormalized(Steinberg::Vst::ParamID id, double normalized);
  // The processor's level message (peaks since the last tick), as the controller gets it.
  host::Status sendLevels(const float* levels, int count);

  // Repaints what is dirty, as the editor's idle timer does.
  void idle();
  // The colour of a pixel of the picture (device pixels: at scale 2, (2x, 2y) for the
  // panel's (x, y)), and the picture's size.
  VSTGUI::CColor pixel(int x, int y);
  int pictureWidth() const;
  int pictureHeight() const;
  bool writePNG(const std::string& path);

  // Closes and reports the view removed, as a host's removal does; safe to repeat.
  void close();

 private:
  EditorSession() = default;

  std::shared_ptr<host::HostContext> context_;
  host::ComponentHandler handler_;
  Steinberg::Vst::VST_PlugInController* controller_ = nullptr;  // one reference held
  Steinberg::Vst::PlugIn_View* view_ = nullptr;                 // one reference held
  bool attached_ = false;
};

}  // namespace editor_session
