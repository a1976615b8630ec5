// Windows: module files are DLLs loaded with LoadLibraryW; the module hooks are InitDll()
// and ExitDll(), called as Windows hosts call them.

#include "host/module_file.h"

#include <windows.h>

#include <filesystem>

namespace host::module_file {

const char* const kEntryName = "InitDll";
const char* const kExitName = "ExitDll";

namespace {

std::wstring wide(const std::string& utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
  return text;
}

std::string systemMessage(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message(text != nullptr ? text : "", length);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return "error " + std::to_string(error) + (message.empty() ? "" : ": " + message);
}

}  // namespace

std::string inBundle(const std::string& bundlePath) {
  const std::filesystem::path bundle(bundlePath);
  // A trailing slash leaves the path's last name empty: the folder's own name counts.
  const std::filesystem::path folder = bundle.has_filename() ? bundle : bundle.parent_path();
  return (folder / "Contents" / "x86_64-win" / (folder.stem().string() + ".vst3")).string();
}

Result<void*> open(const std::string& path) {
  // LoadLibrary wants a full path with backslashes; a path without a drive (as the build
  // names its files) is on the current one.
  std::error_code ignored;
  const std::filesystem::path full =
      std::filesystem::absolute(std::filesystem::path(wide(path)), ignored).make_preferred();
  // No dialog for a file that is no DLL: the caller gets the error instead.
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE handle = LoadLibraryW(full.c_str());
  const DWORD error = GetLastError();
  SetErrorMode(previousMode);
  if (handle != nullptr) return Result<void*>::success(reinterpret_cast<void*>(handle));
  return Result<void*>::failure(systemMessage(error));
}

void* symbol(void* handle, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void close(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }

bool callEntry(void* entry, void*) { return reinterpret_cast<bool (*)()>(entry)(); }

void callExit(void* exit) { reinterpret_cast<bool (*)()>(exit)(); }

}  // namespace host::module_file
