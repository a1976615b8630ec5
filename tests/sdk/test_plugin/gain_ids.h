#pragma once
// Identity of the test gain plug-in: a stereo gain with one automatable parameter,
// built as a real bundle so the host library and the SDK helpers can be tried the
// way a DAW uses them.

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/vst/vsttypes.h"

namespace gain_plugin {

inline const Steinberg::FUID kProcessorUID(0x6C1A2B3D, 0x4E5F4A1B, 0x9C8D7E6F, 0x10213243);
inline const Steinberg::FUID kControllerUID(0x7D2B3C4E, 0x5F604B2C, 0xAD9E8F70, 0x21324354);

// Gain: normalised v gives the factor 2·v (default 0.5, unity).
constexpr Steinberg::Vst::ParamID kGain = 0;
// Read-only: the peak the processor last sent in a "levels" message.
constexpr Steinberg::Vst::ParamID kLevel = 1;
// Read-only: the peak of the last block, reported as an output parameter change.
constexpr Steinberg::Vst::ParamID kOutputPeak = 2;

// Processor -> controller, every kLevelInterval ms: float attribute "peak".
constexpr const char* kLevelsMessage = "levels";
constexpr const char* kPeakAttribute = "peak";
constexpr int kLevelInterval = 50;

// Host -> controller: performs an edit (int "id", float "value") as a user would,
// and asks for a restart when int "restart" is present.
constexpr const char* kSimulateEditMessage = "simulateEdit";

}  // namespace gain_plugin
