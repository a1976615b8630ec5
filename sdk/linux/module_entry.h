#pragma once
// The Linux module entry points, which every Linux VST 3 host calls with the handle its dlopen
// gave: ModuleEntry after loading the file, ModuleExit before unloading it. They nest.

#include "sdk/module_entry.h"

extern "C" {
SMTG_EXPORT_SYMBOL bool ModuleEntry(void* sharedLibraryHandle);
SMTG_EXPORT_SYMBOL bool ModuleExit();
}
