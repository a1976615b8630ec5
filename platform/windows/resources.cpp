// Windows: the resources windres compiled into the module, found by name and type.

#include "platform/resources.h"

#include <windows.h>

#include "platform/module_path.h"

namespace platform {

bool findResource(const char* name, const char* type, Resource& out) {
  if (name == nullptr || type == nullptr) return false;
  const auto module = static_cast<HMODULE>(moduleHandle());
  // Windows compares resource names and types without regard to case.
  HRSRC info = FindResourceA(module, name, type);
  if (info == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, info);
  if (loaded == nullptr) return false;
  const void* data = LockResource(loaded);
  if (data == nullptr) return false;
  out.data = static_cast<const unsigned char*>(data);
  out.size = SizeofResource(module, info);
  return true;
}

}  // namespace platform
