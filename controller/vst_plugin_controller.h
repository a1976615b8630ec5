#pragma once
// The edit controller: registers the parameters with the host, takes the processor's
// state when a project is loaded, carries the editor's edits (as plain values) to the
// host, and forwards every parameter change and every level message from the
// processor to the open editor views. Its own state is the editor's zoom
// (controller/controller_state.h). Everything here runs on the host's main thread.

#include <cstddef>
#include <vector>

#include "controller/editor_zoom.h"
#include "controller/parameters.h"
#include "controller/plugin_plugin_controller.h"
#include "controller/view_target.h"

class MicrophoneData;

namespace Steinberg::Vst {

class VST_PlugInController : public PlugIn_PlugInController, public EditorZoomKeeper {
 public:
  static constexpr int kLevelCount = 2 * kPairCount;

  // The factory's creation function: a new controller as its IEditController, or null.
  static FUnknown* createInstance(void* context);
  ~VST_PlugInController() override;

  //--- IPluginBase
  tresult PLUGIN_API initialize(FUnknown* context) override;
  tresult PLUGIN_API terminate() override;

  //--- IConnectionPoint: the processor's level messages.
  tresult PLUGIN_API notify(IMessage* message) override;

  //--- IEditController
  tresult PLUGIN_API setComponentState(IBStream* state) override;
  // The controller's own state: the editor's zoom. A state that cannot be read leaves
  // 100 % and answers kResultFalse; parameters are never touched.
  tresult PLUGIN_API setState(IBStream* state) override;
  tresult PLUGIN_API getState(IBStream* state) override;
  tresult PLUGIN_API setParamNormalized(ParamID tag, ParamValue value) override;
  IPlugView* PLUGIN_API createView(FIDString name) override;
  // Text in the parameters' own units (controller/parameter_text.h) and the linear law
  // between plain and normalized values (vst_plugin_controller_text.cpp).
  tresult PLUGIN_API getParamStringByValue(ParamID tag, ParamValue valueNormalized,
                                           String128 string) override;
  tresult PLUGIN_API getParamValueByString(ParamID tag, TChar* string,
                                           ParamValue& valueNormalized) override;
  ParamValue PLUGIN_API normalizedParamToPlain(ParamID tag, ParamValue valueNormalized) override;
  ParamValue PLUGIN_API plainParamToNormalized(ParamID tag, ParamValue plainValue) override;

  //--- EditController
  // The editor's way to change a parameter. Unlike the SDK's it takes a PLAIN value:
  // the parameter and every open view are updated, and the normalized value goes to
  // the host's component handler (kResultFalse when there is none).
  tresult performEdit(ParamID tag, ParamValue plainValue) override;
  void editorDestroyed(EditorView* editor) override;
  void editorAttached(EditorView* editor) override;
  void editorRemoved(EditorView* editor) override;

  // The editor's zoom of this instance: the user's default for new instances (the
  // settings file) until a project's state or the user sets it.
  double editorZoom() const override { return editorZoom_; }
  // The user picked a zoom in an editor: kept for this instance and as the user's default
  // for new ones, and shown by every open view. A zoom that is no choice is ignored.
  void chooseEditorZoom(double zoom) override;

  std::size_t openViewCount() const { return openViews_.size(); }
  // The last level values received, in the layout of PlugIn_ViewTarget::kLevelTag.
  const float* levelBlock() const { return levelBlock_; }

 private:
  struct OpenView {
    EditorView* editor;         // as the SDK reported it
    PlugIn_ViewTarget* target;  // the same object, as the controller talks to it
  };

  template <typename Call>
  void forEachOpenView(Call&& call);
  void releaseModels();
  void setEditorZoom(double zoom);

  std::vector<OpenView> openViews_;  // not owned; in the order they were attached
  // The microphone models, for their names in parameter text; held while initialized.
  MicrophoneData* models_ = nullptr;
  float levelBlock_[kLevelCount] = {};
  double editorZoom_ = 1.0;
};

}  // namespace Steinberg::Vst
