// Loading a VST 3 preset file the way hosts do, with the SDK's reader.

#include "host/plugin_instance.h"
#include "public.sdk/source/vst/vstpresetfile.h"

namespace host {

using namespace Steinberg;

Status PluginInstance::loadPreset(const StateBytes& presetFile) {
  IPtr<MemoryStream> stream = streamOf(presetFile);
  Vst::PresetFile file(stream);
  if (!file.readChunkList())
    return Status::failure("not a VST 3 preset: its header or chunk list is truncated or garbled");
  if (file.getClassID() != processorClassId_)
    return Status::failure("the preset belongs to another plug-in (class " +
                           guidString(file.getClassID()) + ")");
  if (!file.contains(Vst::kComponentState))
    return Status::failure("the preset holds no processor state");
  if (!file.restoreComponentState(component_.get()))
    return Status::failure("the processor refused the preset's state");
  if (!controller_) return Status::success();
  if (!file.restoreComponentState(controller_.get()))
    return Status::failure("the controller refused the preset's state");
  if (file.contains(Vst::kControllerState) && !file.restoreControllerState(controller_.get()))
    return Status::failure("the controller refused the preset's own state");
  return Status::success();
}

}  // namespace host
