#pragma once
// The class identities of both builds. Each build registers its own pair; tools that
// load either build tell them apart by these.

#include <cstdint>

#include "pluginterfaces/base/funknown.h"

namespace lobeshift {

// A VST 2 unique plug-in ID: four characters, the first in the most significant byte.
constexpr std::int32_t fourCharCode(const char (&code)[5]) {
  return static_cast<std::int32_t>(
      (static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
      (static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
      (static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
      static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])));
}

struct BuildIdentity {
  Steinberg::FUID processorUID;
  Steinberg::FUID controllerUID;
  const char* processorName;
  const char* controllerName;
  std::int32_t vst2UniqueId;  // what VST 2 hosts know the build by
};

inline const BuildIdentity kStereoBuild{
    Steinberg::FUID(0x239B9121, 0xC44540EB, 0x9DFE4E2F, 0xC05CBB2C),
    Steinberg::FUID(0x2F78E25B, 0x79364AF9, 0x8B570FB7, 0x9FB4F3D5), "Lobeshift Stereo",
    "Lobeshift StereoController", fourCharCode("Lbss")};

inline const BuildIdentity kMonoBuild{
    Steinberg::FUID(0x58B6D178, 0x17C24E20, 0x856BAEC3, 0x8AC3C135),
    Steinberg::FUID(0x0B1751D8, 0x2B2347B2, 0x886E4EA9, 0x32696A6A), "Lobeshift",
    "LobeshiftController", fourCharCode("Lbsm")};

}  // namespace lobeshift
