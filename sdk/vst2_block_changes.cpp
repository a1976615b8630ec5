#include "sdk/vst2_block_changes.h"

namespace Steinberg::Vst {

namespace {
template <typename Interface>
tresult answerQuery(Interface* object, const TUID iid, void** obj) {
  if (FUnknownPrivate::iidEqual(iid, Interface::iid) ||
      FUnknownPrivate::iidEqual(iid, FUnknown::iid)) {
    *obj = object;
    return kResultOk;
  }
  *obj = nullptr;
  return kNoInterface;
}
}  // namespace

void Vst2BlockChanges::allocate(int32 capacity) {
  capacity_ = capacity > 0 ? capacity : 0;
  used_ = 0;
  queues_.reset(new Queue[static_cast<size_t>(capacity_)]);
}

bool Vst2BlockChanges::add(ParamID id, ParamValue value) {
  if (used_ >= capacity_) return false;
  queues_[used_].id = id;
  queues_[used_].value = value;
  ++used_;
  return true;
}

IParamValueQueue* PLUGIN_API Vst2BlockChanges::getParameterData(int32 index) {
  if (index < 0 || index >= used_) return nullptr;
  return &queues_[index];
}

IParamValueQueue* PLUGIN_API Vst2BlockChanges::addParameterData(const ParamID&, int32& index) {
  index = -1;
  return nullptr;
}

tresult PLUGIN_API Vst2BlockChanges::queryInterface(const TUID iid, void** obj) {
  return answerQuery<IParameterChanges>(this, iid, obj);
}

tresult PLUGIN_API Vst2BlockChanges::Queue::getPoint(int32 index, int32& sampleOffset,
                                                     ParamValue& point) {
  if (index != 0) return kResultFalse;
  sampleOffset = 0;
  point = value;
  return kResultOk;
}

tresult PLUGIN_API Vst2BlockChanges::Queue::addPoint(int32, ParamValue, int32& index) {
  index = -1;
  return kResultFalse;
}

tresult PLUGIN_API Vst2BlockChanges::Queue::queryInterface(const TUID iid, void** obj) {
  return answerQuery<IParamValueQueue>(this, iid, obj);
}

}  // namespace Steinberg::Vst
