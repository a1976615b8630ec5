#pragma once
// The programs a VST 2 host offers in its program menu: named settings, each a state
// the processor takes as it takes a chunk. A plug-in module hands its factory presets
// to the VST 2 entry as these.

#include <string>
#include <vector>

namespace Steinberg::Vst {

struct Vst2Program {
  std::string name;         // at most 24 characters, the program name's size
  std::vector<char> state;  // the processor state
};

using Vst2Programs = std::vector<Vst2Program>;

}  // namespace Steinberg::Vst
