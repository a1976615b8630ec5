// Processing: mains on and off, and the host's blocks handed to the processor with
// the parameter changes owed to it.

#include <cstring>

#include "sdk/vst2_wrapper.h"

namespace Steinberg::Vst {

void Vst2Wrapper::setMains(bool on) {
  if (on == active_ || !processor_) return;
  if (!on) {
    running_.store(false, std::memory_order_release);
    setProcessing(false);
    component_->setActive(false);
    active_ = false;
    return;
  }
  const bool offline = host_.call(audioMasterGetCurrentProcessLevel) == kVstProcessLevelOffline;
  ProcessSetup setup{offline ? kOffline : kRealtime, kSample32, blockSize_, sampleRate_};
  processor_->setupProcessing(setup);
  if (component_->setActive(true) != kResultOk) return;
  active_ = true;
  processData_.processMode = setup.processMode;
  runningBlockSize_ = blockSize_;
  accumulation_.assign(static_cast<size_t>(blockSize_) * accumulationChannels_.size(), 0.0f);
  for (size_t channel = 0; channel < accumulationChannels_.size(); ++channel)
    accumulationChannels_[channel] =
        accumulation_.data() + channel * static_cast<size_t>(blockSize_);
  effect_->initialDelay = static_cast<VstInt32>(processor_->getLatencySamples());
  setProcessing(true);
  running_.store(true, std::memory_order_release);
}

void Vst2Wrapper::setProcessing(bool on) {
  if (on == processing_ || !active_) return;
  processor_->setProcessing(on);
  processing_ = on;
}

void Vst2Wrapper::processReplacingEntry(AEffect* effect, float** inputs, float** outputs,
                                        int frames) {
  if (Vst2Wrapper* wrapper = of(effect)) wrapper->processReplacing(inputs, outputs, frames);
}

void Vst2Wrapper::processAccumulatingEntry(AEffect* effect, float** inputs, float** outputs,
                                           int frames) {
  if (Vst2Wrapper* wrapper = of(effect)) wrapper->processAccumulating(inputs, outputs, frames);
}

void Vst2Wrapper::clearOutputs(float** outputs, int32 channels, int32 frames) {
  if (outputs == nullptr || frames <= 0) return;
  for (int32 channel = 0; channel < channels; ++channel) {
    if (outputs[channel] != nullptr)
      std::memset(outputs[channel], 0, sizeof(float) * static_cast<size_t>(frames));
  }
}

namespace {
bool allChannels(float** channels, int32 count) {
  if (count > 0 && channels == nullptr) return false;
  for (int32 channel = 0; channel < count; ++channel) {
    if (channels[channel] == nullptr) return false;
  }
  return true;
}
}  // namespace

void Vst2Wrapper::processReplacing(float** inputs, float** outputs, int32 frames) {
  if (frames <= 0) return;
  if (!running_.load(std::memory_order_acquire) || !allChannels(inputs, effect_->numInputs) ||
      !allChannels(outputs, effect_->numOutputs)) {
    clearOutputs(outputs, effect_->numOutputs, frames);
    return;
  }
  // A host that sends more than it announced gets its block in announced pieces.
  for (int32 offset = 0; offset < frames; offset += runningBlockSize_) {
    const int32 length = std::min(runningBlockSize_, frames - offset);
    if (!processBlock(inputs, offset, outputs, offset, length)) {
      for (int32 channel = 0; channel < effect_->numOutputs; ++channel)
        std::memset(outputs[channel] + offset, 0, sizeof(float) * static_cast<size_t>(length));
    }
  }
}

void Vst2Wrapper::processAccumulating(float** inputs, float** outputs, int32 frames) {
  if (frames <= 0 || !running_.load(std::memory_order_acquire) ||
      !allChannels(inputs, effect_->numInputs) || !allChannels(outputs, effect_->numOutputs))
    return;
  for (int32 offset = 0; offset < frames; offset += runningBlockSize_) {
    const int32 length = std::min(runningBlockSize_, frames - offset);
    if (!processBlock(inputs, offset, accumulationChannels_.data(), 0, length)) continue;
    for (int32 channel = 0; channel < effect_->numOutputs; ++channel) {
      float* out = outputs[channel] + offset;
      const float* result = accumulationChannels_[static_cast<size_t>(channel)];
      for (int32 i = 0; i < length; ++i) out[i] += result[i];
    }
  }
}

bool Vst2Wrapper::processBlock(float** inputs, int32 inputOffset, float** outputs,
                               int32 outputOffset, int32 frames) {
  blockChanges_.clear();
  slots_.takeForProcessor([this](int32 index, ParamValue value) {
    blockChanges_.add(parameterIds_[static_cast<size_t>(index)], value);
  });
  const auto inputCount = static_cast<size_t>(effect_->numInputs);
  for (size_t channel = 0; channel < inputCount; ++channel)
    channelPointers_[channel] = inputs[channel] + inputOffset;
  for (size_t channel = 0; channel < static_cast<size_t>(effect_->numOutputs); ++channel)
    channelPointers_[inputCount + channel] = outputs[channel] + outputOffset;
  for (AudioBusBuffers& bus : inputBuses_) bus.silenceFlags = 0;
  processData_.numSamples = frames;
  return processor_->process(processData_) == kResultOk;
}

}  // namespace Steinberg::Vst
