#include "tools/render/lobeshift_classes.h"

namespace render {

using Steinberg::FUID;

const LobeshiftClass* lobeshiftClassOf(const FUID& processorClassId) {
  static const FUID stereoId(0x239B9121, 0xC44540EB, 0x9DFE4E2F, 0xC05CBB2C);
  static const FUID monoId(0x58B6D178, 0x17C24E20, 0x856BAEC3, 0x8AC3C135);
  static const LobeshiftClass stereo{
      "stereo", {"MicL omni", "MicR omni", "MicL figure-eight", "MicR figure-eight"}, {"MicL", "MicR"}};
  // The mono build puts its one result on both outputs.
  static const LobeshiftClass mono{"mono", {"omni", "figure-eight"}, {"result", "copy"}};
  if (processorClassId == stereoId) return &stereo;
  if (processorClassId == monoId) return &mono;
  return nullptr;
}

}  // namespace render
