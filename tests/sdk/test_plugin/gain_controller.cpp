#include "tests/sdk/test_plugin/gain_controller.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "pluginterfaces/base/fstrdefs.h"
#include "tests/sdk/test_plugin/gain_ids.h"
#include "tests/sdk/test_plugin/gain_state.h"

namespace gain_plugin {

using namespace Steinberg;
using namespace Steinberg::Vst;

FUnknown* GainController::createInstance(void*) {
  return static_cast<IEditController*>(new (std::nothrow) GainController());
}

tresult PLUGIN_API GainController::initialize(FUnknown* context) {
  const tresult result = EditController::initialize(context);
  if (result != kResultOk) return result;
  // Starts apart from the processor's 0.5, so a test sees the host hand over the processor's state.
  parameters.addParameter(STR16("Gain"), STR16(""), 0, 0.0, ParameterInfo::kCanAutomate, kGain);
  parameters.addParameter(STR16("Level"), STR16(""), 0, 0.0, ParameterInfo::kIsReadOnly, kLevel);
  parameters.addParameter(STR16("Output Peak"), STR16(""), 0, 0.0, ParameterInfo::kIsReadOnly,
                          kOutputPeak);
  return kResultOk;
}

tresult PLUGIN_API GainController::setComponentState(IBStream* state) {
  float value = 0.0f;
  if (!readGainState(state, value)) return kResultFalse;
  return setParamNormalized(kGain, value);
}

tresult PLUGIN_API GainController::notify(IMessage* message) {
  if (message == nullptr) return kInvalidArgument;
  IAttributeList* attributes = message->getAttributes();
  if (attributes == nullptr) return EditController::notify(message);
  if (std::strcmp(message->getMessageID(), kLevelsMessage) == 0) {
    double peak = 0.0;
    if (attributes->getFloat(kPeakAttribute, peak) != kResultOk) return kResultFalse;
    setParamNormalized(kLevel, std::clamp(peak, 0.0, 1.0));
    return kResultOk;
  }
  if (std::strcmp(message->getMessageID(), kSimulateEditMessage) == 0) {
    simulateEdit(*attributes);
    return kResultOk;
  }
  return EditController::notify(message);
}

void GainController::simulateEdit(IAttributeList& attributes) {
  int64 id = 0;
  double value = 0.0;
  if (attributes.getInt("id", id) == kResultOk &&
      attributes.getFloat("value", value) == kResultOk) {
    const auto tag = static_cast<ParamID>(id);
    setParamNormalized(tag, value);
    beginEdit(tag);
    performEdit(tag, getParamNormalized(tag));
    endEdit(tag);
  }
  int64 flags = 0;
  if (attributes.getInt("restart", flags) == kResultOk && componentHandler != nullptr)
    componentHandler->restartComponent(static_cast<int32>(flags));
}

}  // namespace gain_plugin
