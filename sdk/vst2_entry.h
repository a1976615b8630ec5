#pragma once
// The VST 2 entry of a plug-in module. The module's VSTPluginMain calls
// openVst2Effect with its processor's class ID, its VST 2 unique ID and its programs
// (none: one program, "Default", that changes nothing), which
//   1. asks the host for its VST version; a host that answers 0 gets null;
//   2. enters the module as a VST 3 host would (sdk/module_entry.h: InitDll runs);
//   3. makes the wrapper from the module's factory (GetPluginFactory);
//   4. returns the wrapper's effect record, or null (and leaves the module again).
// Closing the effect leaves the module again, so VST 2 and VST 3 hosts in one process
// share the module's start and end.

#include "pluginterfaces/base/funknown.h"
#include "sdk/vst2_abi.h"
#include "sdk/vst2_programs.h"

namespace Steinberg::Vst {

AEffect* openVst2Effect(audioMasterCallback hostCallback, const TUID processorClassId,
                        VstInt32 vst2UniqueId, const Vst2Programs& programs = {});

}  // namespace Steinberg::Vst
