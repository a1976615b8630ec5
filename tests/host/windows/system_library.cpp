#include "tests/host/system_library.h"

#include <windows.h>

namespace host_test {

// kernel32.dll, wherever the system folder is.
std::string systemLibrary() {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder, length) + "\\kernel32.dll";
}

}  // namespace host_test
