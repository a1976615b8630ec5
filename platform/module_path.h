#pragma once
// Where the running plug-in module lives: its shared-library handle (as the host's
// dlopen gave it to ModuleEntry) and the folder that holds its file.

#include <string>

namespace platform {

// Remembered by the module entry; null outside ModuleEntry ... ModuleExit.
void setModuleHandle(void* handle);
void* moduleHandle();

// Full path of the folder holding the file this code was loaded from, ending in '/'
// (the path cut after its last '/'); empty when the system cannot tell.
const std::string& moduleFolder();

}  // namespace platform
