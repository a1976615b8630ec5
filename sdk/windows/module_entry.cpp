// Windows: hosts call the module's own InitDll and ExitDll; an entry point that is not VST 3's
// does the same. The module's handle and folder were remembered on process attach.

#include "sdk/module_entry.h"

namespace Steinberg::Vst {

bool enterModule() { return InitDll(); }
void leaveModule() { ExitDll(); }

}  // namespace Steinberg::Vst
