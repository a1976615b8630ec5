#pragma once
// The controller's edits reported to a VST 2 host: beginEdit, performEdit and endEdit
// become audioMasterBeginEdit, audioMasterAutomate and audioMasterEndEdit with the
// parameter's VST 2 index. A VST 2 host does not pass an edit back to the plug-in,
// so the new value also goes to the processor through the parameter slots.
// Called by the controller on the user-interface thread.

#include <vector>

#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "sdk/vst2_host_callback.h"
#include "sdk/vst2_parameter_slots.h"

namespace Steinberg::Vst {

class Vst2ComponentHandler : public IComponentHandler {
 public:
  // `ids` lists the parameter IDs by VST 2 index; it and `slots` outlive the handler.
  Vst2ComponentHandler(const Vst2HostCallback& host, const std::vector<ParamID>& ids,
                       Vst2ParameterSlots& slots)
      : host_(host), ids_(ids), slots_(slots) {}
  virtual ~Vst2ComponentHandler() = default;
  Vst2ComponentHandler(const Vst2ComponentHandler&) = delete;
  Vst2ComponentHandler& operator=(const Vst2ComponentHandler&) = delete;

  // The VST 2 index of a parameter ID, or -1.
  int32 indexOf(ParamID id) const;

  //--- IComponentHandler
  tresult PLUGIN_API beginEdit(ParamID id) override;
  tresult PLUGIN_API performEdit(ParamID id, ParamValue valueNormalized) override;
  tresult PLUGIN_API endEdit(ParamID id) override;
  tresult PLUGIN_API restartComponent(int32 flags) override;

  //--- FUnknown: owned by the wrapper; references are not counted.
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }

 private:
  const Vst2HostCallback& host_;
  const std::vector<ParamID>& ids_;
  Vst2ParameterSlots& slots_;
};

}  // namespace Steinberg::Vst
