// Linux: the level messages' period, exact on the manual clock of the host's IRunLoop.

#include <string>

#include "pluginterfaces/vst/ivstmessage.h"
#include "tests/plugin/levels_recorder.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

TEST_F(PluginTest, PeaksReachThePeerEvery50Milliseconds) {
  startProcessing(*plugin);
  LevelsRecorder recorder(*plugin);
  feedConstants(*plugin, {0.1f, -0.2f, 0.3f, -0.4f});

  elapse(49);
  EXPECT_TRUE(recorder.messages.empty());
  elapse(1);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].levels[0], 0.1f);
  elapse(49);
  EXPECT_EQ(recorder.messages.size(), 1u);
  elapse(1);
  EXPECT_EQ(recorder.messages.size(), 2u);
}
