#pragma once
// Points the plug-in's user settings (the editor's default zoom) at a fresh, empty folder of
// the test's own, so that tests neither read nor write the settings of whoever runs them nor
// each other's: the variable each system's plug-in reads (platform/user_files.h). The folder
// is named for the test program's build, so the stereo and mono programs may run at once.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace test_support {

inline void useSettingsFolder(const std::string& name) {
#ifdef LOBESHIFT_STEREO
  const std::string folder = name + (LOBESHIFT_STEREO ? "_stereo" : "_mono");
#else
  const std::string folder = name;
#endif
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
#ifdef _WIN32
  _putenv_s("APPDATA", folder.c_str());
#else
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
#endif
}

}  // namespace test_support
