#include "sdk/module_entry.h"

#include "platform/module_path.h"
#include "platform/timer_service.h"

namespace {
int gModuleEntryCount = 0;
}

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
