#pragma once
// What the edit controller needs of an open editor view: the plain value of every
// parameter change, the level values of every level message, and the user's zoom. The editor view
// implements it; the controller recognises a view by this type when the SDK reports
// the view attached.

#include "controller/parameter_table.h"
#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg::Vst {

class PlugIn_ViewTarget {
 public:
  // The kind of level block: four float32 peaks in the stereo build (MicL omni, MicL
  // figure-eight, MicR omni, MicR figure-eight), two in the mono build.
  static constexpr uint32 kLevelTag = ::kLevelTag;

  // A parameter's new plain value, in the units of the parameter table.
  virtual void updateParameter(ParamID tag, float plain) = 0;
  // A level block of the given kind; other kinds are for the view to ignore.
  virtual void updateLevels(uint32 kind, const void* values) = 0;
  // The instance's editor zoom changed (one of kEditorZooms).
  virtual void updateZoom(double /*zoom*/) {}

 protected:
  virtual ~PlugIn_ViewTarget() = default;
};

}  // namespace Steinberg::Vst
