// Audio through the VST 2 entry is the audio of the VST 3 path, sample for sample,
// for the same input and parameters, on every channel.

#include "vst2_fixture.h"

namespace vst2_test {
namespace {

host::Vst2Channels renderVst3(const std::vector<float>& parameters, const host::Vst2Channels& input,
                              VstInt32 block) {
  auto vst3 = openVst3();
  if (!vst3) return {};
  EXPECT_TRUE(vst3->setupProcessing(kSampleRate, block).ok());
  EXPECT_TRUE(vst3->activate().ok());
  for (ParameterId id = 0; id < parameters.size(); ++id) vst3->setParameter(id, parameters[id]);
  auto out = vst3->render(input, block);
  EXPECT_TRUE(out.ok()) << out.error();
  return out.ok() ? *out : host::Vst2Channels{};
}

host::Vst2Channels renderVst2(const std::vector<float>& parameters, const host::Vst2Channels& input,
                              VstInt32 block) {
  auto plugin = openVst2();
  if (!plugin) return {};
  plugin->resume(kSampleRate, block);
  for (std::size_t index = 0; index < parameters.size(); ++index)
    plugin->setParameter(static_cast<int>(index), parameters[index]);
  return plugin->render(input, block);
}

double energy(const std::vector<float>& samples, std::size_t from) {
  double sum = 0.0;
  for (std::size_t i = from; i < samples.size(); ++i) sum += samples[i] * samples[i];
  return sum;
}

TEST(Vst2Audio, EqualsTheVst3PathSampleForSample) {
  const auto input = distinctSignals(kInputChannels, 4 * kLatency);
  for (const auto& parameters : {defaultParameters(), figureEightSetting()}) {
    const auto expected = renderVst3(parameters, input, kBlock);
    const auto actual = renderVst2(parameters, input, kBlock);
    ASSERT_EQ(actual.size(), 2u);
    ASSERT_EQ(expected.size(), 2u);
    for (std::size_t channel = 0; channel < 2; ++channel) {
      EXPECT_EQ(actual[channel], expected[channel]) << "output channel " << channel;
      EXPECT_GT(energy(actual[channel], kLatency), 1.0) << "output channel " << channel;
    }
  }
}

TEST(Vst2Audio, TheFigureEightChannelsArriveOnTheirOwn) {
  // A figure-eight curve with the omni channels silent: what comes out is the
  // figure-eight channels alone, and each pair's result is its own.
  auto input = distinctSignals(kInputChannels, 3 * kLatency);
  for (int pair = 0; pair < kPairCount; ++pair)
    std::fill(input[pair].begin(), input[pair].end(), 0.0f);
  const auto out = renderVst2(figureEightSetting(), input, kBlock);
  ASSERT_EQ(out.size(), 2u);
  for (int pair = 0; pair < kPairCount; ++pair) EXPECT_GT(energy(out[pair], kLatency), 1.0) << pair;
  if (kPairCount == 2) {
    EXPECT_NE(out[0], out[1]);
  } else {
    EXPECT_EQ(out[0], out[1]);
  }
  EXPECT_EQ(out, renderVst3(figureEightSetting(), input, kBlock));
}

TEST(Vst2Audio, BlocksLongerThanAnnouncedAreProcessedInPieces) {
  const auto input = distinctSignals(kInputChannels, 3 * kLatency);
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  // The host announced 512 samples and sends 2048 at once.
  const auto actual = plugin->render(input, 4 * kBlock);
  EXPECT_EQ(actual, renderVst3(defaultParameters(), input, kBlock));
}

TEST(Vst2Audio, AutomationReachesTheNextBlock) {
  const auto input = distinctSignals(kInputChannels, 3 * kLatency);
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  const auto before = plugin->render(input, kBlock);
  plugin->setParameter(kLowType, 0.0f);
  plugin->setParameter(kMidType, 0.0f);
  plugin->setParameter(kHighType, 0.0f);
  const auto after = plugin->render(input, kBlock);
  EXPECT_NE(before[0], after[0]);
  // A value that is not a number is not taken.
  plugin->setParameter(kMidType, std::nanf(""));
  EXPECT_EQ(plugin->getParameter(kMidType), 0.0f);
  plugin->setParameter(kMidType, 7.0f);
  EXPECT_EQ(plugin->getParameter(kMidType), 1.0f);
}

TEST(Vst2Audio, TheAccumulatingEntryAddsToTheOutput) {
  const auto input = distinctSignals(kInputChannels, 3 * kLatency);
  const auto replacing = renderVst3(defaultParameters(), input, kBlock);
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  host::Vst2Channels in = input;
  host::Vst2Channels out(2, std::vector<float>(input[0].size(), 0.25f));
  std::vector<float*> inPointers(in.size()), outPointers(2);
  for (std::size_t start = 0; start < input[0].size(); start += kBlock) {
    for (std::size_t c = 0; c < in.size(); ++c) inPointers[c] = in[c].data() + start;
    for (std::size_t c = 0; c < 2; ++c) outPointers[c] = out[c].data() + start;
    plugin->effect()->process(plugin->effect(), inPointers.data(), outPointers.data(), kBlock);
  }
  for (std::size_t c = 0; c < 2; ++c) {
    for (std::size_t i = 0; i < out[c].size(); i += 97)
      ASSERT_FLOAT_EQ(out[c][i], 0.25f + replacing[c][i]);
  }
}

}  // namespace
}  // namespace vst2_test
