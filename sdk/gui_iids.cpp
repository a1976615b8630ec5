// Interface IDs of the plug-in view interfaces. The packaged SDK declares them but
// compiles no file that defines them, and its EditController refers to IPlugView's.
// Defined here once for every module and program that links lobeshift_sdk.

#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg {

DEF_CLASS_IID(IPlugView)
DEF_CLASS_IID(IPlugFrame)
DEF_CLASS_IID(Linux::IEventHandler)
DEF_CLASS_IID(Linux::ITimerHandler)
DEF_CLASS_IID(Linux::IRunLoop)

}  // namespace Steinberg
