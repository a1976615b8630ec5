#pragma once

#include <atomic>

#include "platform/timer_service.h"
#include "processor/plugin_timer.h"
#include "sdk/audio_effect.h"

namespace gain_plugin {

class GainProcessor : public Steinberg::Vst::AudioEffect, public PlugIn_TimerDelegate {
 public:
  GainProcessor();
  ~GainProcessor() override;

  static Steinberg::FUnknown* createInstance(void* context);

  Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) override;
  Steinberg::tresult PLUGIN_API terminate() override;
  Steinberg::tresult PLUGIN_API setBusArrangements(Steinberg::Vst::SpeakerArrangement* inputs,
                                                   Steinberg::int32 numIns,
                                                   Steinberg::Vst::SpeakerArrangement* outputs,
                                                   Steinberg::int32 numOuts) override;
  Steinberg::tresult PLUGIN_API setProcessing(Steinberg::TBool state) override;
  Steinberg::tresult PLUGIN_API process(Steinberg::Vst::ProcessData& data) override;
  Steinberg::tresult PLUGIN_API setState(Steinberg::IBStream* state) override;
  Steinberg::tresult PLUGIN_API getState(Steinberg::IBStream* state) override;

  void onTimer() override;

 private:
  void applyParameterChanges(Steinberg::Vst::IParameterChanges* changes);
  void reportPeak(Steinberg::Vst::IParameterChanges* changes, float peak);

  std::atomic<float> gain_{0.5f};  // normalised
  std::atomic<float> peak_{0.0f};  // since the last level message
  platform::RunLoopLease runLoop_;
  PlugIn_Timer levelTimer_;
};

}  // namespace gain_plugin
