#include "tools/editor-snapshot/snapshot_options.h"

#include <strings.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace editor_snapshot {

namespace {

std::string trimmed(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

// A number, then nothing, the parameter's unit, or kHz for a frequency.
bool parsePlain(const std::string& text, ParameterId id, double& plain) {
  const char* start = text.c_str();
  char* rest = nullptr;
  errno = 0;
  const double number = std::strtod(start, &rest);
  if (rest == start || errno == ERANGE || !std::isfinite(number)) return false;
  const std::string unit = trimmed(rest);
  const std::string units = parameterUnits(id);
  if (unit.empty() || strcasecmp(unit.c_str(), units.c_str()) == 0) {
    plain = number;
    return true;
  }
  if (units == "Hz" && strcasecmp(unit.c_str(), "kHz") == 0) {
    plain = number * 1000.0;
    return true;
  }
  return false;
}

}  // namespace

const char* usage() {
  return "usage: editor-snapshot --out FILE.png [--state FILE] [--set \"Title=value\"]...\n"
         "                       [--levels a,b[,c,d]] [--scale FACTOR]\n"
         "Renders the editor offscreen for the given processor state and parameter values\n"
         "(titles as the host lists them, plain values in their units) and level values\n"
         "(linear peaks per capsule: stereo MicL omni, MicL eight, MicR omni, MicR eight;\n"
         "mono omni, eight), and writes it as a PNG, drawn at a factor from 1 to 4 (--scale 2:\n"
         "1560 x 760 pixels).\n";
}

host::Result<PlainSetting> parseSetting(const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  if (equals == std::string::npos)
    return host::Result<PlainSetting>::failure("--set needs Title=value, got '" + assignment + "'");
  const std::string title = trimmed(assignment.substr(0, equals));
  const std::string value = trimmed(assignment.substr(equals + 1));
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    if (strcasecmp(title.c_str(), parameterTitle(id)) != 0) continue;
    PlainSetting setting{id, 0.0};
    if (!parsePlain(value, id, setting.plain))
      return host::Result<PlainSetting>::failure("'" + value + "' is no value for " + title);
    return host::Result<PlainSetting>::success(setting);
  }
  return host::Result<PlainSetting>::failure("no parameter is called '" + title + "'");
}

host::Result<Options> parseOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (i + 1 >= arguments.size())
      return host::Result<Options>::failure(argument == "--out" || argument == "--state" ||
                                                    argument == "--set" || argument == "--levels" ||
                                                    argument == "--scale"
                                                ? argument + " needs a value"
                                                : "unknown option '" + argument + "'");
    const std::string& value = arguments[++i];
    if (argument == "--out") {
      options.out = value;
    } else if (argument == "--state") {
      options.state = value;
    } else if (argument == "--set") {
      auto setting = parseSetting(value);
      if (!setting) return host::Result<Options>::failure(setting.error());
      options.settings.push_back(*setting);
    } else if (argument == "--scale") {
      char* rest = nullptr;
      options.scale = std::strtod(value.c_str(), &rest);
      if (rest == value.c_str() || *rest != '\0' || !(options.scale >= 1.0 && options.scale <= 4.0))
        return host::Result<Options>::failure("--scale takes a factor from 1 to 4, got '" + value +
                                              "'");
    } else if (argument == "--levels") {
      options.levels.clear();
      std::size_t start = 0;
      while (start <= value.size()) {
        const std::size_t comma = std::min(value.find(',', start), value.size());
        const std::string item = trimmed(value.substr(start, comma - start));
        char* rest = nullptr;
        const float level = std::strtof(item.c_str(), &rest);
        if (item.empty() || *rest != '\0' || !std::isfinite(level) || level < 0.f)
          return host::Result<Options>::failure("--levels takes levels of 0 or more, got '" + item +
                                                "'");
        options.levels.push_back(level);
        start = comma + 1;
      }
      if (options.levels.size() != 2u * kPairCount)
        return host::Result<Options>::failure("--levels takes " + std::to_string(2 * kPairCount) +
                                              " values in this build");
    } else {
      return host::Result<Options>::failure("unknown option '" + argument + "'");
    }
  }
  if (!options.help && options.out.empty())
    return host::Result<Options>::failure("--out FILE.png is required");
  return host::Result<Options>::success(options);
}

}  // namespace editor_snapshot
