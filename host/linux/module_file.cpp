// Linux: module files are shared objects opened with dlopen; the module hooks are
// ModuleEntry(handle) and ModuleExit().

#include "host/module_file.h"

#include <dlfcn.h>

#include <filesystem>

namespace host::module_file {

const char* const kEntryName = "ModuleEntry";
const char* const kExitName = "ModuleExit";

std::string inBundle(const std::string& bundlePath) {
  const std::filesystem::path bundle(bundlePath);
  // A trailing slash leaves the path's last name empty: the folder's own name counts.
  const std::filesystem::path folder = bundle.has_filename() ? bundle : bundle.parent_path();
  return (folder / "Contents" / "x86_64-linux" / (folder.stem().string() + ".so")).string();
}

Result<void*> open(const std::string& path) {
  dlerror();
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle != nullptr) return Result<void*>::success(handle);
  const char* reason = dlerror();
  return Result<void*>::failure(reason != nullptr ? reason : "unknown reason");
}

void* symbol(void* handle, const char* name) { return dlsym(handle, name); }

void close(void* handle) { dlclose(handle); }

bool callEntry(void* entry, void* handle) {
  return reinterpret_cast<bool (*)(void*)>(entry)(handle);
}

void callExit(void* exit) { reinterpret_cast<bool (*)()>(exit)(); }

}  // namespace host::module_file
