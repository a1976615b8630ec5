#include "tools/render/bundle_locator.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace render {

namespace fs = std::filesystem;

namespace {

// The folder of the running executable, or empty when the system will not say.
fs::path toolFolder() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : executable.parent_path();
}

}  // namespace

const char* bundleNameForChannels(int channels) {
  switch (channels) {
    case 4:
      return kStereoBundleName;
    case 2:
      return kMonoBundleName;
    default:
      return nullptr;
  }
}

std::vector<std::string> bundleSearchFolders() {
  std::vector<std::string> folders;
  // The tool is built into <build>/tools/render/; the bundles into <build>/bundles/. An
  // installed tool (/usr/bin) has no build tree around it, and no such folder is named.
  if (const fs::path tool = toolFolder(); !tool.empty()) {
    const fs::path buildBundles = (tool.parent_path().parent_path() / "bundles").lexically_normal();
    std::error_code error;
    if (fs::is_directory(buildBundles, error)) folders.push_back(buildBundles.string());
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    folders.push_back((fs::path(home) / ".vst3").string());
  folders.emplace_back("/usr/local/lib/vst3");
  folders.emplace_back("/usr/lib/vst3");
  return folders;
}

host::Result<std::string> locateBundle(const std::string& bundleName) {
  std::string tried;
  for (const std::string& folder : bundleSearchFolders()) {
    const fs::path candidate = fs::path(folder) / bundleName;
    std::error_code error;
    if (fs::is_directory(candidate, error))
      return host::Result<std::string>::success(candidate.string());
    tried += (tried.empty() ? "" : ", ") + folder;
  }
  return host::Result<std::string>::failure(bundleName + std::string(" not found (looked in ") +
                                            tried + "); build it, or name a bundle with --plugin");
}

}  // namespace render
