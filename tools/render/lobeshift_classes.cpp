#include "tools/render/lobeshift_classes.h"

#include "controller/build_identities.h"

namespace render {

using Steinberg::FUID;

const LobeshiftClass* lobeshiftClassOf(const FUID& processorClassId) {
  static const LobeshiftClass stereo{
      "stereo",
      {"MicL omni", "MicR omni", "MicL figure-eight", "MicR figure-eight"},
      {"MicL", "MicR"}};
  // The mono build puts its one result on both outputs.
  static const LobeshiftClass mono{"mono", {"omni", "figure-eight"}, {"result", "copy"}};
  if (processorClassId == lobeshift::kStereoBuild.processorUID) return &stereo;
  if (processorClassId == lobeshift::kMonoBuild.processorUID) return &mono;
  return nullptr;
}

}  // namespace render
