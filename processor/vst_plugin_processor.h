#pragma once
// The audio processor component: one directivity engine per microphone pair, the
// host's buses mapped onto them, parameter changes applied with the audio, the
// processor state, the reported latency, and every 50 ms the engines' peak levels
// sent to the edit controller as the message "gainData".
//
// Threads. process() runs on the host's audio thread; everything else, the level
// timer included, on the host's main thread. While the component is active the audio
// thread alone touches the engines: setState hands its values over through a
// lock-free pending slot that process() applies before the block's parameter changes,
// and getState reads the stored values, never the engines. While it is inactive no
// process() runs, and setState applies its values at once.

#include <array>
#include <atomic>
#include <memory>

#include "controller/parameters.h"
#include "platform/timer_service.h"
#include "processor/directivity_engine.h"
#include "processor/pending_state.h"
#include "processor/plugin_plugin_processor.h"
#include "processor/plugin_timer.h"
#include "processor/silence_tracker.h"
#include "processor/stored_state.h"
#include "sdk/audio_effect.h"

namespace Steinberg::Vst {

class VST_PlugInProcessor : public AudioEffect,
                            public PlugIn::PlugIn_PlugInProcessor,
                            public PlugIn_TimerDelegate {
 public:
  // Stereo: L R Ls Rs in (MicL omni, MicR omni, MicL eight, MicR eight), L R out.
  // Mono: L R in (omni, eight), L R out (the result twice).
  static const SpeakerArrangement kInputArrangement;
  static const SpeakerArrangement kOutputArrangement;
  static constexpr int32 kInputChannels = 2 * kPairCount;
  static constexpr int32 kOutputChannels = 2;
  // Level values in a "gainData" message: omni and figure-eight peak of each pair.
  static constexpr int kLevelCount = 2 * kPairCount;

  // The factory's creation function: a new processor as its IAudioProcessor, or null
  // when memory runs out. The only way to make one, so every processor has its engines.
  static FUnknown* createInstance(void* context);

  ~VST_PlugInProcessor() override;

  //--- IPluginBase
  tresult PLUGIN_API initialize(FUnknown* context) override;
  tresult PLUGIN_API terminate() override;

  //--- IComponent
  tresult PLUGIN_API setActive(TBool state) override;
  tresult PLUGIN_API setState(IBStream* state) override;
  tresult PLUGIN_API getState(IBStream* state) override;

  //--- IAudioProcessor
  tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                        SpeakerArrangement* outputs, int32 numOuts) override;
  uint32 PLUGIN_API getLatencySamples() override;
  tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
  tresult PLUGIN_API process(ProcessData& data) override;

  //--- PlugIn_TimerDelegate: the level message.
  void onTimer() override;

 private:
  VST_PlugInProcessor();

  bool hasEngines() const;
  void setEngineSampleRates();
  void resetEngines();
  // Engine work that waited for the thread that owns the engines.
  void applyPendingWork();

  // Parameters (vst_plugin_processor_parameters.cpp).
  void applyParameterChanges(IParameterChanges* changes);
  void applyNormalized(ParameterId id, double normalized, uint32 revision);
  void confirmStoredValue(ParameterId id, uint32 revision);

  // Audio (vst_plugin_processor_audio.cpp).
  tresult processAudio(ProcessData& data);
  void runEngines(AudioBusBuffers& input, AudioBusBuffers& output, int32 sampleCount);

  std::array<std::unique_ptr<PlugIn_DirectivityEngine>, kPairCount> engines_;
  float levels_[kLevelCount] = {};

  PendingState pending_;  // main thread -> audio thread
  StoredState stored_;    // what getState writes
  std::atomic<bool> resetRequested_{false};
  SilenceTracker silence_;  // with the engines: audio thread while active
  bool active_ = false;     // main thread

  platform::RunLoopLease runLoop_;  // drives the level timer
  PlugIn_Timer levelTimer_;
};

}  // namespace Steinberg::Vst
