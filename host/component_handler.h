#pragma once
// The host side of IComponentHandler: what a controller reports about edits and
// restarts. Everything is recorded in order for inspection; performed values also wait
// in a queue for the processor, the way a host hands a user's edit to the audio side.

#include <vector>

#include "pluginterfaces/vst/ivsteditcontroller.h"

namespace host {

class ComponentHandler : public Steinberg::Vst::IComponentHandler {
 public:
  enum class EditKind { kBegin, kPerform, kEnd };
  struct Edit {
    EditKind kind;
    Steinberg::Vst::ParamID id;
    Steinberg::Vst::ParamValue value;  // normalised; 0 for begin and end
  };
  struct ParameterValue {
    Steinberg::Vst::ParamID id;
    Steinberg::Vst::ParamValue value;
  };

  ComponentHandler() = default;
  virtual ~ComponentHandler() = default;
  ComponentHandler(const ComponentHandler&) = delete;
  ComponentHandler& operator=(const ComponentHandler&) = delete;

  //--- IComponentHandler
  Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) override;
  Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id,
                                            Steinberg::Vst::ParamValue value) override;
  Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) override;
  Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32 flags) override;

  const std::vector<Edit>& edits() const { return edits_; }
  const std::vector<Steinberg::int32>& restarts() const { return restarts_; }
  void clearRecord();

  // Values performed since the last call, oldest first; they are removed from the queue.
  std::vector<ParameterValue> takePendingValues();

  //--- FUnknown: the owner keeps the handler alive; references are not counted.
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
  Steinberg::uint32 PLUGIN_API release() override { return 1; }

 private:
  std::vector<Edit> edits_;
  std::vector<Steinberg::int32> restarts_;
  std::vector<ParameterValue> pending_;
};

}  // namespace host
