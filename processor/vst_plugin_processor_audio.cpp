// One block of audio: the buses checked, the engines run, or the silent shortcut.

#include <cstring>

#include "processor/flush_denormals.h"
#include "processor/vst_plugin_processor.h"

namespace Steinberg::Vst {

namespace {

bool carriesChannels(const AudioBusBuffers& bus, int32 channels) {
  if (bus.numChannels < channels || bus.channelBuffers32 == nullptr) return false;
  for (int32 channel = 0; channel < channels; ++channel) {
    if (bus.channelBuffers32[channel] == nullptr) return false;
  }
  return true;
}

uint64 channelMask(int32 channels) {
  return channels >= 64 ? ~uint64{0} : (uint64{1} << channels) - 1;
}

bool allChannelsSilent(const AudioBusBuffers& bus, int32 channels) {
  const uint64 mask = channelMask(channels);
  return (bus.silenceFlags & mask) == mask;
}

void writeSilence(AudioBusBuffers& bus, int32 sampleCount) {
  if (bus.channelBuffers32 == nullptr) return;
  for (int32 channel = 0; channel < bus.numChannels; ++channel) {
    if (float* samples = bus.channelBuffers32[channel])
      std::memset(samples, 0, sizeof(float) * static_cast<size_t>(sampleCount));
  }
}

}  // namespace

tresult PLUGIN_API VST_PlugInProcessor::process(ProcessData& data) {
  // The whole call, parameter changes and curves included, runs with denormals flushed;
  // the host gets its own control word back on every return.
  const ScopedFlushDenormals flushDenormals;
  applyPendingWork();
  applyParameterChanges(data.inputParameterChanges);
  if (data.numInputs == 0 || data.numOutputs == 0) {
    // A parameter-only call, as hosts make while the transport stands still.
    resetEngines();
    return kResultOk;
  }
  if (data.numInputs != data.numOutputs) return kResultFalse;
  return processAudio(data);
}

tresult VST_PlugInProcessor::processAudio(ProcessData& data) {
  if (data.inputs == nullptr || data.outputs == nullptr || data.numSamples < 0)
    return kInvalidArgument;
  if (data.symbolicSampleSize != kSample32) return kResultFalse;
  AudioBusBuffers& input = data.inputs[0];
  AudioBusBuffers& output = data.outputs[0];
  const int32 sampleCount = data.numSamples;
  if (!carriesChannels(output, kOutputChannels)) return kInvalidArgument;
  if (!carriesChannels(input, kInputChannels)) {
    writeSilence(output, sampleCount);
    return kInvalidArgument;
  }

  // Silence in gives silence out only once the engines have released all they hold;
  // until then silent input is processed like any other.
  const bool inputSilent = allChannelsSilent(input, kInputChannels);
  if (inputSilent && !silence_.holdsAudio()) {
    writeSilence(output, sampleCount);
    output.silenceFlags = channelMask(output.numChannels);
    return kResultOk;
  }
  output.silenceFlags = 0;
  runEngines(input, output, sampleCount);
  if (inputSilent) {
    silence_.heardSilence(sampleCount);
  } else if (sampleCount > 0) {
    silence_.heardSound();
  }
  return kResultOk;
}

void VST_PlugInProcessor::runEngines(AudioBusBuffers& input, AudioBusBuffers& output,
                                     int32 sampleCount) {
  // Pair p: omni on input channel p, figure-eight on channel p + kPairCount, result on output
  // channel p.
  for (int pair = 0; pair < kPairCount; ++pair) {
    const float* inputs[2] = {input.channelBuffers32[pair],
                              input.channelBuffers32[pair + kPairCount]};
    float* outputs[1] = {output.channelBuffers32[pair]};
    engines_[pair]->processBlock(inputs, 2, outputs, 1, sampleCount);
  }
  if constexpr (kPairCount == 1) {
    // One pair: its result on both outputs.
    if (output.channelBuffers32[1] != output.channelBuffers32[0])
      std::memcpy(output.channelBuffers32[1], output.channelBuffers32[0],
                  sizeof(float) * static_cast<size_t>(sampleCount));
  }
}

}  // namespace Steinberg::Vst
