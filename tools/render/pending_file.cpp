#include "tools/render/pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

namespace render {

namespace fs = std::filesystem;

namespace {

// Paths the signal handler removes. Fixed storage: the handler may only touch memory
// that needs no allocation, and unlink is async-signal-safe.
constexpr int kSlots = 8;
constexpr std::size_t kPathCapacity = 4096;
std::array<std::array<char, kPathCapacity>, kSlots> pendingPaths{};
std::array<std::atomic<bool>, kSlots> slotInUse{};

extern "C" void removePendingFilesAndDie(int signalNumber) {
  for (int slot = 0; slot < kSlots; ++slot)
    if (slotInUse[static_cast<std::size_t>(slot)].load())
      unlink(pendingPaths[static_cast<std::size_t>(slot)].data());
  std::signal(signalNumber, SIG_DFL);
  std::raise(signalNumber);
}

void installSignalHandlersOnce() {
  static const bool installed = [] {
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) {
      struct sigaction action {};
      action.sa_handler = removePendingFilesAndDie;
      sigemptyset(&action.sa_mask);
      sigaction(signalNumber, &action, nullptr);
    }
    return true;
  }();
  (void)installed;
}

int claimSlot(const std::string& path) {
  if (path.size() >= kPathCapacity) return -1;
  for (int slot = 0; slot < kSlots; ++slot) {
    auto& entry = pendingPaths[static_cast<std::size_t>(slot)];
    if (slotInUse[static_cast<std::size_t>(slot)].load()) continue;
    std::memcpy(entry.data(), path.c_str(), path.size() + 1);
    slotInUse[static_cast<std::size_t>(slot)].store(true);
    return slot;
  }
  return -1;  // more pending files than slots: still correct, only not cleared on a signal
}

void releaseSlot(int slot) {
  if (slot >= 0) slotInUse[static_cast<std::size_t>(slot)].store(false);
}

// New files get the permissions any program's new files get: 0666 less the umask.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::string systemError(int error) { return std::strerror(error); }

}  // namespace

PendingFile::PendingFile(std::string targetPath, std::string temporaryPath, int descriptor,
                         int slot)
    : targetPath_(std::move(targetPath)),
      temporaryPath_(std::move(temporaryPath)),
      descriptor_(descriptor),
      slot_(slot) {}

host::Result<std::unique_ptr<PendingFile>> PendingFile::create(const std::string& targetPath) {
  using Created = host::Result<std::unique_ptr<PendingFile>>;
  std::error_code error;
  if (fs::is_directory(targetPath, error))
    return Created::failure("cannot write '" + targetPath + "': it is a folder");

  const fs::path target(targetPath);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  // Hidden, and named after the target, so a leftover (after a power cut) explains itself.
  std::string hiddenName = ".";
  hiddenName += target.filename().string();
  hiddenName += ".XXXXXX";
  std::string pattern = (folder / hiddenName).string();

  installSignalHandlersOnce();
  const int descriptor = mkstemp(pattern.data());
  if (descriptor < 0)
    return Created::failure("cannot write '" + targetPath + "': " + systemError(errno));
  fchmod(descriptor, newFileMode());
  const int slot = claimSlot(pattern);
  return Created::success(
      std::unique_ptr<PendingFile>(new PendingFile(targetPath, pattern, descriptor, slot)));
}

PendingFile::~PendingFile() {
  if (descriptor_ >= 0) close(descriptor_);
  if (!committed_) unlink(temporaryPath_.c_str());
  releaseSlot(slot_);
}

host::Status PendingFile::commit() {
  if (descriptor_ >= 0) {
    const bool synced = fsync(descriptor_) == 0;
    const int syncError = errno;
    const bool closed = close(descriptor_) == 0;
    const int closeError = errno;
    descriptor_ = -1;
    if (!synced && syncError != EINVAL)
      return host::Status::failure("cannot write '" + targetPath_ + "': " + systemError(syncError));
    if (!closed)
      return host::Status::failure("cannot write '" + targetPath_ +
                                   "': " + systemError(closeError));
  }
  if (rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0)
    return host::Status::failure("cannot write '" + targetPath_ + "': " + systemError(errno));
  committed_ = true;
  releaseSlot(slot_);
  slot_ = -1;
  return host::Status::success();
}

host::Status writeAll(PendingFile& file, const std::vector<char>& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = write(file.descriptor(), bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0)
      return host::Status::failure("cannot write '" + file.targetPath() +
                                   "': " + systemError(errno));
    if (count == 0)
      return host::Status::failure("cannot write '" + file.targetPath() +
                                   "': the device takes no more data");
    written += static_cast<std::size_t>(count);
  }
  return host::Status::success();
}

bool isSameFile(const std::string& first, const std::string& second) {
  struct stat a {
  }, b{};
  if (stat(first.c_str(), &a) != 0 || stat(second.c_str(), &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace render
