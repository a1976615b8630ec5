#include "platform/module_path.h"

#include <dlfcn.h>

namespace platform {
namespace {

void* gModuleHandle = nullptr;

// Any address inside this module identifies the file it was loaded from.
std::string findModuleFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<const void*>(&findModuleFolder), &info) == 0 ||
      info.dli_fname == nullptr)
    return {};
  std::string path(info.dli_fname);
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  path.resize(slash + 1);
  return path;
}

}  // namespace

void setModuleHandle(void* handle) { gModuleHandle = handle; }

void* moduleHandle() { return gModuleHandle; }

const std::string& moduleFolder() {
  static const std::string folder = findModuleFolder();
  return folder;
}

}  // namespace platform
