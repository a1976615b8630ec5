#pragma once
// The command line of lobeshift-render: what to run, on which files, with which settings.

#include <string>
#include <vector>

#include "host/result.h"

namespace render {

enum class Command {
  kRender,          // --in FILE --out FILE ...
  kHelp,            // --help
  kListParameters,  // --list-parameters [--in FILE | --plugin BUNDLE]
  kListPresets,     // --list-presets
  kDemo,            // --demo [FOLDER]
};

struct Options {
  Command command = Command::kRender;
  std::string inputPath;
  std::string outputPath;
  std::string pluginPath;                // empty: chosen by the input's channel count
  std::string statePath;                 // processor state to load before the settings
  std::string saveStatePath;             // processor state to write after the settings
  std::string presetName;                // factory preset to load after --state, before --set
  std::vector<std::string> assignments;  // "Title=plain value" or "ID=normalized value", in order
  int blockSize = 1024;
  bool keepFormat = false;      // write the input's container and sample encoding
  bool showProgress = true;     // the bar appears only when standard error is a terminal
  bool pluginMessages = false;  // the plug-in's own diagnostic lines, on standard error
  std::string demoFolder;
};

constexpr int kMinimumBlockSize = 1;
constexpr int kMaximumBlockSize = 65536;

// Reads the arguments after the program name. A failure's message is one line that
// says what is wrong with the command line.
host::Result<Options> parseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string helpText();

}  // namespace render
