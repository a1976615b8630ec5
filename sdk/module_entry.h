#pragma once
// The Linux module entry points (sdk/module_entry.cpp) and the hooks they call, which
// every plug-in module defines. ModuleEntry/ModuleExit nest: the first entry runs
// InitDll, the exit that balances it runs ExitDll. A bundle exports these two and
// GetPluginFactory (defined by the module with BEGIN_FACTORY_DEF, sdk/plugin_factory.h).

#include "pluginterfaces/base/fplatform.h"

// Defined by the module: its initialisation and de-initialisation; false reports failure.
bool InitDll();
bool ExitDll();

extern "C" {
SMTG_EXPORT_SYMBOL bool ModuleEntry(void* sharedLibraryHandle);
SMTG_EXPORT_SYMBOL bool ModuleExit();
}
