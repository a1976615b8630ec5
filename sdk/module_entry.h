#pragma once
// How a plug-in module is entered and left, and the hooks that run then, which every
// plug-in module defines (InitDll, ExitDll).
//
// Linux (sdk/linux/module_entry.h): the module exports ModuleEntry and ModuleExit, which nest:
// the first entry runs InitDll, the exit that balances it runs ExitDll.
// Windows (sdk/windows): the module exports InitDll and ExitDll themselves, which hosts call
// after loading and before unloading the module file.
//
// Either way a bundle also exports GetPluginFactory (defined by the module with
// BEGIN_FACTORY_DEF, sdk/plugin_factory.h) and VSTPluginMain.

#include "pluginterfaces/base/fplatform.h"

extern "C" {
// Defined by the module: its initialisation and de-initialisation; false reports failure.
// Both may be called again after a balanced pair, and nested.
bool InitDll();
bool ExitDll();
}

namespace Steinberg::Vst {

// Enters the module as a VST 3 host of this system would (ModuleEntry with the module's own
// handle on Linux, InitDll on Windows), for an entry point that is not VST 3's (VSTPluginMain);
// false when the module's initialisation failed. Each true result is balanced by leaveModule.
bool enterModule();
void leaveModule();

}  // namespace Steinberg::Vst
