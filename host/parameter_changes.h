#pragma once
// Parameter changes of one processing block (IParameterChanges with its
// IParamValueQueues), for the block's input and for what the processor reports back.
// All storage is reserved up front: adding queues and points never allocates, so the
// processor may fill the output changes on the audio thread. A full container refuses
// further queues (null) and a full queue further points (kResultFalse).

#include <vector>

#include "pluginterfaces/vst/ivstparameterchanges.h"

namespace host {

class ParameterValueQueue : public Steinberg::Vst::IParamValueQueue {
 public:
  explicit ParameterValueQueue(Steinberg::int32 capacity);
  virtual ~ParameterValueQueue() = default;

  void reset(Steinberg::Vst::ParamID id);

  //--- IParamValueQueue
  Steinberg::Vst::ParamID PLUGIN_API getParameterId() override { return id_; }
  Steinberg::int32 PLUGIN_API getPointCount() override {
    return static_cast<Steinberg::int32>(points_.size());
  }
  Steinberg::tresult PLUGIN_API getPoint(Steinberg::int32 index, Steinberg::int32& sampleOffset,
                                         Steinberg::Vst::ParamValue& value) override;
  // Points stay ordered by sample offset; a point at an offset already present replaces
  // that point's value.
  Steinberg::tresult PLUGIN_API addPoint(Steinberg::int32 sampleOffset,
                                         Steinberg::Vst::ParamValue value,
                                         Steinberg::int32& index) override;

  //--- FUnknown: owned by its ParameterChanges; references are not counted.
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
  Steinberg::uint32 PLUGIN_API release() override { return 1; }

 private:
  struct Point {
    Steinberg::int32 sampleOffset;
    Steinberg::Vst::ParamValue value;
  };
  Steinberg::Vst::ParamID id_ = 0;
  std::vector<Point> points_;
  std::size_t capacity_;
};

class ParameterChanges : public Steinberg::Vst::IParameterChanges {
 public:
  explicit ParameterChanges(Steinberg::int32 maxParameters = 64,
                            Steinberg::int32 maxPointsPerParameter = 64);
  virtual ~ParameterChanges() = default;
  ParameterChanges(const ParameterChanges&) = delete;
  ParameterChanges& operator=(const ParameterChanges&) = delete;

  // Empties every queue; the storage stays.
  void clear();
  // Convenience for the host side: adds one point, creating the parameter's queue if needed.
  bool addChange(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value,
                 Steinberg::int32 sampleOffset = 0);

  //--- IParameterChanges
  Steinberg::int32 PLUGIN_API getParameterCount() override { return used_; }
  Steinberg::Vst::IParamValueQueue* PLUGIN_API getParameterData(Steinberg::int32 index) override;
  // Returns the parameter's queue, creating it when there is none yet.
  Steinberg::Vst::IParamValueQueue* PLUGIN_API addParameterData(const Steinberg::Vst::ParamID& id,
                                                                Steinberg::int32& index) override;

  //--- FUnknown: owned by the host; references are not counted.
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
  Steinberg::uint32 PLUGIN_API release() override { return 1; }

 private:
  std::vector<ParameterValueQueue> queues_;  // all constructed up front; the first used_ are in use
  Steinberg::int32 used_ = 0;
};

}  // namespace host
