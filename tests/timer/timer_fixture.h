#pragma once
// A host run loop on a manual clock, offered to the timer service for the length of a
// test; every test must leave no timer armed behind.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "host/manual_clock.h"
#include "host/run_loop.h"
#include "platform/timer_service.h"
#include "processor/plugin_timer.h"

class CountingDelegate final : public PlugIn_TimerDelegate {
 public:
  void onTimer() override {
    ++ticks;
    if (action) action();
  }
  int ticks = 0;
  std::function<void()> action;
};

class RunLoopTimerTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::setRunLoop(loop.get()); }
  void TearDown() override {
    platform::releaseRunLoop(loop.get());
    EXPECT_EQ(platform::activeRunLoop(), nullptr);
    EXPECT_EQ(platform::armedTimerCount(), 0u);
  }

  // Moves the clock on and lets the loop run what is due.
  void elapse(int milliseconds) {
    time.advance(std::chrono::milliseconds(milliseconds));
    loop->pump();
  }

  host::ManualClock time;
  Steinberg::IPtr<host::RunLoop> loop = Steinberg::owned(new host::RunLoop(time.clock()));
};
