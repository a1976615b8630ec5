#include "host/process_buffers.h"

#include <algorithm>

#include "pluginterfaces/vst/vstspeaker.h"

namespace host {

using namespace Steinberg;
using Vst::ProcessContext;

void ProcessBuffers::build(std::vector<Bus>& buses, std::vector<Vst::AudioBusBuffers>& buffers,
                           const std::vector<Vst::SpeakerArrangement>& arrangements,
                           int32 maxBlockSize) {
  buses.assign(arrangements.size(), Bus{});
  buffers.assign(arrangements.size(), Vst::AudioBusBuffers{});
  for (std::size_t b = 0; b < arrangements.size(); ++b) {
    const int32 channels = Vst::SpeakerArr::getChannelCount(arrangements[b]);
    Bus& bus = buses[b];
    bus.channels.assign(static_cast<std::size_t>(channels),
                        std::vector<float>(static_cast<std::size_t>(maxBlockSize)));
    for (auto& channel : bus.channels) bus.pointers.push_back(channel.data());
    buffers[b].numChannels = channels;
    buffers[b].silenceFlags = 0;
    buffers[b].channelBuffers32 = bus.pointers.empty() ? nullptr : bus.pointers.data();
  }
}

void ProcessBuffers::configure(const std::vector<Vst::SpeakerArrangement>& inputs,
                               const std::vector<Vst::SpeakerArrangement>& outputs,
                               int32 maxBlockSize, double sampleRate, int32 processMode) {
  maxBlockSize_ = std::max<int32>(maxBlockSize, 0);
  build(inputBuses_, inputBuffers_, inputs, maxBlockSize_);
  build(outputBuses_, outputBuffers_, outputs, maxBlockSize_);

  context_ = ProcessContext{};
  context_.state = ProcessContext::kPlaying | ProcessContext::kTempoValid |
                   ProcessContext::kTimeSigValid | ProcessContext::kContTimeValid |
                   ProcessContext::kProjectTimeMusicValid;
  context_.sampleRate = sampleRate;
  context_.tempo = 120.0;
  context_.timeSigNumerator = 4;
  context_.timeSigDenominator = 4;

  data_ = Vst::ProcessData{};
  data_.processMode = processMode;
  data_.symbolicSampleSize = Vst::kSample32;
  data_.processContext = &context_;
}

int32 ProcessBuffers::inputChannelCount(int32 bus) const {
  return bus >= 0 && bus < inputBusCount()
             ? inputBuffers_[static_cast<std::size_t>(bus)].numChannels
             : 0;
}

int32 ProcessBuffers::outputChannelCount(int32 bus) const {
  return bus >= 0 && bus < outputBusCount()
             ? outputBuffers_[static_cast<std::size_t>(bus)].numChannels
             : 0;
}

float* ProcessBuffers::channelOf(std::vector<Bus>& buses, int32 bus, int32 channel) {
  if (bus < 0 || bus >= static_cast<int32>(buses.size())) return nullptr;
  auto& channels = buses[static_cast<std::size_t>(bus)].channels;
  if (channel < 0 || channel >= static_cast<int32>(channels.size())) return nullptr;
  return channels[static_cast<std::size_t>(channel)].data();
}

float* ProcessBuffers::inputChannel(int32 bus, int32 channel) {
  return channelOf(inputBuses_, bus, channel);
}
float* ProcessBuffers::outputChannel(int32 bus, int32 channel) {
  return channelOf(outputBuses_, bus, channel);
}

void ProcessBuffers::setInputSilenceFlags(int32 bus, uint64 flags) {
  if (bus >= 0 && bus < inputBusCount())
    inputBuffers_[static_cast<std::size_t>(bus)].silenceFlags = flags;
}

uint64 ProcessBuffers::outputSilenceFlags(int32 bus) const {
  return bus >= 0 && bus < outputBusCount()
             ? outputBuffers_[static_cast<std::size_t>(bus)].silenceFlags
             : 0;
}

Vst::ProcessData& ProcessBuffers::prepare(int32 numSamples, Vst::IParameterChanges* inputChanges,
                                          Vst::IParameterChanges* outputChanges, bool withAudio) {
  data_.numSamples = withAudio ? std::clamp<int32>(numSamples, 0, maxBlockSize_) : 0;
  data_.numInputs = withAudio ? inputBusCount() : 0;
  data_.numOutputs = withAudio ? outputBusCount() : 0;
  data_.inputs = data_.numInputs > 0 ? inputBuffers_.data() : nullptr;
  data_.outputs = data_.numOutputs > 0 ? outputBuffers_.data() : nullptr;
  // A processor sets its output flags; start each block from "not silent".
  for (auto& output : outputBuffers_) output.silenceFlags = 0;
  data_.inputParameterChanges = inputChanges;
  data_.outputParameterChanges = outputChanges;
  data_.inputEvents = nullptr;
  data_.outputEvents = nullptr;
  return data_;
}

void ProcessBuffers::advance(int32 numSamples) {
  context_.projectTimeSamples += numSamples;
  context_.continousTimeSamples += numSamples;
  // Quarter notes at the context's tempo.
  if (context_.sampleRate > 0.0)
    context_.projectTimeMusic += numSamples / context_.sampleRate * context_.tempo / 60.0;
}

}  // namespace host
