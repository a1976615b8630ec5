#include "tools/render/parameter_list.h"

#include <cstdio>

#include "tools/render/audio_file.h"
#include "tools/render/bundle_locator.h"
#include "tools/render/plugin_session.h"
#include "tools/render/render_file.h"

namespace render {

namespace {

std::string rangeColumn(const ParameterDescription& parameter) {
  if (parameter.kind == ValueKind::kSwitch) return "off/on";
  std::string text = formatNumber(parameter.minimum) + " to " + formatNumber(parameter.maximum);
  if (!parameter.units.empty()) text += " " + parameter.units;
  if (parameter.kind == ValueKind::kWhole) text += ", whole";
  return text;
}

std::string defaultColumn(const ParameterDescription& parameter) {
  if (parameter.kind == ValueKind::kSwitch)
    return parameter.defaultPlain == parameter.maximum ? "on" : "off";
  return formatNumber(parameter.defaultPlain) +
         (parameter.units.empty() ? "" : " " + parameter.units);
}

}  // namespace

void printParameters(const ParameterCatalog& catalog, std::ostream& out) {
  char line[200];
  std::snprintf(line, sizeof line, "  %3s  %-26s %-24s %s\n", "ID", "Title", "Plain values",
                "Default");
  out << line;
  for (const auto& parameter : catalog.parameters()) {
    std::snprintf(line, sizeof line, "  %3u  %-26s %-24s %s%s\n", parameter.id,
                  parameter.title.c_str(), rangeColumn(parameter).c_str(),
                  defaultColumn(parameter).c_str(), parameter.readOnly ? " (read-only)" : "");
    out << line;
  }
}

host::Status listParameters(const Options& options, std::ostream& out) {
  int channels = 4;  // the stereo build unless the recording says otherwise
  if (!options.inputPath.empty()) {
    auto reader = AudioReader::open(options.inputPath);
    if (!reader) return host::Status::failure(reader.error());
    channels = (*reader)->format().channels;
  }
  auto bundle = bundleFor(options, channels);
  if (!bundle) return host::Status::failure(bundle.error());
  auto session = PluginSession::load(*bundle);
  if (!session) return host::Status::failure(session.error());
  out << (*session)->name() << " (" << (*session)->bundlePath()
      << "): " << (*session)->parameters().parameters().size()
      << " parameters; --set \"Title=plain value\" or --set \"ID=normalized value\"\n";
  printParameters((*session)->parameters(), out);
  return host::Status::success();
}

}  // namespace render
