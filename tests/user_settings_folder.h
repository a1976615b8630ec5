#pragma once
// Points the plug-in's user settings (the editor's default zoom) at a folder of the test's
// own, so that tests neither read nor write the settings of whoever runs them: the variable
// each system's plug-in reads (platform/user_files.h).

#include <cstdlib>
#include <string>

namespace test_support {

inline void useSettingsFolder(const std::string& folder) {
#ifdef _WIN32
  _putenv_s("APPDATA", folder.c_str());
#else
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
#endif
}

}  // namespace test_support
