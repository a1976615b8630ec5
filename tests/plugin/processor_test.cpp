// The audio processor of the real bundle: buses, latency, parameter changes, audio and
// silence, checked against a directivity engine of this process fed the same input.

#include <algorithm>
#include <cmath>
#include <limits>

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "tests/engine/engine_test_support.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

constexpr Vst::SpeakerArrangement kInputArrangement = LOBESHIFT_STEREO ? 0x33 : 0x3;
constexpr Vst::SpeakerArrangement kOutputArrangement = 0x3;

// What each output channel must carry: the pair's engine of this process, set to the
// same normalized values, fed the pair's omni (channel p) and figure-eight (p + pairs).
host::Channels expectedOutputs(const host::Channels& inputs, const Sent& sent) {
  host::Channels outputs;
  for (int pair = 0; pair < kPairCount; ++pair) {
    PlugIn_DirectivityEngine engine(kSampleRate);
    applyToEngine(engine, pair, sent);
    outputs.push_back(runEngine(engine, inputs[pair], inputs[pair + kPairCount], kBlock));
  }
  if (kPairCount == 1) outputs.push_back(outputs[0]);
  return outputs;
}

class ProcessorTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    ASSERT_TRUE(plugin);
    startProcessing(*plugin);
  }

  // One block of `value` on every input channel with the given input silence flags.
  void processConstant(float value, uint64 silenceFlags, int32 samples = kBlock) {
    for (int channel = 0; channel < kInputChannels; ++channel)
      std::fill_n(plugin->buffers().inputChannel(0, channel), samples, value);
    plugin->buffers().setInputSilenceFlags(0, silenceFlags);
    ASSERT_EQ(plugin->process(samples), kResultOk);
  }

  bool outputIsZero(int32 samples = kBlock) {
    for (int channel = 0; channel < 2; ++channel) {
      const float* out = plugin->buffers().outputChannel(0, channel);
      if (!std::all_of(out, out + samples, [](float s) { return s == 0.0f; })) return false;
    }
    return true;
  }

  Vst::IAudioProcessor& processor() { return *plugin->processor(); }
};

}  // namespace

TEST_F(ProcessorTest, DescribesItsBusesLatencyAndSampleSize) {
  Vst::IComponent& component = *plugin->component();
  ASSERT_EQ(component.getBusCount(Vst::kAudio, Vst::kInput), 1);
  ASSERT_EQ(component.getBusCount(Vst::kAudio, Vst::kOutput), 1);
  EXPECT_EQ(component.getBusCount(Vst::kEvent, Vst::kInput), 0);
  Vst::BusInfo input;
  Vst::BusInfo output;
  ASSERT_EQ(component.getBusInfo(Vst::kAudio, Vst::kInput, 0, input), kResultOk);
  ASSERT_EQ(component.getBusInfo(Vst::kAudio, Vst::kOutput, 0, output), kResultOk);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(input.name)), u"AudioInput");
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(output.name)), u"AudioOutput");
  EXPECT_EQ(input.channelCount, kInputChannels);
  EXPECT_EQ(output.channelCount, 2);
  EXPECT_EQ(input.busType, Vst::kMain);
  EXPECT_EQ(input.flags & Vst::BusInfo::kDefaultActive, Vst::BusInfo::kDefaultActive);

  EXPECT_EQ(processor().getLatencySamples(), 8192u);
  EXPECT_EQ(processor().getTailSamples(), 0u);
  EXPECT_EQ(processor().canProcessSampleSize(Vst::kSample32), kResultTrue);
  EXPECT_EQ(processor().canProcessSampleSize(Vst::kSample64), kResultFalse);
}

