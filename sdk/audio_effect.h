#pragma once
// Base class of an audio processor component: a Component that is also the
// IAudioProcessor, with helpers for its buses and the stored processing setup.
// Behaves like the SDK's documented AudioEffect: 32-bit float processing only,
// no latency, no tail, bus arrangements taken as the host asks.

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "public.sdk/source/vst/vstcomponent.h"

namespace Steinberg {
namespace Vst {

class AudioEffect : public Component, public IAudioProcessor, public IProcessContextRequirements {
 public:
  AudioEffect();

  // Bus helpers; each returns the new bus (owned by the component's bus list).
  AudioBus* addAudioInput(const TChar* name, SpeakerArrangement arrangement,
                          BusType busType = kMain, int32 flags = BusInfo::kDefaultActive);
  AudioBus* addAudioOutput(const TChar* name, SpeakerArrangement arrangement,
                           BusType busType = kMain, int32 flags = BusInfo::kDefaultActive);
  AudioBus* getAudioInput(int32 index);
  AudioBus* getAudioOutput(int32 index);
  EventBus* addEventInput(const TChar* name, int32 channels = 16, BusType busType = kMain,
                          int32 flags = BusInfo::kDefaultActive);
  EventBus* addEventOutput(const TChar* name, int32 channels = 16, BusType busType = kMain,
                           int32 flags = BusInfo::kDefaultActive);
  EventBus* getEventInput(int32 index);
  EventBus* getEventOutput(int32 index);

  //--- IAudioProcessor
  tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                        SpeakerArrangement* outputs, int32 numOuts) SMTG_OVERRIDE;
  tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index,
                                       SpeakerArrangement& arrangement) SMTG_OVERRIDE;
  tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) SMTG_OVERRIDE;
  uint32 PLUGIN_API getLatencySamples() SMTG_OVERRIDE { return 0; }
  tresult PLUGIN_API setupProcessing(ProcessSetup& newSetup) SMTG_OVERRIDE;
  tresult PLUGIN_API setProcessing(TBool state) SMTG_OVERRIDE;
  tresult PLUGIN_API process(ProcessData& data) SMTG_OVERRIDE;
  uint32 PLUGIN_API getTailSamples() SMTG_OVERRIDE { return kNoTail; }

  //--- IProcessContextRequirements
  uint32 PLUGIN_API getProcessContextRequirements() SMTG_OVERRIDE {
    return processContextRequirements;
  }

  OBJ_METHODS(AudioEffect, Component)
  DEFINE_INTERFACES
  DEF_INTERFACE(IAudioProcessor)
  DEF_INTERFACE(IProcessContextRequirements)
  END_DEFINE_INTERFACES(Component)
  REFCOUNT_METHODS(Component)

 protected:
  // The host's last accepted setup; 44100 Hz, 32-bit, real-time, 1024 samples until then.
  ProcessSetup processSetup;
  // IProcessContextRequirements flags the host is told; none by default.
  uint32 processContextRequirements = 0;
};

}  // namespace Vst
}  // namespace Steinberg
