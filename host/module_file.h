#pragma once
// A plug-in's module file as this system's hosts find, load and enter it. Each system has
// its own (host/linux: dlopen and ModuleEntry/ModuleExit; host/windows: LoadLibraryW and
// InitDll/ExitDll); the build compiles the one for its system.

#include <string>

#include "host/result.h"

namespace host::module_file {

// Where a bundle folder keeps the module file:
//   Linux:   <bundle>/Contents/x86_64-linux/<bundle name>.so
//   Windows: <bundle>\Contents\x86_64-win\<bundle name>.vst3
std::string inBundle(const std::string& bundlePath);

// Loads the file; the handle, or why it cannot be loaded.
Result<void*> open(const std::string& path);
// An exported symbol, or null.
void* symbol(void* handle, const char* name);
void close(void* handle);

// The VST 3 module hooks: the host calls the entry right after loading the file and the
// exit right before unloading it.
extern const char* const kEntryName;
extern const char* const kExitName;
// Calls the entry found under kEntryName; its answer.
bool callEntry(void* entry, void* handle);
void callExit(void* exit);

}  // namespace host::module_file