TEST_F(ProcessorTest, TakesOnlyItsOwnBusArrangements) {
  ASSERT_TRUE(plugin->deactivate().ok());
  EXPECT_EQ(plugin->setBusArrangements({kInputArrangement}, {kOutputArrangement}), kResultTrue);
  const Vst::SpeakerArrangement wrongInput =
      LOBESHIFT_STEREO ? Vst::SpeakerArr::kStereo : Vst::SpeakerArr::kMono;
  EXPECT_EQ(plugin->setBusArrangements({wrongInput}, {kOutputArrangement}), kResultFalse);
  EXPECT_EQ(plugin->setBusArrangements({kInputArrangement}, {Vst::SpeakerArr::kMono}),
            kResultFalse);
  EXPECT_EQ(
      plugin->setBusArrangements({kInputArrangement, kInputArrangement}, {kOutputArrangement}),
      kResultFalse);
  EXPECT_EQ(plugin->setBusArrangements({}, {}), kResultFalse);

  Vst::SpeakerArrangement arrangement = 0;
  ASSERT_EQ(processor().getBusArrangement(Vst::kInput, 0, arrangement), kResultTrue);
  EXPECT_EQ(arrangement, kInputArrangement);
  ASSERT_EQ(processor().getBusArrangement(Vst::kOutput, 0, arrangement), kResultTrue);
  EXPECT_EQ(arrangement, kOutputArrangement);
}

TEST_F(ProcessorTest, EachPairGoesThroughItsOwnEngineWithItsOwnGains) {
  // Every parameter away from its default, the gains of each pair different.
  std::vector<float> normalized = {0.9f, 0.2f, 0.3f, 0.6f, 0.1f, 0.7f,
                                   0.5f, 0.5f, 0.0f, 1.0f, 0.2f, 0.8f};
  if (LOBESHIFT_STEREO) normalized.insert(normalized.end(), {0.6f, 0.35f});
  for (ParameterId id = 0; id < kParameterCount; ++id) plugin->setParameter(id, normalized[id]);

  const host::Channels inputs = noiseInputs(3 * kLatency);
  const host::Channels output = render(*plugin, inputs);
  const host::Channels expected = expectedOutputs(inputs, sentAll(normalized));
  ASSERT_EQ(output.size(), 2u);
  EXPECT_EQ(output[0], expected[0]);
  EXPECT_EQ(output[1], expected[1]);
  // Nothing comes out before the first frame completes, a hop into the input (the
  // engines start as if after a hop of silence, so the input is not faded in).
  EXPECT_TRUE(std::all_of(output[0].begin(), output[0].begin() + kLatency / 2,
                          [](float s) { return s == 0.0f; }));
  EXPECT_NE(output[0][2 * kLatency], 0.0f);
}

TEST_F(ProcessorTest, OnlyTheLastPointOfAQueueIsApplied) {
  auto& changes = plugin->nextInputChanges();
  changes.addChange(kMicLOmniGain, 1.0, 0);
  changes.addChange(kMicLOmniGain, 0.0, 100);
  changes.addChange(kMicLOmniGain, 0.25, 300);
  processConstant(0.0f, 0);

  const auto stored = valuesOf(*plugin->getState());
  EXPECT_NEAR(stored[kMicLOmniGain], 0.25f, 1e-6f);
}

TEST_F(ProcessorTest, ABlockWithoutBusesAppliesItsChangesAndRestartsTheLatency) {
  const host::Channels inputs = noiseInputs(2 * kLatency);
  render(*plugin, inputs);

  plugin->setParameter(kMidType, 1.0);
  ASSERT_EQ(plugin->processParametersOnly(), kResultOk);
  EXPECT_EQ(valuesOf(*plugin->getState())[kMidType], 1.0f);

  // The engines start afresh: the output is that of a new engine.
  EXPECT_EQ(render(*plugin, inputs), expectedOutputs(inputs, {{kMidType, 1.0f}}));
}

TEST_F(ProcessorTest, UntrustedParameterValuesAreClampedAndNaNMeansTheDefault) {
  plugin->setParameter(kLowType, std::numeric_limits<double>::quiet_NaN());
  plugin->setParameter(kMidType, 7.5);
  plugin->setParameter(kHighType, -2.0);
  plugin->setParameter(kMicLEightGain, std::numeric_limits<double>::infinity());
  processConstant(0.1f, 0);
  const auto stored = valuesOf(*plugin->getState());
  EXPECT_EQ(stored[kLowType], 0.5f);
  EXPECT_EQ(stored[kMidType], 1.0f);
  EXPECT_EQ(stored[kHighType], 0.0f);
  EXPECT_NEAR(stored[kMicLEightGain], 1.0f, 1e-6f);
  EXPECT_TRUE(std::isfinite(plugin->buffers().outputChannel(0, 0)[kBlock - 1]));
}

