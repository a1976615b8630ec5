// The entry points a Linux VST 3 host calls, and the only symbols a bundle exports.
// ModuleEntry/ModuleExit nest: the first entry runs InitDll, the exit that balances it
// runs ExitDll. GetPluginFactory creates the module's factory once and hands out
// further references to it.

#include "platform/module_path.h"
#include "platform/timer_service.h"
#include "sdk/module_definition.h"

#define LOBESHIFT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
int gModuleEntryCount = 0;
}

LOBESHIFT_EXPORT bool ModuleEntry(void* sharedLibraryHandle) {
  if (++gModuleEntryCount > 1) return true;
  platform::setModuleHandle(sharedLibraryHandle);
  platform::moduleFolder();  // remembered now, while the host is loading the module
  if (InitDll()) return true;
  // A failed start counts as no entry, so the host may try again.
  gModuleEntryCount = 0;
  platform::setModuleHandle(nullptr);
  return false;
}

LOBESHIFT_EXPORT bool ModuleExit() {
  if (gModuleEntryCount == 0) return false;  // no entry to balance
  if (--gModuleEntryCount > 0) return true;
  // Nothing of this module may stay registered with the host once it can be unloaded.
  platform::forgetRunLoops();
  platform::setModuleHandle(nullptr);
  return ExitDll();
}

LOBESHIFT_EXPORT Steinberg::IPluginFactory* PLUGIN_API GetPluginFactory() {
  using Steinberg::gPluginFactory;
  if (gPluginFactory != nullptr) {
    gPluginFactory->addRef();
    return gPluginFactory;
  }
  gPluginFactory = Steinberg::createModuleFactory();
  return gPluginFactory;
}
