#pragma once
// The editor view that the controller hands out for the view name "editor". Defined
// by the editor library, so the controller does not depend on the editor's code (its
// tests stand a view of their own in).

#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg::Vst {

class VST_PlugInController;

// A new view for the controller (the caller owns its one reference), or null when the
// module has no editor or memory runs out.
IPlugView* createPlugInView(VST_PlugInController* controller);

}  // namespace Steinberg::Vst
