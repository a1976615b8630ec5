// Linux: the test gain bundle's level timer on the host's IRunLoop, whose manual clock
// makes every tick exact, and whose timers the instances give back when they go.

#include <gtest/gtest.h>

#include "tests/host/plugin_instance_fixture.h"

using namespace Steinberg;
using namespace std::chrono_literals;
using namespace gain_plugin;
using host_test::PluginInstanceTest;

TEST_F(PluginInstanceTest, LevelMessagesTravelFromProcessorToControllerOnTheRunLoop) {
  startProcessing(*plugin);
  processConstant(*plugin, 0.5f);
  EXPECT_EQ(plugin->runLoop().timerCount(), 1u);
  time.advance(std::chrono::milliseconds(kLevelInterval - 1));
  plugin->runLoop().pump();
  EXPECT_EQ(plugin->controller()->getParamNormalized(kLevel), 0.0);
  time.advance(1ms);
  EXPECT_EQ(plugin->runLoop().pump(), 1);
  EXPECT_EQ(plugin->controller()->getParamNormalized(kLevel), 0.5);
  // The peak was taken: the next tick without audio reports silence.
  time.advance(std::chrono::milliseconds(kLevelInterval));
  plugin->runLoop().pump();
  EXPECT_EQ(plugin->controller()->getParamNormalized(kLevel), 0.0);
}

TEST_F(PluginInstanceTest, TheRunLoopServesItsTimersUntilTheLastInstanceGoes) {
  auto second = createInstance();
  ASSERT_TRUE(second);
  EXPECT_EQ(context->runLoop().timerCount(), 2u);
  plugin.reset();
  EXPECT_EQ(context->runLoop().timerCount(), 1u);
  second.reset();
  EXPECT_EQ(context->runLoop().timerCount(), 0u);
}
