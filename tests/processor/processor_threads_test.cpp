// A project load while the audio runs: this thread calls setState and getState as a
// host's main thread does, another thread processes blocks with parameter changes.
// Run under ThreadSanitizer (label "tsan") it shows that the two never race; in any
// build it shows that getState always tells what setState was last given.

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "host/memory_streams.h"
#include "host/parameter_changes.h"
#include "processor/vst_plugin_processor.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr int32 kBlock = 256;

// A setting whose every value the engines read back exactly; k picks one of eight.
std::vector<float> setting(int k) {
  const float eighth = static_cast<float>(k % 8) / 8.0f;
  std::vector<float> values(kParameterCount, 0.5f);
  for (ParameterId id :
       {kLowType, kLowFrequency, kMidType, kMidFrequency, kHighType, kHighFrequency})
    values[id] = eighth;
  values[kMicOmniType] = static_cast<float>(k % 3) / 2.0f;
  values[kMicEightType] = static_cast<float>((k + 1) % 3) / 2.0f;
  values[kSoloState] = 0.0f;
  values[kProximityCompensation] = static_cast<float>(k % 2);
  return values;
}

host::StateBytes bytesOf(const std::vector<float>& values) {
  host::StateBytes bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.data(), bytes.size());
  return bytes;
}

class AudioThread {
 public:
  explicit AudioThread(IAudioProcessor& processor) : processor_(processor) {
    for (auto& channel : inputs_) channel.assign(kBlock, 0.25f);
    for (auto& channel : outputs_) channel.assign(kBlock, 0.0f);
    for (int c = 0; c < VST_PlugInProcessor::kInputChannels; ++c)
      inputPointers_[c] = inputs_[c].data();
    for (int c = 0; c < 2; ++c) outputPointers_[c] = outputs_[c].data();
    input_.numChannels = VST_PlugInProcessor::kInputChannels;
    input_.channelBuffers32 = inputPointers_;
    output_.numChannels = 2;
    output_.channelBuffers32 = outputPointers_;
    thread_ = std::thread([this] { run(); });
  }
  ~AudioThread() {
    running_ = false;
    thread_.join();
  }
  int blocks() const { return blocks_.load(); }

 private:
  void run() {
    ProcessData data;
    data.processMode = kRealtime;
    data.symbolicSampleSize = kSample32;
    data.numSamples = kBlock;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &input_;
    data.outputs = &output_;
    data.inputParameterChanges = &changes_;
    while (running_) {
      // Automation of one gain only: every other parameter stays as setState left it.
      changes_.clear();
      changes_.addChange(kMicLOmniGain, (blocks_ % 5) / 4.0);
      if (processor_.process(data) != kResultOk) ADD_FAILURE() << "process failed";
      ++blocks_;
    }
  }

  IAudioProcessor& processor_;
  std::vector<float> inputs_[VST_PlugInProcessor::kInputChannels];
  std::vector<float> outputs_[2];
  float* inputPointers_[VST_PlugInProcessor::kInputChannels];
  float* outputPointers_[2];
  AudioBusBuffers input_;
  AudioBusBuffers output_;
  host::ParameterChanges changes_;
  std::atomic<bool> running_{true};
  std::atomic<int> blocks_{0};
  std::thread thread_;
};

}  // namespace

TEST(ProcessorThreads, StateCallsOnTheMainThreadDoNotRaceTheAudioThread) {
  IPtr<FUnknown> object = owned(VST_PlugInProcessor::createInstance(nullptr));
  FUnknownPtr<IComponent> component(object);
  FUnknownPtr<IAudioProcessor> processor(object);
  ASSERT_TRUE(component && processor);
  ASSERT_EQ(component->initialize(nullptr), kResultOk);
  ProcessSetup setup{kRealtime, kSample32, kBlock, 48000.0};
  ASSERT_EQ(processor->setupProcessing(setup), kResultOk);
  ASSERT_EQ(component->setActive(true), kResultOk);

  std::vector<float> last;
  {
    AudioThread audio(*processor);
    for (int k = 0; k < 200 || audio.blocks() < 200; ++k) {
      last = setting(k);
      ASSERT_EQ(component->setState(host::streamOf(bytesOf(last))), kResultOk);
      auto saved = owned(new MemoryStream());
      ASSERT_EQ(component->getState(saved), kResultOk);
      const auto* stored = reinterpret_cast<const float*>(saved->getData());
      for (ParameterId id = 0; id < kParameterCount; ++id) {
        if (id == kMicLOmniGain) continue;
        ASSERT_EQ(stored[id], last[id]) << "parameter " << id << " at load " << k;
      }
    }
  }

  ASSERT_EQ(component->setActive(false), kResultOk);
  EXPECT_EQ(component->terminate(), kResultOk);
}
