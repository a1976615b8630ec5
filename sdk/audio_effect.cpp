#include "sdk/audio_effect.h"

#include <new>

namespace Steinberg {
namespace Vst {
namespace {

template <typename BusClass>
BusClass* appendBus(BusList& list, BusClass* bus) {
  if (bus == nullptr) return nullptr;
  list.push_back(IPtr<Bus>(bus, false));  // the list takes the creation reference
  return bus;
}

template <typename BusClass>
BusClass* busAt(BusList& list, int32 index) {
  if (index < 0 || index >= static_cast<int32>(list.size())) return nullptr;
  return FCast<BusClass>(list.at(static_cast<size_t>(index)).get());
}

// Gives each bus of the list, in order, the next of `count` arrangements.
void applyArrangements(BusList& list, const SpeakerArrangement* arrangements, int32 count) {
  for (int32 index = 0; index < count; ++index) {
    if (auto* bus = busAt<AudioBus>(list, index)) bus->setArrangement(arrangements[index]);
  }
}

}  // namespace

AudioEffect::AudioEffect() {
  processSetup.maxSamplesPerBlock = 1024;
  processSetup.processMode = kRealtime;
  processSetup.sampleRate = 44100.0;
  processSetup.symbolicSampleSize = kSample32;
}

AudioBus* AudioEffect::addAudioInput(const TChar* name, SpeakerArrangement arrangement,
                                     BusType busType, int32 flags) {
  return appendBus(audioInputs, new (std::nothrow) AudioBus(name, busType, flags, arrangement));
}

AudioBus* AudioEffect::addAudioOutput(const TChar* name, SpeakerArrangement arrangement,
                                      BusType busType, int32 flags) {
  return appendBus(audioOutputs, new (std::nothrow) AudioBus(name, busType, flags, arrangement));
}

AudioBus* AudioEffect::getAudioInput(int32 index) { return busAt<AudioBus>(audioInputs, index); }
AudioBus* AudioEffect::getAudioOutput(int32 index) { return busAt<AudioBus>(audioOutputs, index); }

EventBus* AudioEffect::addEventInput(const TChar* name, int32 channels, BusType busType,
                                     int32 flags) {
  return appendBus(eventInputs, new (std::nothrow) EventBus(name, busType, flags, channels));
}

EventBus* AudioEffect::addEventOutput(const TChar* name, int32 channels, BusType busType,
                                      int32 flags) {
  return appendBus(eventOutputs, new (std::nothrow) EventBus(name, busType, flags, channels));
}

EventBus* AudioEffect::getEventInput(int32 index) { return busAt<EventBus>(eventInputs, index); }
EventBus* AudioEffect::getEventOutput(int32 index) { return busAt<EventBus>(eventOutputs, index); }

tresult PLUGIN_API AudioEffect::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                   SpeakerArrangement* outputs, int32 numOuts) {
  if (numIns < 0 || numOuts < 0) return kInvalidArgument;
  if ((numIns > 0 && inputs == nullptr) || (numOuts > 0 && outputs == nullptr))
    return kInvalidArgument;
  // More arrangements than buses cannot be honoured; fewer leave the remaining buses as they are.
  if (numIns > static_cast<int32>(audioInputs.size()) ||
      numOuts > static_cast<int32>(audioOutputs.size()))
    return kResultFalse;
  applyArrangements(audioInputs, inputs, numIns);
  applyArrangements(audioOutputs, outputs, numOuts);
  return kResultTrue;
}

tresult PLUGIN_API AudioEffect::getBusArrangement(BusDirection dir, int32 index,
                                                  SpeakerArrangement& arrangement) {
  BusList* list = getBusList(kAudio, dir);
  if (list == nullptr || index < 0 || index >= static_cast<int32>(list->size()))
    return kInvalidArgument;
  if (auto* bus = busAt<AudioBus>(*list, index)) {
    arrangement = bus->getArrangement();
    return kResultTrue;
  }
  return kResultFalse;
}

tresult PLUGIN_API AudioEffect::canProcessSampleSize(int32 symbolicSampleSize) {
  return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API AudioEffect::setupProcessing(ProcessSetup& newSetup) {
  // Asks the virtual canProcessSampleSize, so a subclass that accepts 64-bit is honoured.
  if (canProcessSampleSize(newSetup.symbolicSampleSize) != kResultTrue) return kResultFalse;
  processSetup = newSetup;
  return kResultOk;
}

tresult PLUGIN_API AudioEffect::setProcessing(TBool /*state*/) { return kNotImplemented; }

tresult PLUGIN_API AudioEffect::process(ProcessData& /*data*/) { return kNotImplemented; }

}  // namespace Vst
}  // namespace Steinberg
