#include "tests/sdk/test_plugin/gain_processor.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "tests/sdk/test_plugin/gain_ids.h"
#include "tests/sdk/test_plugin/gain_state.h"

namespace gain_plugin {

using namespace Steinberg;
using namespace Steinberg::Vst;

GainProcessor::GainProcessor() : levelTimer_(this, kLevelInterval) {
  setControllerClass(kControllerUID);
  levelTimer_.start();
}

GainProcessor::~GainProcessor() { levelTimer_.stop(); }

FUnknown* GainProcessor::createInstance(void*) {
  return static_cast<IAudioProcessor*>(new (std::nothrow) GainProcessor());
}

tresult PLUGIN_API GainProcessor::initialize(FUnknown* context) {
  const tresult result = AudioEffect::initialize(context);
  if (result != kResultOk) return result;
  addAudioInput(STR16("Stereo In"), SpeakerArr::kStereo);
  addAudioOutput(STR16("Stereo Out"), SpeakerArr::kStereo);
  runLoop_.acquire(context);
  return kResultOk;
}

tresult PLUGIN_API GainProcessor::terminate() {
  runLoop_.release();
  return AudioEffect::terminate();
}

tresult PLUGIN_API GainProcessor::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                     SpeakerArrangement* outputs, int32 numOuts) {
  if (numIns != 1 || numOuts != 1 || inputs == nullptr || outputs == nullptr) return kResultFalse;
  if (inputs[0] != SpeakerArr::kStereo || outputs[0] != SpeakerArr::kStereo) return kResultFalse;
  return AudioEffect::setBusArrangements(inputs, numIns, outputs, numOuts);
}

tresult PLUGIN_API GainProcessor::setProcessing(TBool) { return kResultOk; }

void GainProcessor::applyParameterChanges(IParameterChanges* changes) {
  if (changes == nullptr) return;
  for (int32 i = 0; i < changes->getParameterCount(); ++i) {
    IParamValueQueue* queue = changes->getParameterData(i);
    if (queue == nullptr || queue->getParameterId() != kGain) continue;
    int32 offset = 0;
    ParamValue value = 0.0;
    if (queue->getPoint(queue->getPointCount() - 1, offset, value) == kResultOk)
      gain_ = static_cast<float>(value);
  }
}

void GainProcessor::reportPeak(IParameterChanges* changes, float peak) {
  if (changes == nullptr) return;
  int32 index = 0;
  if (IParamValueQueue* queue = changes->addParameterData(kOutputPeak, index))
    queue->addPoint(0, std::min(peak, 1.0f), index);
}

tresult PLUGIN_API GainProcessor::process(ProcessData& data) {
  applyParameterChanges(data.inputParameterChanges);
  if (data.numInputs == 0 || data.numOutputs == 0) return kResultOk;

  AudioBusBuffers& in = data.inputs[0];
  AudioBusBuffers& out = data.outputs[0];
  const int32 channels = std::min(in.numChannels, out.numChannels);
  const auto samples = static_cast<size_t>(data.numSamples);
  if (in.silenceFlags != 0) {
    out.silenceFlags = in.silenceFlags;
    for (int32 c = 0; c < out.numChannels; ++c)
      std::memset(out.channelBuffers32[c], 0, samples * sizeof(float));
    return kResultOk;
  }
  const float factor = 2.0f * gain_.load();
  float peak = 0.0f;
  for (int32 c = 0; c < channels; ++c) {
    for (size_t i = 0; i < samples; ++i) {
      const float sample = in.channelBuffers32[c][i] * factor;
      out.channelBuffers32[c][i] = sample;
      peak = std::max(peak, std::fabs(sample));
    }
  }
  out.silenceFlags = 0;
  if (peak > peak_.load()) peak_ = peak;
  reportPeak(data.outputParameterChanges, peak);
  return kResultOk;
}

tresult PLUGIN_API GainProcessor::setState(IBStream* state) {
  float value = 0.0f;
  if (!readGainState(state, value)) return kResultFalse;
  gain_ = std::clamp(value, 0.0f, 1.0f);
  return kResultOk;
}

tresult PLUGIN_API GainProcessor::getState(IBStream* state) {
  return writeGainState(state, gain_.load()) ? kResultOk : kResultFalse;
}

void GainProcessor::onTimer() {
  const float peak = peak_.exchange(0.0f);
  IMessage* message = allocateMessage();
  if (message == nullptr) return;
  message->setMessageID(kLevelsMessage);
  message->getAttributes()->setFloat(kPeakAttribute, peak);
  sendMessage(message);
  message->release();
}

}  // namespace gain_plugin
