#pragma once
// The VST 2 host as the wrapper calls it: its callback and the effect record it knows
// the plug-in by (null while VSTPluginMain is still making the record).

#include "sdk/vst2_abi.h"

namespace Steinberg::Vst {

struct Vst2HostCallback {
  audioMasterCallback callback = nullptr;
  AEffect* effect = nullptr;

  VstIntPtr call(int opcode, int index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                 float opt = 0.0f) const {
    return callback != nullptr ? callback(effect, opcode, index, value, ptr, opt) : 0;
  }
};

}  // namespace Steinberg::Vst
