// Parameter values on their way to the engines: the host's changes with each block,
// and the values setState left waiting.

#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "processor/normalized_input.h"
#include "processor/parameter_routing.h"
#include "processor/vst_plugin_processor.h"

namespace Steinberg::Vst {

void VST_PlugInProcessor::applyParameterChanges(IParameterChanges* changes) {
  if (changes == nullptr) return;
  const int32 count = changes->getParameterCount();
  for (int32 index = 0; index < count; ++index) {
    IParamValueQueue* queue = changes->getParameterData(index);
    if (queue == nullptr) continue;
    // The engines take one value per block, so only the last point counts.
    const int32 points = queue->getPointCount();
    int32 sampleOffset = 0;
    ParamValue value = 0.0;
    if (points <= 0 || queue->getPoint(points - 1, sampleOffset, value) != kResultOk) continue;
    const ParamID id = queue->getParameterId();
    applyNormalized(id, value, stored_.load(id).revision);
  }
}

void VST_PlugInProcessor::applyNormalized(ParameterId id, double normalized, uint32 revision) {
  const auto plain = static_cast<float>(normalizedToPlain(id, acceptNormalized(id, normalized)));
  for (const EngineRoute& route : routesOf(id))
    engines_[route.engine]->updateParameter(route.localId, plain);
  if (id < kParameterCount) confirmStoredValue(id, revision);
}

void VST_PlugInProcessor::confirmStoredValue(ParameterId id, uint32 revision) {
  // The state keeps the engine's reading of a value: an index as the integer it
  // selects, a frequency in Hz, a gain from the factor in use.
  const EngineRoute route = storedRouteOf(id);
  const float plain = engines_[route.engine]->getParameter(route.localId);
  stored_.confirm(id, revision, static_cast<float>(plainToNormalized(id, plain)));
}

}  // namespace Steinberg::Vst
