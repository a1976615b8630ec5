#pragma once
// Audio buffers and the ProcessData of one plug-in instance: 32-bit float channels for
// every input and output bus (sized from the bus arrangements), their silence flags,
// and a ProcessContext whose transport moves on by each processed block.

#include <vector>

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

namespace host {

class ProcessBuffers {
 public:
  ProcessBuffers() = default;
  ProcessBuffers(const ProcessBuffers&) = delete;
  ProcessBuffers& operator=(const ProcessBuffers&) = delete;

  // Allocates zeroed channels for each bus; the transport starts at sample 0.
  void configure(const std::vector<Steinberg::Vst::SpeakerArrangement>& inputs,
                 const std::vector<Steinberg::Vst::SpeakerArrangement>& outputs,
                 Steinberg::int32 maxBlockSize, double sampleRate, Steinberg::int32 processMode);

  Steinberg::int32 maxBlockSize() const { return maxBlockSize_; }
  Steinberg::int32 inputBusCount() const {
    return static_cast<Steinberg::int32>(inputBuses_.size());
  }
  Steinberg::int32 outputBusCount() const {
    return static_cast<Steinberg::int32>(outputBuses_.size());
  }
  Steinberg::int32 inputChannelCount(Steinberg::int32 bus) const;
  Steinberg::int32 outputChannelCount(Steinberg::int32 bus) const;

  // Null for a bus or channel that does not exist.
  float* inputChannel(Steinberg::int32 bus, Steinberg::int32 channel);
  float* outputChannel(Steinberg::int32 bus, Steinberg::int32 channel);

  // The silence flags the next block's input bus carries (bit n: channel n is silent).
  void setInputSilenceFlags(Steinberg::int32 bus, Steinberg::uint64 flags);
  Steinberg::uint64 outputSilenceFlags(Steinberg::int32 bus) const;

  // ProcessData for a block of `numSamples` (at most maxBlockSize) with the given changes.
  // Without buses (`withAudio` false) it is a parameter-only call: no buses, no samples.
  Steinberg::Vst::ProcessData& prepare(Steinberg::int32 numSamples,
                                       Steinberg::Vst::IParameterChanges* inputChanges,
                                       Steinberg::Vst::IParameterChanges* outputChanges,
                                       bool withAudio = true);
  // Moves the transport on by the block just processed.
  void advance(Steinberg::int32 numSamples);

  Steinberg::Vst::ProcessContext& context() { return context_; }

 private:
  struct Bus {
    std::vector<std::vector<float>> channels;
    std::vector<float*> pointers;
  };
  static void build(std::vector<Bus>& buses, std::vector<Steinberg::Vst::AudioBusBuffers>& buffers,
                    const std::vector<Steinberg::Vst::SpeakerArrangement>& arrangements,
                    Steinberg::int32 maxBlockSize);
  static float* channelOf(std::vector<Bus>& buses, Steinberg::int32 bus, Steinberg::int32 channel);

  Steinberg::int32 maxBlockSize_ = 0;
  std::vector<Bus> inputBuses_;
  std::vector<Bus> outputBuses_;
  std::vector<Steinberg::Vst::AudioBusBuffers> inputBuffers_;
  std::vector<Steinberg::Vst::AudioBusBuffers> outputBuffers_;
  Steinberg::Vst::ProcessContext context_{};
  Steinberg::Vst::ProcessData data_{};
};

}  // namespace host
