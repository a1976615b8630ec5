#pragma once
// Runs the real lobeshift-render executable and collects what it said and returned.

#include <string>
#include <vector>

namespace render_test {

struct ToolRun {
  int exitStatus = -1;  // -1 when the process did not exit normally
  std::string out;
  std::string err;
  // The lines of standard error.
  std::vector<std::string> errorLines() const;
};

// With `errorsOnTerminal` standard error is a pseudo-terminal, as in an interactive shell.
ToolRun runRenderTool(const std::vector<std::string>& arguments, bool errorsOnTerminal = false);

// The build tree's bundle of that name.
std::string bundlePath(const std::string& name);

}  // namespace render_test
