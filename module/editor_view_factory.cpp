// The module carries no editor yet: the controller answers "editor" with no view.

#include "controller/editor_view_factory.h"

namespace Steinberg::Vst {

IPlugView* createPlugInView(VST_PlugInController* /*controller*/) { return nullptr; }

}  // namespace Steinberg::Vst
