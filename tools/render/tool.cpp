#include "tools/render/tool.h"

#include "tools/render/command_line.h"
#include "tools/render/demo.h"
#include "tools/render/parameter_list.h"
#include "tools/render/preset_list.h"
#include "tools/render/render_file.h"
#include "tools/render/report_output.h"

namespace render {

namespace {

constexpr const char* kToolName = "lobeshift-render";

int fail(std::ostream& err, const std::string& message, int status = kExitFailure) {
  err << kToolName << ": " << message << "\n";
  return status;
}

}  // namespace

int runTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
            ReportOutput* pluginLines) {
  auto options = parseCommandLine(arguments);
  if (!options) return fail(err, options.error(), kExitUsage);
  if (options->pluginMessages && pluginLines != nullptr) pluginLines->showPluginLines();

  switch (options->command) {
    case Command::kHelp:
      out << helpText();
      return kExitSuccess;
    case Command::kListParameters: {
      host::Status listed = listParameters(*options, out);
      return listed ? kExitSuccess : fail(err, listed.error());
    }
    case Command::kListPresets:
      printPresets(out);
      return kExitSuccess;
    case Command::kDemo: {
      host::Status shown = runDemo(*options, out);
      return shown ? kExitSuccess : fail(err, shown.error());
    }
    case Command::kRender: {
      auto summary = renderFile(*options);
      if (!summary) return fail(err, summary.error());
      printSummary(*summary, out);
      return kExitSuccess;
    }
  }
  return kExitFailure;
}

}  // namespace render
