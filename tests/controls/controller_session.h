#pragma once
// Shared by the tests of the editor's controls: the real edit controller, initialised
// with a host context and reporting to a host component handler that records every
// edit, and an offscreen frame driven through its own mouse and key routing.

#include <cmath>
#include <string>
#include <vector>

#include "controller/vst_plugin_controller.h"
#include "host/component_handler.h"
#include "host/host_context.h"
#include "toolkit/toolkit_fixture.h"

namespace controls_test {

using namespace VSTGUI;

// The real controller, as the editor's controls see it.
class ControllerSession {
 public:
  ControllerSession();
  ~ControllerSession();
  ControllerSession(const ControllerSession&) = delete;
  ControllerSession& operator=(const ControllerSession&) = delete;

  Steinberg::Vst::EditController* controller() const { return controller_.get(); }
  // What reached the host, one line per call: "begin 10", "perform 10 0.6", "end 10"
  // (normalised values with up to six significant digits).
  std::vector<std::string> edits() const;
  // The normalised values performed for one parameter, in order.
  std::vector<double> performed(Steinberg::Vst::ParamID id) const;
  void clearEdits() { handler_.clearRecord(); }

 private:
  host::HostContext context_;
  host::ComponentHandler handler_;
  Steinberg::IPtr<Steinberg::Vst::VST_PlugInController> controller_;
};

// An editor that answers the host's knob mode.
class KnobModeEditor : public VSTGUIEditorInterface {
 public:
  explicit KnobModeEditor(int32_t knobMode) : knobMode_(knobMode) {}
  int32_t getKnobMode() const override { return knobMode_; }

 private:
  int32_t knobMode_;
};

// Mouse and keys as the platform delivers them to the frame (frame coordinates).
CMouseEventResult press(CFrame* frame, CPoint where, CButtonState buttons = kLButton);
CMouseEventResult moveTo(CFrame* frame, CPoint where, CButtonState buttons = kLButton);
CMouseEventResult release(CFrame* frame, CPoint where, CButtonState buttons = kLButton);
void click(CFrame* frame, CPoint where, CButtonState buttons = kLButton);
// Hovering: a move with no button pressed.
void hover(CFrame* frame, CPoint where);
bool wheel(CFrame* frame, CPoint where, float distance, CButtonState buttons = 0);
int32_t key(CFrame* frame, unsigned char virtualKey, unsigned char modifier = 0);

// Repaints and compares a region of the frame with the same-sized region of another.
bool sameRegion(toolkit_test::OffscreenFrame& frame, const CRect& area,
                toolkit_test::OffscreenFrame& reference, const CRect& referenceArea);

// A frame of `size` showing, at `area`, the image of bitmap `name` that starts at `offset`
// over the test background: what a filmstrip control should show there.
class ReferenceImage {
 public:
  ReferenceImage(const CRect& frameSize, const CRect& area, const char* name, CPoint offset);
  // Another image drawn over what is there.
  void addLayer(const CRect& area, const char* name, CPoint offset);
  toolkit_test::OffscreenFrame frame;
};

}  // namespace controls_test
