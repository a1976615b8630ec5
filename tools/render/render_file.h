#pragma once
// The render of one recording, file to file, as the command line asks for it.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "host/result.h"
#include "tools/render/audio_file.h"
#include "tools/render/command_line.h"
#include "tools/render/offline_render.h"

namespace render {

struct RenderSummary {
  std::string pluginName;
  std::string bundlePath;
  std::string inputPath;
  std::string outputPath;
  std::string savedStatePath;  // empty when none was asked for
  AudioFormat input;
  int outputFormat = 0;
  std::vector<std::string> outputNames;
  RenderResult result;
  double seconds = 0.0;  // wall-clock time of the render itself
};

// Everything the command line asks for, or the first thing that went wrong. On failure
// no output file and no state file is left behind, and an existing output is untouched.
host::Result<RenderSummary> renderFile(const Options& options);

// The bundle the options name, or the one for that many input channels.
host::Result<std::string> bundleFor(const Options& options, int inputChannels);

// Duration, real-time factor and peak per output channel.
void printSummary(const RenderSummary& summary, std::ostream& out);

// "-3.1 dBFS", or "silent".
std::string peakText(float peak);

}  // namespace render
