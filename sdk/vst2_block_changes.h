#pragma once
// The parameter changes handed to the processor with one block: at most one value
// per parameter, at sample offset 0. Storage for every parameter is made at
// set-up, so filling and clearing on the audio thread never allocates.

#include <memory>

#include "pluginterfaces/vst/ivstparameterchanges.h"

namespace Steinberg::Vst {

class Vst2BlockChanges : public IParameterChanges {
 public:
  // Room for no change until allocate(), which the wrapper calls once while it is set up.
  Vst2BlockChanges() = default;
  void allocate(int32 capacity);
  virtual ~Vst2BlockChanges() = default;
  Vst2BlockChanges(const Vst2BlockChanges&) = delete;
  Vst2BlockChanges& operator=(const Vst2BlockChanges&) = delete;

  void clear() { used_ = 0; }
  // False when every queue is taken.
  bool add(ParamID id, ParamValue value);

  //--- IParameterChanges
  int32 PLUGIN_API getParameterCount() override { return used_; }
  IParamValueQueue* PLUGIN_API getParameterData(int32 index) override;
  // Our own values only: the processor is given the block's changes to read.
  IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) override;

  //--- FUnknown: owned by the wrapper; references are not counted.
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }

 private:
  class Queue : public IParamValueQueue {
   public:
    ParamID id = 0;
    ParamValue value = 0.0;

    ParamID PLUGIN_API getParameterId() override { return id; }
    int32 PLUGIN_API getPointCount() override { return 1; }
    tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& point) override;
    tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue point, int32& index) override;
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    uint32 PLUGIN_API addRef() override { return 1; }
    uint32 PLUGIN_API release() override { return 1; }
  };

  int32 capacity_ = 0;
  int32 used_ = 0;
  std::unique_ptr<Queue[]> queues_;
};

}  // namespace Steinberg::Vst
