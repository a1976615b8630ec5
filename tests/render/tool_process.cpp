#include "tests/render/tool_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdlib.h>
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

namespace {

// Everything the terminal's other end receives until the child has exited and the
// terminal has nothing more to say. Reading as it comes keeps the child from blocking
// on a full terminal buffer.
std::string drainTerminal(int terminal, pid_t child, int& status) {
  std::string received;
  bool exited = false;
  for (;;) {
    pollfd watch{terminal, POLLIN, 0};
    if (poll(&watch, 1, 20) > 0) {
      char chunk[4096];
      const ssize_t count = read(terminal, chunk, sizeof chunk);
      if (count > 0) {
        received.append(chunk, static_cast<std::size_t>(count));
        continue;
      }
    }
    if (exited) return received;
    exited = waitpid(child, &status, WNOHANG) == child;
  }
}

}  // namespace

ToolRun runRenderTool(const std::vector<std::string>& arguments, bool errorsOnTerminal) {
  ScratchFolder capture;
  const std::string outPath = capture.file("stdout");
  const std::string errPath = capture.file("stderr");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int terminal = -1;
  if (errorsOnTerminal) {
    terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0) return {};
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, ptsname(terminal), O_RDWR | O_NOCTTY,
                                     0);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }

  std::vector<std::string> argv{LOBESHIFT_RENDER_TOOL};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (auto& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  ToolRun run;
  pid_t child = 0;
  if (posix_spawn(&child, LOBESHIFT_RENDER_TOOL, &actions, nullptr, pointers.data(), environ) ==
      0) {
    int status = 0;
    if (terminal >= 0)
      run.err = drainTerminal(terminal, child, status);
    else
      waitpid(child, &status, 0);
    if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = readText(outPath);
  if (terminal >= 0)
    close(terminal);
  else
    run.err = readText(errPath);
  return run;
}

std::string bundlePath(const std::string& name) {
  return std::string(LOBESHIFT_BUNDLE_DIR) + "/" + name;
}

}  // namespace render_test
