#include "platform/user_files.h"

#include <system_error>

#include "platform/user_files_system.h"

namespace platform {

bool readSmallFile(const std::filesystem::path& path, std::size_t limit, std::string& contents) {
  FILE* file = system::openFile(path, false);
  if (file == nullptr) return false;
  std::string read(limit + 1, '\0');
  const std::size_t count = std::fread(read.data(), 1, read.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed || count > limit) return false;
  read.resize(count);
  contents = read;
  return true;
}

bool replaceFile(const std::filesystem::path& path, const std::string& contents,
                 std::string& error) {
  std::error_code made;
  std::filesystem::create_directories(path.parent_path(), made);
  if (made) {
    error = "cannot make the folder " + path.parent_path().string() + ": " + made.message();
    return false;
  }
  std::filesystem::path temporary = path;
  temporary += ".tmp-" + system::processTag();
  FILE* file = system::openFile(temporary, true);
  if (file == nullptr) {
    error = "cannot write " + temporary.string();
    return false;
  }
  bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  written = std::fflush(file) == 0 && written;
  written = system::flushToDisk(file) && written;
  written = std::fclose(file) == 0 && written;
  std::string reason;
  if (!written) {
    error = "cannot write " + temporary.string();
  } else if (!system::renameOver(temporary, path, reason)) {
    error = "cannot replace " + path.string() + ": " + reason;
  } else {
    return true;
  }
  system::removeFile(temporary);
  return false;
}

}  // namespace platform
