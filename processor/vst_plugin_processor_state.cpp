// The processor state: one normalized value per parameter, as state_stream.h reads
// and writes it.

#include "processor/normalized_input.h"
#include "processor/state_stream.h"
#include "processor/vst_plugin_processor.h"

namespace Steinberg::Vst {

tresult PLUGIN_API VST_PlugInProcessor::setState(IBStream* state) {
  if (state == nullptr) return kInvalidArgument;
  // All or nothing: a stream that ends early or fails (a damaged project or preset) is
  // refused whole, so the setting in force stays as it was.
  float values[kParameterCount] = {};
  if (!readStateValues(state, values, kParameterCount)) return kResultFalse;
  for (ParameterId id = 0; id < kParameterCount; ++id)
    pending_.post(id, stored_.set(id, static_cast<float>(acceptNormalized(id, values[id]))));
  if (!active_) applyPendingWork();
  return kResultOk;
}

tresult PLUGIN_API VST_PlugInProcessor::getState(IBStream* state) {
  if (state == nullptr) return kInvalidArgument;
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    // A solo is a listening aid: a project never reopens soloed.
    const float value = id == kSoloState ? static_cast<float>(plainToNormalized(kSoloState, 0.0))
                                         : stored_.load(id).value;
    if (!writeStateValue(state, value)) return kResultFalse;
  }
  return kResultOk;
}

}  // namespace Steinberg::Vst
