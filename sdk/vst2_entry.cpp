#include "sdk/vst2_entry.h"

#include "platform/diagnostics.h"
#include "pluginterfaces/base/ipluginbase.h"
#include "sdk/module_entry.h"
#include "sdk/vst2_wrapper.h"

namespace Steinberg::Vst {

AEffect* openVst2Effect(audioMasterCallback hostCallback, const TUID processorClassId,
                        VstInt32 vst2UniqueId, const Vst2Programs& programs) {
  if (hostCallback == nullptr) return nullptr;
  if (hostCallback(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
  if (!enterModule()) return nullptr;
  IPluginFactory* factory = GetPluginFactory();
  AEffect* effect = nullptr;
  if (factory != nullptr) {
    effect = Vst2Wrapper::create(factory, processorClassId, vst2UniqueId, hostCallback,
                                 &leaveModule, programs);
    factory->release();  // the wrapper holds its own reference
  }
  if (effect == nullptr) {
    diag::write("VSTPluginMain: no effect could be made\n");
    leaveModule();
  }
  return effect;
}

}  // namespace Steinberg::Vst
