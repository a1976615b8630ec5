#include "tools/render/command_line.h"

#include <charconv>
#include <optional>

namespace render {

namespace {

using Parsed = host::Result<Options>;

constexpr const char* kOneCommand =
    "--list-parameters, --list-presets and --demo exclude each other";

// "--name=value" or "--name value"; `index` moves past what was used.
struct ArgumentReader {
  const std::vector<std::string>& arguments;
  std::size_t index = 0;

  bool done() const { return index >= arguments.size(); }

  // The value of an option, or nothing when it is missing.
  std::optional<std::string> valueOf(const std::string& inlineValue, bool hasInline) {
    if (hasInline) return inlineValue;
    if (index + 1 >= arguments.size()) return std::nullopt;
    const std::string& next = arguments[index + 1];
    // An option name where a value should be is a forgotten value, not a value.
    if (next.rfind("--", 0) == 0 && next.size() > 2) return std::nullopt;
    ++index;
    return next;
  }
};

std::optional<int> parseBlockSize(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kMinimumBlockSize || value > kMaximumBlockSize) return std::nullopt;
  return value;
}

bool isRenderOnlyOptionSet(const Options& options) {
  return !options.outputPath.empty() || !options.statePath.empty() ||
         !options.saveStatePath.empty() || !options.presetName.empty() ||
         !options.assignments.empty() || options.keepFormat;
}

// What each command needs, once every argument has been read.
std::optional<std::string> missingPiece(const Options& options) {
  switch (options.command) {
    case Command::kRender:
      if (options.inputPath.empty()) return "--in FILE is required (see --help)";
      if (options.outputPath.empty()) return "--out FILE is required (see --help)";
      return std::nullopt;
    case Command::kListParameters:
      if (isRenderOnlyOptionSet(options)) return "--list-parameters takes only --in or --plugin";
      return std::nullopt;
    case Command::kListPresets:
      if (!options.inputPath.empty() || !options.pluginPath.empty() ||
          isRenderOnlyOptionSet(options))
        return "--list-presets takes no other option";
      return std::nullopt;
    case Command::kDemo:
      if (!options.inputPath.empty() || isRenderOnlyOptionSet(options))
        return "--demo makes its own input and settings; it takes only a folder, --plugin and "
               "--block";
      return std::nullopt;
    case Command::kHelp:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

host::Result<Options> parseCommandLine(const std::vector<std::string>& arguments) {
  Options options;
  bool commandChosen = false;
  auto choose = [&](Command command) -> bool {
    if (commandChosen && options.command != command) return false;
    options.command = command;
    commandChosen = true;
    return true;
  };

  ArgumentReader reader{arguments};
  for (; !reader.done(); ++reader.index) {
    const std::string& argument = arguments[reader.index];
    std::string name = argument;
    std::string inlineValue;
    bool hasInline = false;
    if (const auto equals = argument.find('=');
        argument.rfind("--", 0) == 0 && equals != std::string::npos) {
      name = argument.substr(0, equals);
      inlineValue = argument.substr(equals + 1);
      hasInline = true;
    }

    auto take = [&](std::string& target) -> std::optional<std::string> {
      auto value = reader.valueOf(inlineValue, hasInline);
      if (!value || value->empty()) return name + " needs a value";
      if (!target.empty() && name != "--set") return name + " is given twice";
      target = *value;
      return std::nullopt;
    };
    auto flag = [&]() -> std::optional<std::string> {
      if (hasInline) return name + " takes no value";
      return std::nullopt;
    };

    std::optional<std::string> problem;
    if (name == "--help" || name == "-h") {
      options.command = Command::kHelp;
      return Parsed::success(options);
    } else if (name == "--in") {
      problem = take(options.inputPath);
    } else if (name == "--out") {
      problem = take(options.outputPath);
    } else if (name == "--plugin") {
      problem = take(options.pluginPath);
    } else if (name == "--state") {
      problem = take(options.statePath);
    } else if (name == "--save-state") {
      problem = take(options.saveStatePath);
    } else if (name == "--preset") {
      problem = take(options.presetName);
    } else if (name == "--set") {
      std::string assignment;
      problem = take(assignment);
      if (!problem) options.assignments.push_back(assignment);
    } else if (name == "--block") {
      std::string text;
      problem = take(text);
      if (!problem) {
        if (auto size = parseBlockSize(text))
          options.blockSize = *size;
        else
          problem = "--block takes a whole number of samples from " +
                    std::to_string(kMinimumBlockSize) + " to " + std::to_string(kMaximumBlockSize) +
                    ", not '" + text + "'";
      }
    } else if (name == "--keep-format") {
      problem = flag();
      options.keepFormat = true;
    } else if (name == "--no-progress") {
      problem = flag();
      options.showProgress = false;
    } else if (name == "--plugin-messages") {
      problem = flag();
      options.pluginMessages = true;
    } else if (name == "--list-parameters") {
      problem = flag();
      if (!problem && !choose(Command::kListParameters)) problem = kOneCommand;
    } else if (name == "--list-presets") {
      problem = flag();
      if (!problem && !choose(Command::kListPresets)) problem = kOneCommand;
    } else if (name == "--demo") {
      if (!choose(Command::kDemo)) problem = kOneCommand;
      // The folder is optional: a following word that is no option is the folder.
      else if (hasInline)
        options.demoFolder = inlineValue;
      else if (reader.index + 1 < arguments.size() &&
               arguments[reader.index + 1].rfind("--", 0) != 0)
        options.demoFolder = arguments[++reader.index];
    } else {
      problem = "unknown option '" + argument + "' (see --help)";
    }
    if (problem) return Parsed::failure(*problem);
  }
  if (auto missing = missingPiece(options)) return Parsed::failure(*missing);
  return Parsed::success(options);
}

std::string helpText() {
  return R"(lobeshift-render: runs recordings of coincident microphone pairs through the
Lobeshift plug-in offline, the way a DAW would, and writes the result.

Usage:
  lobeshift-render --in FILE --out FILE [--plugin BUNDLE] [--preset "NAME"]
                   [--set "TITLE=VALUE" ...] [--state FILE] [--save-state FILE]
                   [--block N] [--keep-format]
  lobeshift-render --list-parameters [--in FILE | --plugin BUNDLE]
  lobeshift-render --list-presets
  lobeshift-render --demo [FOLDER] [--plugin BUNDLE]
  lobeshift-render --help

Input channel order (the channel count chooses the plug-in):
  4 channels: Lobeshift Stereo (LobeshiftStereo64.vst3), two pairs
      1 MicL omni, 2 MicR omni, 3 MicL figure-eight, 4 MicR figure-eight
      output: 1 MicL result, 2 MicR result
  2 channels: Lobeshift (Lobeshift64.vst3), one pair
      1 omni, 2 figure-eight
      output: the result on both channels

Options:
  --in FILE          recording to process: WAV, FLAC or AIFF (any format libsndfile
                     reads); its sample rate is kept
  --out FILE         result; never the input file. Written to a temporary file in the
                     same folder and renamed when complete, so a failed run leaves
                     nothing behind. Format: 32-bit float WAV; 32-bit float AIFF when
                     the name ends in .aif/.aiff; 24-bit FLAC for .flac (FLAC holds no
                     float samples)
  --keep-format      write the input's format instead (same container and sample
                     encoding, e.g. 24-bit FLAC); samples beyond full scale are clipped
  --plugin BUNDLE    the .vst3 bundle to run instead of the one chosen by channel count
  --set "TITLE=VALUE"  set a parameter by its title, in its own units: Hz for
                     frequencies, dB for gains, 0 to 1 for pattern types (1 omni,
                     0.5 cardioid, 0 figure-eight), a whole number for model indexes
                     and the solo state, on/off for switches; a trailing unit is
                     allowed ("Mid Frequency=2 kHz", "MicL Omni Gain=-3 dB")
  --set "ID=VALUE"   set a parameter by its numeric ID to a normalized value 0 to 1
                     (--set may be repeated; settings apply in order, after --state
                     and --preset)
  --preset "NAME"    start from a factory preset (--list-presets names them; case
                     does not matter), after --state and before the --set values
  --state FILE       load a processor state (the plug-in's own state stream, as a
                     DAW stores it) before the --set values
  --save-state FILE  write the processor state in force for the render
  --block N          samples per processing block, 1 to 65536 (default 1024); the
                     result does not depend on it
  --no-progress      no progress bar (it is shown only when standard error is a terminal)
  --plugin-messages  let the plug-in's own diagnostic lines through, on standard error
                     (they are discarded otherwise, so standard output holds the report)
  --list-parameters  print the plug-in's parameters: ID, title, range, units, default
  --list-presets     print the factory presets, each with what it is for
  --demo [FOLDER]    synthesise a two-source demo recording, render it with a setting
                     that is omni in the lows and figure-eight in the highs, and report
                     per octave band how each source changed (default folder: out/demo)

Timing: the plug-in's latency (8192 samples) is compensated: output sample n belongs to
input sample n, and the output has the input's length (the tail is flushed). The
plug-in first runs on a moment of silence, as in a DAW playing from before the
region, so the recording's start is not faded in.

Plug-in search order when --plugin is not given:
  1. the bundles of the build tree the tool belongs to (<tool>/../../bundles)
  2. ~/.vst3
  3. /usr/local/lib/vst3
  4. /usr/lib/vst3

Exit status: 0 on success, 1 when the render fails, 2 for a wrong command line.
Errors are one line on standard error; the summary goes to standard output.
)";
}

}  // namespace render
