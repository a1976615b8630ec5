#pragma once
// What the tool knows about Lobeshift's own processors beyond the VST 3 interfaces:
// which class is which build, and what its audio channels carry.

#include <string>
#include <vector>

#include "pluginterfaces/base/funknown.h"

namespace render {

struct LobeshiftClass {
  const char* build;                     // "stereo" or "mono"
  std::vector<std::string> inputs;       // what each input channel carries, in bus order
  std::vector<std::string> outputNames;  // short names of the output channels
};

// The description of one of Lobeshift's processor classes, or null for any other class.
const LobeshiftClass* lobeshiftClassOf(const Steinberg::FUID& processorClassId);

}  // namespace render
