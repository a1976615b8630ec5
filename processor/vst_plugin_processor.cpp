#include "processor/vst_plugin_processor.h"

#include <new>

#include "controller/class_ids.h"
#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/vst/vstspeaker.h"

namespace Steinberg::Vst {

namespace {
// The timer is made at 100 ms and set to its working period before it starts.
constexpr int32 kInitialTimerInterval = 100;
constexpr int32 kLevelInterval = 50;
}  // namespace

const SpeakerArrangement VST_PlugInProcessor::kInputArrangement =
    LOBESHIFT_STEREO ? SpeakerArr::k40Music : SpeakerArr::kStereo;
const SpeakerArrangement VST_PlugInProcessor::kOutputArrangement = SpeakerArr::kStereo;

FUnknown* VST_PlugInProcessor::createInstance(void* /*context*/) {
  auto* processor = new (std::nothrow) VST_PlugInProcessor();
  if (processor == nullptr) return nullptr;
  if (!processor->hasEngines()) {
    processor->release();
    return nullptr;
  }
  return static_cast<IAudioProcessor*>(processor);
}

VST_PlugInProcessor::VST_PlugInProcessor() : levelTimer_(this, kInitialTimerInterval) {
  setControllerClass(lobeshift::kControllerUID);
  for (auto& engine : engines_)
    engine.reset(new (std::nothrow) PlugIn_DirectivityEngine(processSetup.sampleRate));
  if (hasEngines()) {
    for (ParameterId id = 0; id < kParameterCount; ++id)
      confirmStoredValue(id, stored_.load(id).revision);
  }
  levelTimer_.setInterval(kLevelInterval);
  levelTimer_.start();
}

VST_PlugInProcessor::~VST_PlugInProcessor() { levelTimer_.stop(); }

bool VST_PlugInProcessor::hasEngines() const {
  for (const auto& engine : engines_) {
    if (engine == nullptr) return false;
  }
  return true;
}

void VST_PlugInProcessor::setEngineSampleRates() {
  for (auto& engine : engines_) engine->setSampleRate(processSetup.sampleRate);
}

void VST_PlugInProcessor::resetEngines() {
  for (auto& engine : engines_) engine->reset();
  silence_.reset();
}

void VST_PlugInProcessor::applyPendingWork() {
  if (resetRequested_.exchange(false, std::memory_order_acquire)) resetEngines();
  pending_.drain([this](ParameterId id, RevisionedValue entry) {
    applyNormalized(id, entry.value, entry.revision);
  });
}

tresult PLUGIN_API VST_PlugInProcessor::initialize(FUnknown* context) {
  const tresult result = AudioEffect::initialize(context);
  if (result != kResultOk) return result;
  addAudioInput(STR16("AudioInput"), kInputArrangement);
  addAudioOutput(STR16("AudioOutput"), kOutputArrangement);
  setEngineSampleRates();
  runLoop_.acquire(context);
  return result;
}

tresult PLUGIN_API VST_PlugInProcessor::terminate() {
  runLoop_.release();
  return AudioEffect::terminate();
}

tresult PLUGIN_API VST_PlugInProcessor::setActive(TBool state) {
  // No process() runs while the host switches processing on or off, so this thread
  // may touch the engines; whatever waited for the audio thread is done first.
  if (!state) active_ = false;
  applyPendingWork();
  setEngineSampleRates();
  SpeakerArrangement arrangement = 0;
  if (getBusArrangement(kOutput, 0, arrangement) != kResultTrue ||
      SpeakerArr::getChannelCount(arrangement) == 0)
    return kResultFalse;
  resetEngines();
  const tresult result = AudioEffect::setActive(state);
  if (state) active_ = result == kResultOk;
  return result;
}

tresult PLUGIN_API VST_PlugInProcessor::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                           SpeakerArrangement* outputs,
                                                           int32 numOuts) {
  if (numIns != 1 || numOuts != 1 || inputs == nullptr || outputs == nullptr) return kResultFalse;
  if (inputs[0] != kInputArrangement || outputs[0] != kOutputArrangement) return kResultFalse;
  return AudioEffect::setBusArrangements(inputs, numIns, outputs, numOuts);
}

uint32 PLUGIN_API VST_PlugInProcessor::getLatencySamples() {
  return PlugIn_DirectivityEngine::kLatency;
}

tresult PLUGIN_API VST_PlugInProcessor::setupProcessing(ProcessSetup& setup) {
  // The engines take the new rate at the next setActive; here they only start afresh.
  if (active_) {
    resetRequested_.store(true, std::memory_order_release);
  } else {
    resetEngines();
  }
  return AudioEffect::setupProcessing(setup);
}

}  // namespace Steinberg::Vst
