#include "sdk/vst2_component_handler.h"

namespace Steinberg::Vst {

int32 Vst2ComponentHandler::indexOf(ParamID id) const {
  for (size_t index = 0; index < ids_.size(); ++index) {
    if (ids_[index] == id) return static_cast<int32>(index);
  }
  return -1;
}

tresult PLUGIN_API Vst2ComponentHandler::beginEdit(ParamID id) {
  const int32 index = indexOf(id);
  if (index < 0) return kInvalidArgument;
  host_.call(audioMasterBeginEdit, index);
  return kResultOk;
}

tresult PLUGIN_API Vst2ComponentHandler::performEdit(ParamID id, ParamValue valueNormalized) {
  const int32 index = indexOf(id);
  if (index < 0) return kInvalidArgument;
  slots_.setFromController(index, valueNormalized);
  host_.call(audioMasterAutomate, index, 0, nullptr, static_cast<float>(valueNormalized));
  return kResultOk;
}

tresult PLUGIN_API Vst2ComponentHandler::endEdit(ParamID id) {
  const int32 index = indexOf(id);
  if (index < 0) return kInvalidArgument;
  host_.call(audioMasterEndEdit, index);
  return kResultOk;
}

tresult PLUGIN_API Vst2ComponentHandler::restartComponent(int32) {
  // A VST 2 host has no way to be told of new latency, titles or values while the
  // plug-in runs; it reads them again when it next asks.
  return kNotImplemented;
}

tresult PLUGIN_API Vst2ComponentHandler::queryInterface(const TUID iid, void** obj) {
  if (FUnknownPrivate::iidEqual(iid, IComponentHandler::iid) ||
      FUnknownPrivate::iidEqual(iid, FUnknown::iid)) {
    *obj = static_cast<IComponentHandler*>(this);
    return kResultOk;
  }
  *obj = nullptr;
  return kNoInterface;
}

}  // namespace Steinberg::Vst
