#include "tests/render/tool_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "tests/render/scratch_folder.h"

namespace render_test {

std::vector<std::string> ToolRun::errorLines() const {
  std::vector<std::string> lines;
  std::istringstream text(err);
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

ToolRun runRenderTool(const std::vector<std::string>& arguments) {
  ScratchFolder capture;
  const std::string outPath = capture.file("stdout");
  const std::string errPath = capture.file("stderr");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

  std::vector<std::string> argv{LOBESHIFT_RENDER_TOOL};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (auto& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  ToolRun run;
  pid_t child = 0;
  if (posix_spawn(&child, LOBESHIFT_RENDER_TOOL, &actions, nullptr, pointers.data(), environ) == 0) {
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = readText(outPath);
  run.err = readText(errPath);
  return run;
}

std::string bundlePath(const std::string& name) { return std::string(LOBESHIFT_BUNDLE_DIR) + "/" + name; }

}  // namespace render_test
