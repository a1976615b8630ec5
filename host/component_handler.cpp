#include "host/component_handler.h"

namespace host {

using namespace Steinberg;

tresult PLUGIN_API ComponentHandler::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  QUERY_INTERFACE(iid, obj, FUnknown::iid, Vst::IComponentHandler)
  QUERY_INTERFACE(iid, obj, Vst::IComponentHandler::iid, Vst::IComponentHandler)
  *obj = nullptr;
  return kNoInterface;
}

tresult PLUGIN_API ComponentHandler::beginEdit(Vst::ParamID id) {
  edits_.push_back({EditKind::kBegin, id, 0.0});
  return kResultOk;
}

tresult PLUGIN_API ComponentHandler::performEdit(Vst::ParamID id, Vst::ParamValue value) {
  edits_.push_back({EditKind::kPerform, id, value});
  pending_.push_back({id, value});
  return kResultOk;
}

tresult PLUGIN_API ComponentHandler::endEdit(Vst::ParamID id) {
  edits_.push_back({EditKind::kEnd, id, 0.0});
  return kResultOk;
}

tresult PLUGIN_API ComponentHandler::restartComponent(int32 flags) {
  restarts_.push_back(flags);
  return kResultOk;
}

void ComponentHandler::clearRecord() {
  edits_.clear();
  restarts_.clear();
}

std::vector<ComponentHandler::ParameterValue> ComponentHandler::takePendingValues() {
  std::vector<ParameterValue> values;
  values.swap(pending_);
  return values;
}

}  // namespace host
