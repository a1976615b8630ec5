// editor-snapshot_<build>: renders this build's editor offscreen for a processor state
// and parameter values, with optional level values, and writes it as a PNG. See
// snapshot_options.h for the command line.

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/diagnostics.h"
#include "tools/editor-snapshot/editor_session.h"
#include "tools/editor-snapshot/snapshot_options.h"

namespace {

int fail(const std::string& message) {
  std::fprintf(stderr, "editor-snapshot: %s\n", message.c_str());
  diag::flush();
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  auto options = editor_snapshot::parseOptions(arguments);
  if (!options) {
    std::fprintf(stderr, "editor-snapshot: %s\n%s", options.error().c_str(),
                 editor_snapshot::usage());
    return 2;
  }
  if (options->help) {
    std::fputs(editor_snapshot::usage(), stdout);
    return 0;
  }
  auto session = editor_session::EditorSession::open(options->scale);
  if (!session) return fail(session.error());
  if (!options->state.empty()) {
    std::ifstream file(options->state, std::ios::binary);
    if (!file) return fail("cannot read the state file '" + options->state + "'");
    const host::StateBytes state((std::istreambuf_iterator<char>(file)),
                                 std::istreambuf_iterator<char>());
    if (auto loaded = (*session)->loadState(state); !loaded) return fail(loaded.error());
  }
  for (const auto& setting : options->settings)
    (*session)->setNormalized(setting.id, plainToNormalized(setting.id, setting.plain));
  if (!options->levels.empty()) {
    if (auto sent = (*session)->sendLevels(options->levels.data(),
                                           static_cast<int>(options->levels.size()));
        !sent)
      return fail(sent.error());
  }
  if (!(*session)->writePNG(options->out)) return fail("cannot write '" + options->out + "'");
  session->reset();
  diag::flush();
  std::printf("%s\n", options->out.c_str());
  return 0;
}
