#pragma once
// The identity of the two classes each build registers: the audio processor and its
// edit controller. The stereo and mono builds differ in class IDs and names only, so
// a host can load both side by side.

#include "pluginterfaces/base/funknown.h"

#ifndef LOBESHIFT_STEREO
#error "LOBESHIFT_STEREO must be defined (1 = stereo build, 0 = mono build)"
#endif

namespace lobeshift {

#if LOBESHIFT_STEREO
inline const Steinberg::FUID kProcessorUID(0x239B9121, 0xC44540EB, 0x9DFE4E2F, 0xC05CBB2C);
inline const Steinberg::FUID kControllerUID(0x2F78E25B, 0x79364AF9, 0x8B570FB7, 0x9FB4F3D5);
constexpr const char* kProcessorName = "Lobeshift Stereo";
constexpr const char* kControllerName = "Lobeshift StereoController";
#else
inline const Steinberg::FUID kProcessorUID(0x58B6D178, 0x17C24E20, 0x856BAEC3, 0x8AC3C135);
inline const Steinberg::FUID kControllerUID(0x0B1751D8, 0x2B2347B2, 0x886E4EA9, 0x32696A6A);
constexpr const char* kProcessorName = "Lobeshift";
constexpr const char* kControllerName = "LobeshiftController";
#endif

constexpr const char* kVendor = "Tolvane";
constexpr const char* kVendorUrl = "http://www.tolvane.com";
constexpr const char* kVendorEmail = "mailto:info@tolvane.com";
constexpr const char* kClassVersion = "1.0.1";
// The interface version the classes are written against, as the class records state it.
constexpr const char* kClassSdkVersion = "VST 3.5.0";
constexpr const char* kProcessorSubCategories = "Fx";

}  // namespace lobeshift
