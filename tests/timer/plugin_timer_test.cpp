#include "processor/plugin_timer.h"

#include "tests/timer/timer_fixture.h"

using PlugInTimer = RunLoopTimerTest;

TEST_F(PlugInTimer, TicksOncePerIntervalOnTheHostsRunLoop) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  EXPECT_FALSE(timer.isRunning());
  ASSERT_TRUE(timer.start());
  EXPECT_TRUE(timer.isRunning());
  elapse(49);
  EXPECT_EQ(delegate.ticks, 0);
  elapse(1);
  EXPECT_EQ(delegate.ticks, 1);
  elapse(50);
  EXPECT_EQ(delegate.ticks, 2);
  EXPECT_TRUE(timer.stop());
}

TEST_F(PlugInTimer, TheProcessorsUseTicksEvery50Milliseconds) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 100);
  EXPECT_TRUE(timer.setInterval(50));
  ASSERT_TRUE(timer.start());
  elapse(50);
  elapse(50);
  EXPECT_EQ(delegate.ticks, 2);
  timer.stop();
}

TEST_F(PlugInTimer, StartOnARunningTimerSetsNoSecondTimer) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  ASSERT_TRUE(timer.start());
  EXPECT_TRUE(timer.start());
  EXPECT_EQ(platform::armedTimerCount(), 1u);
  EXPECT_EQ(loop->timerCount(), 1u);
  elapse(50);
  EXPECT_EQ(delegate.ticks, 1);
  timer.stop();
}

TEST_F(PlugInTimer, StopEndsTheTicksAndAStoppedTimerCannotStop) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  EXPECT_FALSE(timer.stop());
  timer.start();
  EXPECT_TRUE(timer.stop());
  EXPECT_FALSE(timer.isRunning());
  EXPECT_EQ(loop->timerCount(), 0u);
  elapse(100);
  EXPECT_EQ(delegate.ticks, 0);
  EXPECT_FALSE(timer.stop());
}

TEST_F(PlugInTimer, SetIntervalToTheCurrentValueChangesNothing) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  timer.start();
  elapse(30);
  EXPECT_FALSE(timer.setInterval(50));
  elapse(20);  // a restart would have moved the tick to 80 ms
  EXPECT_EQ(delegate.ticks, 1);
  timer.stop();
}

TEST_F(PlugInTimer, SetIntervalOnAStoppedTimerStoresItAndLeavesItStopped) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  EXPECT_TRUE(timer.setInterval(20));
  EXPECT_FALSE(timer.isRunning());
  EXPECT_EQ(timer.getInterval(), 20);
  EXPECT_EQ(platform::armedTimerCount(), 0u);
  timer.start();
  elapse(20);
  EXPECT_EQ(delegate.ticks, 1);
  timer.stop();
}

TEST_F(PlugInTimer, SetIntervalOnARunningTimerRestartsItWithTheNewPeriod) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  timer.start();
  elapse(40);
  EXPECT_TRUE(timer.setInterval(30));
  EXPECT_TRUE(timer.isRunning());
  elapse(29);
  EXPECT_EQ(delegate.ticks, 0);
  elapse(1);
  EXPECT_EQ(delegate.ticks, 1);
  timer.stop();
}

TEST_F(PlugInTimer, TwoTimersTickOnlyTheirOwnDelegates) {
  CountingDelegate fast, slow;
  PlugIn_Timer fastTimer(&fast, 20);
  PlugIn_Timer slowTimer(&slow, 50);
  fastTimer.start();
  slowTimer.start();
  for (int step = 0; step < 10; ++step) elapse(10);
  EXPECT_EQ(fast.ticks, 5);
  EXPECT_EQ(slow.ticks, 2);
  fastTimer.stop();
  elapse(50);
  EXPECT_EQ(fast.ticks, 5);
  EXPECT_EQ(slow.ticks, 3);
  slowTimer.stop();
}

TEST_F(PlugInTimer, ADelegateMayStopItsOwnTimer) {
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 10);
  delegate.action = [&] { EXPECT_TRUE(timer.stop()); };
  timer.start();
  elapse(10);
  elapse(10);
  EXPECT_EQ(delegate.ticks, 1);
  EXPECT_FALSE(timer.isRunning());
}

TEST_F(PlugInTimer, DestroyingARunningTimerStopsIt) {
  CountingDelegate delegate;
  {
    PlugIn_Timer timer(&delegate, 10);
    timer.start();
  }
  EXPECT_EQ(loop->timerCount(), 0u);
  elapse(10);
  EXPECT_EQ(delegate.ticks, 0);
}

TEST(PlugInTimerWithoutRunLoop, StaysArmedUntilARunLoopIsOfferedThenTicks) {
  host::ManualClock time;
  auto loop = Steinberg::owned(new host::RunLoop(time.clock()));
  CountingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  ASSERT_TRUE(timer.start());
  EXPECT_TRUE(timer.isRunning());
  EXPECT_EQ(platform::armedTimerCount(), 1u);

  platform::setRunLoop(loop.get());
  EXPECT_EQ(loop->timerCount(), 1u);
  time.advance(std::chrono::milliseconds(50));
  loop->pump();
  EXPECT_EQ(delegate.ticks, 1);

  // The run loop goes away: the timer leaves it, still running, and ticks again on the next one.
  platform::releaseRunLoop(loop.get());
  EXPECT_EQ(loop->timerCount(), 0u);
  EXPECT_TRUE(timer.isRunning());
  platform::setRunLoop(loop.get());
  time.advance(std::chrono::milliseconds(50));
  loop->pump();
  EXPECT_EQ(delegate.ticks, 2);
  platform::releaseRunLoop(loop.get());
  EXPECT_TRUE(timer.stop());
}
