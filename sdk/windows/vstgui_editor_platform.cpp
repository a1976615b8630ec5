#include "sdk/vstgui_editor_platform.h"

namespace Steinberg::Vst {

// Windows serves the editor's window and the toolkit's window-less timers from the messages
// the host's user-interface thread dispatches; nothing needs to be taken from the host.
struct VSTGUIEditorPlatform::State {};

VSTGUIEditorPlatform::VSTGUIEditorPlatform() : state_(std::make_unique<State>()) {}

VSTGUIEditorPlatform::~VSTGUIEditorPlatform() = default;

FIDString VSTGUIEditorPlatform::platformType() { return kPlatformTypeHWND; }

VSTGUI::PlatformType VSTGUIEditorPlatform::frameType() { return VSTGUI::kHWND; }

void VSTGUIEditorPlatform::setFrame(IPlugFrame* /*plugFrame*/, FUnknown* /*hostContext*/) {}

void VSTGUIEditorPlatform::attach() {}

void VSTGUIEditorPlatform::detach() {}

}  // namespace Steinberg::Vst
