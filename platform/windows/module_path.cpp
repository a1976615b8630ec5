// Windows: the module's handle and folder, remembered on process attach.

#include "platform/module_path.h"

#include <windows.h>

namespace platform {
namespace {

void* gModuleHandle = nullptr;
std::string gModuleFolder;

// The full path of a module's file, cut after its last backslash, as UTF-8.
std::string folderOf(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // cut short: a longer path than MAX_PATH
  }
  const auto backslash = path.rfind(L'\\');
  if (backslash == std::wstring::npos) return {};
  path.resize(backslash + 1);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()),
                                        nullptr, 0, nullptr, nullptr);
  std::string folder(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), folder.data(), bytes,
                      nullptr, nullptr);
  return folder;
}

// A program (a test) has no DllMain of ours: its code's own module stands in.
HMODULE moduleOfThisCode() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&moduleOfThisCode), &module);
  return module;
}

}  // namespace

void setModuleHandle(void* handle) {
  gModuleHandle = handle;
  gModuleFolder = handle != nullptr ? folderOf(static_cast<HMODULE>(handle)) : std::string();
}

void* moduleHandle() {
  if (gModuleHandle == nullptr) setModuleHandle(moduleOfThisCode());
  return gModuleHandle;
}

const std::string& moduleFolder() {
  moduleHandle();
  return gModuleFolder;
}

}  // namespace platform

// Windows calls this when the module is loaded and unloaded; nothing but remembering who and
// where we are happens under the loader's lock.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) platform::setModuleHandle(instance);
  return TRUE;
}
