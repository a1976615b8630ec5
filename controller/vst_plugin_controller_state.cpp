// The controller's own state and the editor's zoom it keeps.

#include "controller/controller_state.h"
#include "controller/editor_settings.h"
#include "controller/editor_zoom.h"
#include "controller/vst_plugin_controller.h"

namespace Steinberg::Vst {

tresult PLUGIN_API VST_PlugInController::getState(IBStream* state) {
  if (state == nullptr) return kInvalidArgument;
  return writeControllerState(state, ControllerState{editorZoom_}) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API VST_PlugInController::setState(IBStream* state) {
  ControllerState read;
  const bool ok = readControllerState(state, read);
  setEditorZoom(ok ? read.editorZoom : kDefaultEditorZoom);
  if (state == nullptr) return kInvalidArgument;
  return ok ? kResultOk : kResultFalse;
}

void VST_PlugInController::chooseEditorZoom(double zoom) {
  if (zoomPercent(zoom) == zoomPercent(editorZoom_)) return;
  double chosen = kDefaultEditorZoom;
  if (!zoomOfPercent(zoomPercent(zoom), chosen)) return;
  setEditorZoom(chosen);
  writeDefaultEditorZoom(chosen);
}

void VST_PlugInController::setEditorZoom(double zoom) {
  editorZoom_ = zoom;
  // By index: a view may resize itself, and its host may call back, from inside the call.
  for (std::size_t index = 0; index < openViews_.size(); ++index) {
    if (PlugIn_ViewTarget* target = openViews_[index].target) target->updateZoom(zoom);
  }
}

}  // namespace Steinberg::Vst
