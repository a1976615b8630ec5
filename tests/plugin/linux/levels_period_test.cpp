// Linux: the level messages' period, exact on the manual clock of the host's IRunLoop.

#include <string>

#include "pluginterfaces/vst/ivstmessage.h"
#include "tests/plugin/levels_recorder.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

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
