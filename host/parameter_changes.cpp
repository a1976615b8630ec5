#include "host/parameter_changes.h"

namespace host {

using namespace Steinberg;

ParameterValueQueue::ParameterValueQueue(int32 capacity)
    : capacity_(capacity > 0 ? static_cast<std::size_t>(capacity) : 0) {
  points_.reserve(capacity_);
}

void ParameterValueQueue::reset(Vst::ParamID id) {
  id_ = id;
  points_.clear();
}

tresult PLUGIN_API ParameterValueQueue::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  QUERY_INTERFACE(iid, obj, FUnknown::iid, Vst::IParamValueQueue)
  QUERY_INTERFACE(iid, obj, Vst::IParamValueQueue::iid, Vst::IParamValueQueue)
  *obj = nullptr;
  return kNoInterface;
}

tresult PLUGIN_API ParameterValueQueue::getPoint(int32 index, int32& sampleOffset,
                                                 Vst::ParamValue& value) {
  if (index < 0 || index >= getPointCount()) return kInvalidArgument;
  const Point& point = points_[static_cast<std::size_t>(index)];
  sampleOffset = point.sampleOffset;
  value = point.value;
  return kResultOk;
}

tresult PLUGIN_API ParameterValueQueue::addPoint(int32 sampleOffset, Vst::ParamValue value,
                                                 int32& index) {
  std::size_t position = 0;
  while (position < points_.size() && points_[position].sampleOffset < sampleOffset) ++position;
  if (position < points_.size() && points_[position].sampleOffset == sampleOffset) {
    points_[position].value = value;
  } else {
    if (points_.size() == capacity_) return kResultFalse;
    points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(position),
                   Point{sampleOffset, value});
  }
  index = static_cast<int32>(position);
  return kResultOk;
}

ParameterChanges::ParameterChanges(int32 maxParameters, int32 maxPointsPerParameter) {
  const auto count = static_cast<std::size_t>(maxParameters > 0 ? maxParameters : 0);
  queues_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) queues_.emplace_back(maxPointsPerParameter);
}

tresult PLUGIN_API ParameterChanges::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  QUERY_INTERFACE(iid, obj, FUnknown::iid, Vst::IParameterChanges)
  QUERY_INTERFACE(iid, obj, Vst::IParameterChanges::iid, Vst::IParameterChanges)
  *obj = nullptr;
  return kNoInterface;
}

void ParameterChanges::clear() { used_ = 0; }

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index) {
  if (index < 0 || index >= used_) return nullptr;
  return &queues_[static_cast<std::size_t>(index)];
}

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const Vst::ParamID& id,
                                                                     int32& index) {
  for (int32 i = 0; i < used_; ++i) {
    if (queues_[static_cast<std::size_t>(i)].getParameterId() == id) {
      index = i;
      return &queues_[static_cast<std::size_t>(i)];
    }
  }
  if (used_ == static_cast<int32>(queues_.size())) return nullptr;
  ParameterValueQueue& queue = queues_[static_cast<std::size_t>(used_)];
  queue.reset(id);
  index = used_++;
  return &queue;
}

bool ParameterChanges::addChange(Vst::ParamID id, Vst::ParamValue value, int32 sampleOffset) {
  int32 index = 0;
  Vst::IParamValueQueue* queue = addParameterData(id, index);
  return queue != nullptr && queue->addPoint(sampleOffset, value, index) == kResultOk;
}

}  // namespace host
