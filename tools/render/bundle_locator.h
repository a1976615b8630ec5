#pragma once
// Where lobeshift-render finds the plug-in bundles when none is named: the build tree
// the tool was built in, then the user's and the system's VST 3 folders.

#include <string>
#include <vector>

#include "host/result.h"

namespace render {

inline constexpr const char* kStereoBundleName = "LobeshiftStereo64.vst3";
inline constexpr const char* kMonoBundleName = "Lobeshift64.vst3";

// The bundle for a recording of that many channels: 4 stereo, 2 mono; null otherwise.
const char* bundleNameForChannels(int channels);

// The folders searched, in order.
std::vector<std::string> bundleSearchFolders();

// The first folder that holds the bundle; the failure names every folder tried.
host::Result<std::string> locateBundle(const std::string& bundleName);

}  // namespace render
