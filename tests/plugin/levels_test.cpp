// The level messages: every 50 ms of the host's main loop the processor sends its
// peaks as "gainData" with the binary attribute "vuValue". (The exact period on the
// manual clock of Linux's run loop: linux/levels_period_test.cpp.)

#include <string>

#include "pluginterfaces/vst/ivstmessage.h"
#include "tests/plugin/levels_recorder.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

TEST_F(PluginTest, PeaksReachThePeerInPairOrderAndStartAgainFromZero) {
  startProcessing(*plugin);
  LevelsRecorder recorder(*plugin);
  feedConstants(*plugin, {0.1f, -0.2f, 0.3f, -0.4f});

  ASSERT_TRUE(elapseUntil([&] { return !recorder.messages.empty(); }));
  EXPECT_EQ(recorder.messages[0].id, "gainData");
  EXPECT_EQ(recorder.messages[0].size, sizeof(float) * 2 * kPairCount);
#if LOBESHIFT_STEREO
  // MicL omni, MicL figure-eight, MicR omni, MicR figure-eight.
  EXPECT_EQ(recorder.messages[0].levels, (std::vector<float>{0.1f, 0.3f, 0.2f, 0.4f}));
#else
  EXPECT_EQ(recorder.messages[0].levels, (std::vector<float>{0.1f, 0.2f}));
#endif

  // The peaks start again from zero after each message.
  ASSERT_TRUE(elapseUntil([&] { return recorder.messages.size() >= 2; }));
  EXPECT_EQ(recorder.messages[1].levels, std::vector<float>(2 * kPairCount, 0.0f));
}

TEST_F(PluginTest, GainsAreInTheLevels) {
  startProcessing(*plugin);
  LevelsRecorder recorder(*plugin);
  plugin->setParameter(kMicLOmniGain, 1.0);   // +6 dB
  plugin->setParameter(kMicLEightGain, 0.0);  // -6 dB
  feedConstants(*plugin, {0.25f, 0.25f, 0.25f, 0.25f});
  ASSERT_TRUE(elapseUntil([&] { return !recorder.messages.empty(); }));
  EXPECT_NEAR(recorder.messages[0].levels[0], 0.25f * 1.9952623f, 1e-6f);
  EXPECT_NEAR(recorder.messages[0].levels[1], 0.25f * 0.5011872f, 1e-6f);
}
