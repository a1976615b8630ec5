#include "sdk/linux/module_entry.h"

#include <dlfcn.h>

#include "platform/module_path.h"
#include "platform/timer_service.h"

namespace {

int gModuleEntryCount = 0;

// The module's own dlopen handle, found from the address of its code. The host's dlopen
// keeps the module loaded, so the handle stays valid after this probe lets its extra
// reference go.
void* ownModuleHandle() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ownModuleHandle), &info) == 0 || info.dli_fname == nullptr)
    return nullptr;
  void* handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
  if (handle != nullptr) dlclose(handle);
  return handle;
}

}  // namespace

bool ModuleEntry(void* sharedLibraryHandle) {
  if (++gModuleEntryCount > 1) return true;
  platform::setModuleHandle(sharedLibraryHandle);
  platform::moduleFolder();  // remembered now, while the host is loading the module
  if (InitDll()) return true;
  // A failed start counts as no entry, so the host may try again.
  gModuleEntryCount = 0;
  platform::setModuleHandle(nullptr);
  return false;
}

bool ModuleExit() {
  if (gModuleEntryCount == 0) return false;  // no entry to balance
  if (--gModuleEntryCount > 0) return true;
  // Nothing of this module may stay registered with the host once it can be unloaded.
  platform::forgetRunLoops();
  platform::setModuleHandle(nullptr);
  return ExitDll();
}

namespace Steinberg::Vst {

bool enterModule() { return ModuleEntry(ownModuleHandle()); }
void leaveModule() { ModuleExit(); }

}  // namespace Steinberg::Vst
