// polarxml-gen [output]: writes the microphone document to the given path, or to
// standard output when the path is "-" or missing.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/polarxml/document_writer.h"
#include "tools/polarxml/microphone_models.h"

namespace {

bool writeAll(std::FILE* file, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

int usage() {
  std::fprintf(stderr, "usage: polarxml-gen [output-path | -]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) return usage();
  const std::string target = argc == 2 ? argv[1] : "-";
  if (target == "--help" || target == "-h") return usage();

  const std::string text = polarxml::writeDocument(polarxml::buildMicrophoneModels());
  if (target == "-") {
    if (!writeAll(stdout, text)) {
      std::fprintf(stderr, "polarxml-gen: could not write to standard output: %s\n",
                   std::strerror(errno));
      return 1;
    }
    return 0;
  }
  std::FILE* file = std::fopen(target.c_str(), "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "polarxml-gen: could not open '%s': %s\n", target.c_str(),
                 std::strerror(errno));
    return 1;
  }
  const bool written = writeAll(file, text);
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::fprintf(stderr, "polarxml-gen: could not write '%s'\n", target.c_str());
    return 1;
  }
  return 0;
}
