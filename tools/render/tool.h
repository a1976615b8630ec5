#pragma once
// lobeshift-render as a whole: a command line in, an exit status out.

#include <ostream>
#include <string>
#include <vector>

namespace render {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;  // the render (or the demo) could not be done
constexpr int kExitUsage = 2;    // the command line is wrong

class ReportOutput;

// Runs the command; reports go to `out`, the one line of an error to `err`. With a
// ReportOutput, --plugin-messages lets the plug-in's own lines through to standard error.
int runTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
            ReportOutput* pluginLines = nullptr);

}  // namespace render
