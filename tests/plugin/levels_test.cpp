// The level messages: every 50 ms of the host's run loop the processor sends its
// peaks as "gainData" with the binary attribute "vuValue".

#include <string>

#include "pluginterfaces/vst/ivstmessage.h"
#include "tests/plugin/levels_recorder.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

// A constant of its own on every input channel, some negative.
void feedConstants(host::PluginInstance& instance, const float (&values)[4]) {
  for (int channel = 0; channel < kInputChannels; ++channel)
    std::fill_n(instance.buffers().inputChannel(0, channel), kBlock, values[channel]);
  ASSERT_EQ(instance.process(kBlock), kResultOk);
}

}  // namespace

TEST_F(PluginTest, PeaksReachThePeerEvery50MillisecondsInPairOrder) {
  startProcessing(*plugin);
  LevelsRecorder recorder(*plugin);
  feedConstants(*plugin, {0.1f, -0.2f, 0.3f, -0.4f});

  elapse(49);
  EXPECT_TRUE(recorder.messages.empty());
  elapse(1);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].id, "gainData");
  EXPECT_EQ(recorder.messages[0].size, sizeof(float) * 2 * kPairCount);
#if LOBESHIFT_STEREO
  // MicL omni, MicL figure-eight, MicR omni, MicR figure-eight.
  EXPECT_EQ(recorder.messages[0].levels, (std::vector<float>{0.1f, 0.3f, 0.2f, 0.4f}));
#else
  EXPECT_EQ(recorder.messages[0].levels, (std::vector<float>{0.1f, 0.2f}));
#endif

  // The peaks start again from zero after each message.
  elapse(50);
  ASSERT_EQ(recorder.messages.size(), 2u);
  EXPECT_EQ(recorder.messages[1].levels, std::vector<float>(2 * kPairCount, 0.0f));
}

TEST_F(PluginTest, GainsAreInTheLevels) {
  startProcessing(*plugin);
  LevelsRecorder recorder(*plugin);
  plugin->setParameter(kMicLOmniGain, 1.0);   // +6 dB
  plugin->setParameter(kMicLEightGain, 0.0);  // -6 dB
  feedConstants(*plugin, {0.25f, 0.25f, 0.25f, 0.25f});
  elapse(50);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_NEAR(recorder.messages[0].levels[0], 0.25f * 1.9952623f, 1e-6f);
  EXPECT_NEAR(recorder.messages[0].levels[1], 0.25f * 0.5011872f, 1e-6f);
}
