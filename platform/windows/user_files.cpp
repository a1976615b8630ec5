#include "platform/user_files.h"

#include <windows.h>

#include <cstdlib>
#include <system_error>

#include "platform/user_files_system.h"

namespace platform {

std::filesystem::path userConfigRoot() {
  const wchar_t* appData = _wgetenv(L"APPDATA");
  if (appData == nullptr || appData[0] == L'\0') return {};
  return std::filesystem::path(appData);
}

namespace system {

FILE* openFile(const std::filesystem::path& path, bool forWriting) {
  return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
}

void removeFile(const std::filesystem::path& path) { _wremove(path.c_str()); }

bool flushToDisk(FILE* /*file*/) { return true; }  // MOVEFILE_WRITE_THROUGH below

bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::string& reason) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  reason = std::system_category().message(static_cast<int>(GetLastError()));
  return false;
}

std::string processTag() { return std::to_string(GetCurrentProcessId()); }

}  // namespace system
}  // namespace platform
