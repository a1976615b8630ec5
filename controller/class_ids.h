#pragma once
// The identity of the two classes each build registers: the audio processor and its
// edit controller. The stereo and mono builds differ in class IDs and names only, so
// a host can load both side by side.

#include "controller/build_identities.h"

#ifndef LOBESHIFT_STEREO
#error "LOBESHIFT_STEREO must be defined (1 = stereo build, 0 = mono build)"
#endif

namespace lobeshift {

inline const BuildIdentity& kThisBuild = LOBESHIFT_STEREO ? kStereoBuild : kMonoBuild;
inline const Steinberg::FUID& kProcessorUID = kThisBuild.processorUID;
inline const Steinberg::FUID& kControllerUID = kThisBuild.controllerUID;
inline const char* const kProcessorName = kThisBuild.processorName;
inline const char* const kControllerName = kThisBuild.controllerName;
inline const std::int32_t kVst2UniqueId = kThisBuild.vst2UniqueId;

constexpr const char* kVendor = "Tolvane";
constexpr const char* kVendorUrl = "http://www.tolvane.com";
constexpr const char* kVendorEmail = "mailto:info@tolvane.com";
constexpr const char* kClassVersion = "1.0.1";
// The interface version the classes are written against, as the class records state it.
constexpr const char* kClassSdkVersion = "VST 3.5.0";
constexpr const char* kProcessorSubCategories = "Fx";

}  // namespace lobeshift
