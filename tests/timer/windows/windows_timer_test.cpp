// The plug-in's periodic timer on Windows' own window-less timers, in real time: ticks arrive
// as timer messages while the thread that started the timer dispatches its messages.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "platform/timer_service.h"
#include "processor/plugin_timer.h"

namespace {

class RecordingDelegate final : public PlugIn_TimerDelegate {
 public:
  void onTimer() override {
    threads.push_back(GetCurrentThreadId());
    if (action) action();
  }
  int ticks() const { return static_cast<int>(threads.size()); }
  std::vector<DWORD> threads;
  std::function<void()> action;
};

// Dispatches this thread's messages for `milliseconds` of real time.
void dispatchFor(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

class WindowsTimer : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(platform::armedTimerCount(), 0u); }
};

TEST_F(WindowsTimer, TicksOnTheThreadThatStartedItWhileThatThreadDispatches) {
  RecordingDelegate delegate;
  DWORD starter = 0;
  std::thread owner([&] {
    starter = GetCurrentThreadId();
    PlugIn_Timer timer(&delegate, 100);
    ASSERT_TRUE(timer.setInterval(50));
    ASSERT_TRUE(timer.start());
    dispatchFor(400);
    EXPECT_TRUE(timer.stop());
  });
  dispatchFor(450);  // this thread dispatches too, and must see none of the owner's ticks
  owner.join();
  // About eight ticks in 400 ms; the host may be slow, but not silent.
  EXPECT_GE(delegate.ticks(), 3);
  EXPECT_LE(delegate.ticks(), 9);
  for (DWORD thread : delegate.threads) EXPECT_EQ(thread, starter);
}

TEST_F(WindowsTimer, NoTickArrivesWhileTheThreadDoesNotDispatch) {
  RecordingDelegate delegate;
  PlugIn_Timer timer(&delegate, 20);
  ASSERT_TRUE(timer.start());
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(delegate.ticks(), 0);
  dispatchFor(100);
  EXPECT_GE(delegate.ticks(), 1);  // the messages waited; Windows folds them into one or more
  timer.stop();
}

TEST_F(WindowsTimer, TwoTimersTickOnlyTheirOwnDelegates) {
  RecordingDelegate fast, slow;
  PlugIn_Timer fastTimer(&fast, 20);
  PlugIn_Timer slowTimer(&slow, 200);
  ASSERT_TRUE(fastTimer.start());
  ASSERT_TRUE(slowTimer.start());
  dispatchFor(300);
  EXPECT_GE(fast.ticks(), 5);
  EXPECT_GE(slow.ticks(), 1);
  EXPECT_LT(slow.ticks(), fast.ticks());
  fastTimer.stop();
  slowTimer.stop();
}

TEST_F(WindowsTimer, StartStopAndSetIntervalFollowTheTimersState) {
  RecordingDelegate delegate;
  PlugIn_Timer timer(&delegate, 50);
  EXPECT_FALSE(timer.stop());          // stopped: nothing to stop
  EXPECT_TRUE(timer.setInterval(30));  // stored, still stopped
  EXPECT_FALSE(timer.isRunning());
  EXPECT_FALSE(timer.setInterval(30));  // the current value: nothing changes
  ASSERT_TRUE(timer.start());
  EXPECT_TRUE(timer.start());  // already running: no second Windows timer
  EXPECT_EQ(platform::armedTimerCount(), 1u);
  EXPECT_TRUE(timer.setInterval(40));  // restarted with the new period
  EXPECT_TRUE(timer.isRunning());
  EXPECT_EQ(platform::armedTimerCount(), 1u);
  EXPECT_TRUE(timer.stop());
  EXPECT_FALSE(timer.isRunning());
  dispatchFor(100);
  EXPECT_EQ(delegate.ticks(), 0);
}

TEST_F(WindowsTimer, ADelegateMayStopItsOwnTimerInsideItsTick) {
  RecordingDelegate delegate;
  PlugIn_Timer timer(&delegate, 20);
  delegate.action = [&] { timer.stop(); };
  ASSERT_TRUE(timer.start());
  dispatchFor(200);
  EXPECT_EQ(delegate.ticks(), 1);
  EXPECT_FALSE(timer.isRunning());
}

TEST_F(WindowsTimer, KillingAnUnknownTimerIsRefused) {
  EXPECT_FALSE(platform::killTimer(12345));
  EXPECT_EQ(platform::setTimer(0, 50, nullptr), 0u);  // no procedure, no timer
}

}  // namespace
