#pragma once
// The state stream of the test gain plug-in: the normalised gain as one float32.

#include "pluginterfaces/base/ibstream.h"

namespace gain_plugin {

inline bool readGainState(Steinberg::IBStream* state, float& gain) {
  Steinberg::int32 read = 0;
  return state != nullptr && state->read(&gain, sizeof gain, &read) == Steinberg::kResultOk &&
         read == sizeof gain;
}

inline bool writeGainState(Steinberg::IBStream* state, float gain) {
  Steinberg::int32 written = 0;
  return state != nullptr && state->write(&gain, sizeof gain, &written) == Steinberg::kResultOk &&
         written == sizeof gain;
}

}  // namespace gain_plugin
