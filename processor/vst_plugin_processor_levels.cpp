// The level message: every tick of the level timer, the peaks each engine measured
// since the last tick go to the edit controller as "gainData" with the binary
// attribute "vuValue" (float32 in host byte order: omni and figure-eight of each pair).

#include "pluginterfaces/vst/ivstmessage.h"
#include "processor/vst_plugin_processor.h"

namespace Steinberg::Vst {

void VST_PlugInProcessor::onTimer() {
  // Peaks are taken even when no message can go out, so the next one starts afresh.
  for (int pair = 0; pair < kPairCount; ++pair)
    engines_[pair]->takePeaks(PlugIn_DirectivityEngine::kLevelTag, &levels_[2 * pair]);
  IMessage* message = allocateMessage();
  if (message == nullptr) return;
  message->setMessageID("gainData");
  if (IAttributeList* attributes = message->getAttributes())
    attributes->setBinary("vuValue", levels_, static_cast<uint32>(sizeof levels_));
  sendMessage(message);
  message->release();
}

}  // namespace Steinberg::Vst
