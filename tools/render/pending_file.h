#pragma once
// A file that appears under its final name only when it is complete. It is written to a
// temporary file in the target's own folder (so the rename cannot cross file systems)
// and renamed over the target by commit(). Until then the target is untouched; a
// pending file that is dropped, or whose process is interrupted (SIGINT, SIGTERM,
// SIGHUP, SIGQUIT, SIGPIPE), is removed.

#include <memory>
#include <string>
#include <vector>

#include "host/result.h"

namespace render {

class PendingFile {
 public:
  // Creates the temporary file, which proves the folder writable. Fails for a target
  // that is a folder.
  static host::Result<std::unique_ptr<PendingFile>> create(const std::string& targetPath);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Open for writing, positioned at the start; owned by this object until commit().
  int descriptor() const { return descriptor_; }
  const std::string& temporaryPath() const { return temporaryPath_; }
  const std::string& targetPath() const { return targetPath_; }

  // Flushes to disk, closes and renames over the target.
  host::Status commit();

 private:
  PendingFile(std::string targetPath, std::string temporaryPath, int descriptor, int slot);

  std::string targetPath_;
  std::string temporaryPath_;
  int descriptor_;
  int slot_;  // entry in the table the signal handler clears up
  bool committed_ = false;
};

// Writes all the bytes through the pending file's descriptor (commit is the caller's).
host::Status writeAll(PendingFile& file, const std::vector<char>& bytes);

// True when both paths name one existing file (links and other spellings included).
bool isSameFile(const std::string& first, const std::string& second);

}  // namespace render
