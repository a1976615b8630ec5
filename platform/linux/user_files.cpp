#include "platform/user_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/user_files_system.h"

namespace platform {

std::filesystem::path userConfigRoot() {
  // XDG_CONFIG_HOME counts only as an absolute path; a relative one is ignored, as the XDG
  // base directory rules say.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return config;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::filesystem::path(home) / ".config";
  return {};
}

namespace system {

FILE* openFile(const std::filesystem::path& path, bool forWriting) {
  return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
}

void removeFile(const std::filesystem::path& path) { std::remove(path.c_str()); }

bool flushToDisk(FILE* file) { return fsync(fileno(file)) == 0; }

bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::string& reason) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  reason = std::strerror(errno);
  return false;
}

std::string processTag() { return std::to_string(getpid()); }

}  // namespace system
}  // namespace platform
