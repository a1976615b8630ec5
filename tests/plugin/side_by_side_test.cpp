// Instances that share a process: two of this build, and this build beside the other.

#include "tests/engine/engine_test_support.h"
#include "tests/plugin/levels_recorder.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

host::Channels constantInputs(int channels, std::size_t length, float value) {
  return host::Channels(static_cast<std::size_t>(channels), std::vector<float>(length, value));
}

}  // namespace

TEST_F(PluginTest, TwoInstancesKeepTheirOwnSettingsAudioAndLevels) {
  auto second = createInstance();
  ASSERT_TRUE(second);
  startProcessing(*plugin);
  startProcessing(*second);
  LevelsRecorder firstLevels(*plugin);
  LevelsRecorder secondLevels(*second);
  second->setParameter(kMicLOmniGain, 1.0);

  host::Channels inputs;
  for (int channel = 0; channel < kInputChannels; ++channel)
    inputs.push_back(noise(2 * kLatency, 40u + channel));
  const host::Channels first = render(*plugin, inputs);
  const host::Channels louder = render(*second, inputs);

  for (const auto& [output, setting] :
       {std::pair{&first, Sent{}}, std::pair{&louder, Sent{{kMicLOmniGain, 1.0f}}}}) {
    PlugIn_DirectivityEngine engine(kSampleRate);
    applyToEngine(engine, 0, setting);
    EXPECT_EQ((*output)[0], runEngine(engine, inputs[0], inputs[kPairCount], kBlock));
  }

  ASSERT_TRUE(
      elapseUntil([&] { return !firstLevels.messages.empty() && !secondLevels.messages.empty(); }));
  EXPECT_GT(secondLevels.messages[0].levels[0], 1.9f * firstLevels.messages[0].levels[0]);
}

TEST_F(PluginTest, LoadsBesideTheOtherBuild) {
  auto otherModule = loadBundle(LOBESHIFT_OTHER_BUNDLE);
  ASSERT_TRUE(otherModule);
  auto other = host::PluginInstance::create(otherModule, context);
  ASSERT_TRUE(other.ok()) << other.error();
  EXPECT_NE(otherModule->classes()[0].classId, module->classes()[0].classId);
  EXPECT_NE(otherModule->classes()[0].name, module->classes()[0].name);

  startProcessing(*plugin);
  startProcessing(**other);
  LevelsRecorder ownLevels(*plugin);
  LevelsRecorder otherLevels(**other);
  const int otherChannels = 2 * (3 - kPairCount);  // the other build's input channels
  const host::Channels own = render(*plugin, constantInputs(kInputChannels, 2 * kLatency, 0.5f));
  const host::Channels theirs = render(**other, constantInputs(otherChannels, 2 * kLatency, 0.5f));
  ASSERT_EQ(own.size(), 2u);
  ASSERT_EQ(theirs.size(), 2u);
  // A constant with the default curve comes out as itself, 8192 samples late.
  for (const host::Channels* outputs : {&own, &theirs}) {
    EXPECT_EQ((*outputs)[0][kLatency - 1], 0.0f);
    EXPECT_NEAR((*outputs)[1][2 * kLatency - 1], 0.5f, 1e-3f);
  }

  ASSERT_TRUE(
      elapseUntil([&] { return !ownLevels.messages.empty() && !otherLevels.messages.empty(); }));
  EXPECT_EQ(ownLevels.messages[0].size, 4u * 2 * kPairCount);
  EXPECT_EQ(otherLevels.messages[0].size, 4u * 2 * (3 - kPairCount));
}
