// The module's factory and its initialisation hooks: each build registers its audio
// processor and then its edit controller.

#include "controller/class_ids.h"
#include "controller/factory_presets.h"
#include "controller/vst_plugin_controller.h"
#include "platform/diagnostics.h"
#include "processor/vst_plugin_processor.h"
#include "sdk/module_entry.h"
#include "sdk/plugin_factory.h"
#include "sdk/vst2_entry.h"

// Diagnostic lines reach standard output through the writer thread while the host
// has the module entered.
bool InitDll() {
  // A host that quits without leaving the module is covered too: the writer stops
  // itself when the process ends.
  diag::startWriter();
  return true;
}

bool ExitDll() {
  diag::stopWriter();
  return true;
}

namespace {

// The factory presets as the programs of the VST 2 entry.
Steinberg::Vst::Vst2Programs factoryPrograms() {
  Steinberg::Vst::Vst2Programs programs;
  for (const FactoryPreset& preset : factoryPresets())
    programs.push_back({preset.name, presetState(preset, kParameterCount)});
  return programs;
}

}  // namespace

// The VST 2 entry: the same module, wrapped for hosts that only speak VST 2.
extern "C" SMTG_EXPORT_SYMBOL AEffect* VSTPluginMain(audioMasterCallback hostCallback) {
  return Steinberg::Vst::openVst2Effect(hostCallback, lobeshift::kProcessorUID,
                                        lobeshift::kVst2UniqueId, factoryPrograms());
}

BEGIN_FACTORY_DEF(lobeshift::kVendor, lobeshift::kVendorUrl, lobeshift::kVendorEmail)
DEF_CLASS2(INLINE_UID_FROM_FUID(lobeshift::kProcessorUID), PClassInfo::kManyInstances,
           kVstAudioEffectClass, lobeshift::kProcessorName, Vst::kDistributable,
           lobeshift::kProcessorSubCategories, lobeshift::kClassVersion,
           lobeshift::kClassSdkVersion, Vst::VST_PlugInProcessor::createInstance)
DEF_CLASS2(INLINE_UID_FROM_FUID(lobeshift::kControllerUID), PClassInfo::kManyInstances,
           kVstComponentControllerClass, lobeshift::kControllerName, 0, "",
           lobeshift::kClassVersion, lobeshift::kClassSdkVersion,
           Vst::VST_PlugInController::createInstance)
END_FACTORY
