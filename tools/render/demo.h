#pragma once
// --demo: the directivity at work, in numbers. Synthesises the demo recording (see
// demo_recording.h), renders it through the stereo build with a setting that is omni
// in the lows and figure-eight in the highs, renders each source alone the same way
// (the plug-in is linear, so the parts add up to the whole), and reports per octave
// band how much each source changed from its level in the omni capsules.

#include <ostream>
#include <string>
#include <vector>

#include "host/result.h"
#include "tools/render/command_line.h"

namespace render {

// The folder the demo writes to when none is given.
inline constexpr const char* kDefaultDemoFolder = "out/demo";

// The demo setting, as --set would take it.
const std::vector<std::string>& demoSetting();

host::Status runDemo(const Options& options, std::ostream& out);

}  // namespace render
