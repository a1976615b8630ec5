// The controller's view "editor": the plug-in's own editor.

#include <new>

#include "controller/editor_view_factory.h"
#include "controller/vst_plugin_controller.h"
#include "editor/plugin_view.h"

namespace Steinberg::Vst {

IPlugView* createPlugInView(VST_PlugInController* controller) {
  return new (std::nothrow) PlugIn_View(controller);
}

}  // namespace Steinberg::Vst
