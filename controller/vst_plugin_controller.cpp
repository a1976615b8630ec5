#include "controller/vst_plugin_controller.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "controller/editor_settings.h"
#include "controller/editor_view_factory.h"
#include "micdata/microphone_data.h"
#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "processor/normalized_input.h"
#include "processor/state_stream.h"

namespace Steinberg::Vst {

namespace {

float plainOf(ParamID tag, ParamValue normalized) {
  return static_cast<float>(normalizedToPlain(tag, normalized));
}

}  // namespace

FUnknown* VST_PlugInController::createInstance(void* /*context*/) {
  return static_cast<IEditController*>(new (std::nothrow) VST_PlugInController());
}

VST_PlugInController::~VST_PlugInController() { releaseModels(); }

void VST_PlugInController::releaseModels() {
  if (models_ != nullptr) releaseMicrophoneData(models_);
  models_ = nullptr;
}

tresult PLUGIN_API VST_PlugInController::initialize(FUnknown* context) {
  const tresult result = PlugIn_PlugInController::initialize(context);
  if (result != kResultOk) return result;
  editorZoom_ = readDefaultEditorZoom();
  // In ID order, so the host's parameter index is the ID.
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    const UString128 title(parameterTitle(id));
    const UString128 units(parameterUnits(id));
    parameters.addParameter(title, units, 0, parameterNormalizedDefault(id),
                            ParameterInfo::kCanAutomate, static_cast<int32>(id), kRootUnitId);
  }
  if (models_ == nullptr) models_ = acquireMicrophoneData();
  return kResultOk;
}

tresult PLUGIN_API VST_PlugInController::terminate() {
  openViews_.clear();
  releaseModels();
  return PlugIn_PlugInController::terminate();
}

template <typename Call>
void VST_PlugInController::forEachOpenView(Call&& call) {
  // By index: a view may edit a parameter from inside the call, which comes back here.
  for (std::size_t index = 0; index < openViews_.size(); ++index) {
    if (PlugIn_ViewTarget* target = openViews_[index].target) call(*target);
  }
}

tresult PLUGIN_API VST_PlugInController::notify(IMessage* message) {
  // The processor expects no answer: every message, handled or not, gets kResultFalse.
  if (message == nullptr) return kResultFalse;
  const char* id = message->getMessageID();
  if (id == nullptr || std::strcmp(id, "gainData") != 0) return kResultFalse;
  IAttributeList* attributes = message->getAttributes();
  const void* data = nullptr;
  uint32 size = 0;
  if (attributes == nullptr || attributes->getBinary("vuValue", data, size) != kResultOk ||
      data == nullptr)
    return kResultFalse;
  std::memcpy(levelBlock_, data, std::min<std::size_t>(size, sizeof levelBlock_));
  forEachOpenView([this](PlugIn_ViewTarget& view) {
    view.updateLevels(PlugIn_ViewTarget::kLevelTag, levelBlock_);
  });
  return kResultFalse;
}

tresult PLUGIN_API VST_PlugInController::setComponentState(IBStream* state) {
  if (state == nullptr) return kInvalidArgument;
  // As the processor does: a stream that ends early or fails changes nothing.
  float values[kParameterCount] = {};
  if (!readStateValues(state, values, kParameterCount)) return kResultFalse;
  for (ParameterId id = 0; id < kParameterCount; ++id) setParamNormalized(id, values[id]);
  return kResultOk;
}

tresult PLUGIN_API VST_PlugInController::setParamNormalized(ParamID tag, ParamValue value) {
  // The views show what the parameter holds, which is what the processor applies.
  const ParamValue accepted = acceptNormalized(tag, value);
  const tresult result = PlugIn_PlugInController::setParamNormalized(tag, accepted);
  const float plain = plainOf(tag, accepted);
  forEachOpenView([tag, plain](PlugIn_ViewTarget& view) { view.updateParameter(tag, plain); });
  return result;
}

IPlugView* PLUGIN_API VST_PlugInController::createView(FIDString name) {
  if (name == nullptr || std::strcmp(name, ViewType::kEditor) != 0) return nullptr;
  return createPlugInView(this);
}

tresult VST_PlugInController::performEdit(ParamID tag, ParamValue plainValue) {
  // The host is told the value in single precision, as the views will read it back.
  const auto normalized =
      static_cast<float>(acceptNormalized(tag, plainToNormalized(tag, plainValue)));
  setParamNormalized(tag, normalized);
  return PlugIn_PlugInController::performEdit(tag, normalized);
}

void VST_PlugInController::editorAttached(EditorView* editor) {
  auto* target = dynamic_cast<PlugIn_ViewTarget*>(editor);
  if (target == nullptr) return;
  openViews_.push_back({editor, target});
  for (ParameterId id = 0; id < kParameterCount; ++id)
    target->updateParameter(id, plainOf(id, getParamNormalized(id)));
}

void VST_PlugInController::editorRemoved(EditorView* editor) {
  auto found = std::find_if(openViews_.begin(), openViews_.end(),
                            [editor](const OpenView& view) { return view.editor == editor; });
  if (found != openViews_.end()) openViews_.erase(found);
}

void VST_PlugInController::editorDestroyed(EditorView* editor) {
  // A view is removed before it is destroyed; should a host skip that, the list must
  // still not keep a pointer to a view that is gone.
  openViews_.erase(std::remove_if(openViews_.begin(), openViews_.end(),
                                  [editor](const OpenView& view) { return view.editor == editor; }),
                   openViews_.end());
}

}  // namespace Steinberg::Vst