TEST_F(ProcessorTest, SilentInputIsShortCutOnlyOnceTheEnginesHoldNothing) {
  const uint64 allSilent = (uint64{1} << kInputChannels) - 1;
  // Fresh engines hold nothing: silence in, zeros and true silence flags out.
  processConstant(0.0f, allSilent);
  EXPECT_TRUE(outputIsZero());
  EXPECT_EQ(plugin->buffers().outputSilenceFlags(0), 0x3u);

  // Sound, then silence: what the engines hold still comes out, for 16383 samples
  // after the last sound, and only then does the shortcut start.
  for (int block = 0; block < 4; ++block) processConstant(0.5f, 0);
  int32 released = 0;
  bool heardRelease = false;
  while (released < 16383) {
    processConstant(0.0f, allSilent, 1);
    EXPECT_EQ(plugin->buffers().outputSilenceFlags(0), 0u) << "after " << released;
    heardRelease = heardRelease || !outputIsZero(1);
    ++released;
  }
  EXPECT_TRUE(heardRelease);
  processConstant(0.0f, allSilent);
  EXPECT_TRUE(outputIsZero());
  EXPECT_EQ(plugin->buffers().outputSilenceFlags(0), 0x3u);
}

TEST_F(ProcessorTest, ASilentChannelBesideLiveOnesIsProcessedLikeAnyOther) {
  host::Channels inputs = noiseInputs(2 * kLatency + kBlock);
  std::fill(inputs[0].begin(), inputs[0].end(), 0.0f);
  const auto expected = expectedOutputs(inputs, {});
  for (std::size_t start = 0; start < inputs[0].size(); start += kBlock) {
    for (int channel = 0; channel < kInputChannels; ++channel)
      std::copy_n(inputs[channel].begin() + static_cast<std::ptrdiff_t>(start), kBlock,
                  plugin->buffers().inputChannel(0, channel));
    plugin->buffers().setInputSilenceFlags(0, 0x1);
    ASSERT_EQ(plugin->process(kBlock), kResultOk);
    EXPECT_EQ(plugin->buffers().outputSilenceFlags(0), 0u);
    for (int channel = 0; channel < 2; ++channel) {
      const float* out = plugin->buffers().outputChannel(0, channel);
      ASSERT_TRUE(std::equal(out, out + kBlock,
                             expected[channel].begin() + static_cast<std::ptrdiff_t>(start)))
          << "channel " << channel << " at " << start;
    }
  }
}

TEST_F(ProcessorTest, MalformedBlocksAreRefusedWithoutHarm) {
  Vst::ProcessData data{};
  Vst::AudioBusBuffers buses[2] = {};
  data.numInputs = 1;
  data.numOutputs = 2;
  data.inputs = buses;
  data.outputs = buses;
  EXPECT_EQ(processor().process(data), kResultFalse);

  // Too few channels: the outputs it has are silenced.
  float samples[4][16] = {};
  float* outputPointers[2] = {samples[0], samples[1]};
  float* inputPointers[1] = {samples[2]};
  std::fill_n(samples[0], 16, 1.0f);
  Vst::AudioBusBuffers input;
  input.numChannels = 1;
  input.channelBuffers32 = inputPointers;
  Vst::AudioBusBuffers output;
  output.numChannels = 2;
  output.channelBuffers32 = outputPointers;
  data = {};
  data.numSamples = 16;
  data.numInputs = data.numOutputs = 1;
  data.inputs = &input;
  data.outputs = &output;
  data.symbolicSampleSize = Vst::kSample32;
  EXPECT_EQ(processor().process(data), kInvalidArgument);
  EXPECT_EQ(samples[0][15], 0.0f);

  data.symbolicSampleSize = Vst::kSample64;
  EXPECT_EQ(processor().process(data), kResultFalse);
}
