#include "platform/timer_service.h"

#include <algorithm>
#include <vector>

#include "host/host_context.h"
#include "platform/diagnostics.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "tests/timer/timer_fixture.h"

using namespace std::chrono_literals;

namespace {

std::vector<std::uintptr_t> gFired;
void recordTick(std::uintptr_t id) { gFired.push_back(id); }

// A run loop that takes no timers.
class RefusingRunLoop : public Steinberg::Linux::IRunLoop {
 public:
  Steinberg::tresult PLUGIN_API registerEventHandler(Steinberg::Linux::IEventHandler*,
                                                     int) override {
    return Steinberg::kResultFalse;
  }
  Steinberg::tresult PLUGIN_API unregisterEventHandler(Steinberg::Linux::IEventHandler*) override {
    return Steinberg::kResultFalse;
  }
  Steinberg::tresult PLUGIN_API registerTimer(Steinberg::Linux::ITimerHandler*,
                                              Steinberg::uint64) override {
    return Steinberg::kResultFalse;
  }
  Steinberg::tresult PLUGIN_API unregisterTimer(Steinberg::Linux::ITimerHandler*) override {
    return Steinberg::kResultFalse;
  }
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID, void** obj) override {
    *obj = nullptr;
    return Steinberg::kNoInterface;
  }
  Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
  Steinberg::uint32 PLUGIN_API release() override { return 1; }
};

class TimerService : public RunLoopTimerTest {
 protected:
  void SetUp() override {
    RunLoopTimerTest::SetUp();
    gFired.clear();
  }
};

}  // namespace

TEST_F(TimerService, UsesTheRequestedIdentifierOrMakesAFreshOne) {
  EXPECT_EQ(platform::setTimer(0x1234, 50, recordTick), 0x1234u);
  const std::uintptr_t first = platform::setTimer(0, 50, recordTick);
  const std::uintptr_t second = platform::setTimer(0, 50, recordTick);
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, 0u);
  EXPECT_NE(first, second);
  EXPECT_EQ(platform::setTimer(0, 50, nullptr), 0u);
  EXPECT_EQ(platform::armedTimerCount(), 3u);

  elapse(50);
  std::sort(gFired.begin(), gFired.end());
  std::vector<std::uintptr_t> expected{0x1234, first, second};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(gFired, expected);

  EXPECT_TRUE(platform::killTimer(0x1234));
  EXPECT_TRUE(platform::killTimer(first));
  EXPECT_TRUE(platform::killTimer(second));
  EXPECT_FALSE(platform::killTimer(second));
}

TEST_F(TimerService, SettingAnIdentifierAgainReplacesItsTimer) {
  platform::setTimer(7, 50, recordTick);
  platform::setTimer(7, 20, recordTick);
  EXPECT_EQ(platform::armedTimerCount(), 1u);
  EXPECT_EQ(loop->timerCount(), 1u);
  elapse(20);
  EXPECT_EQ(gFired, std::vector<std::uintptr_t>{7});
  platform::killTimer(7);
}

TEST_F(TimerService, IntervalsShorterThanTenMillisecondsAreTenMilliseconds) {
  platform::setTimer(1, 0, recordTick);
  elapse(9);
  EXPECT_TRUE(gFired.empty());
  elapse(1);
  EXPECT_EQ(gFired.size(), 1u);
  platform::killTimer(1);
}

TEST_F(TimerService, TheNextRunLoopOfferedTakesOverWhenTheFirstGoes) {
  auto other = Steinberg::owned(new host::RunLoop(time.clock()));
  platform::setRunLoop(other.get());
  platform::setRunLoop(other.get());  // two users
  platform::setTimer(3, 10, recordTick);
  EXPECT_EQ(platform::activeRunLoop(), loop.get());
  EXPECT_EQ(loop->timerCount(), 1u);
  EXPECT_EQ(other->timerCount(), 0u);

  platform::releaseRunLoop(loop.get());
  EXPECT_EQ(platform::activeRunLoop(), other.get());
  EXPECT_EQ(loop->timerCount(), 0u);
  EXPECT_EQ(other->timerCount(), 1u);
  platform::releaseRunLoop(other.get());
  EXPECT_EQ(other->timerCount(), 1u);  // one user is left
  platform::releaseRunLoop(other.get());
  EXPECT_EQ(other->timerCount(), 0u);
  EXPECT_EQ(platform::activeRunLoop(), nullptr);

  platform::setRunLoop(loop.get());  // as the fixture expects
  platform::killTimer(3);
}

TEST_F(TimerService, ForgettingTheRunLoopsKeepsTheTimersArmed) {
  platform::setTimer(4, 10, recordTick);
  platform::forgetRunLoops();
  EXPECT_EQ(platform::activeRunLoop(), nullptr);
  EXPECT_EQ(loop->timerCount(), 0u);
  EXPECT_EQ(platform::armedTimerCount(), 1u);
  platform::setRunLoop(loop.get());
  elapse(10);
  EXPECT_EQ(gFired, std::vector<std::uintptr_t>{4});
  platform::killTimer(4);
}

TEST(TimerServiceLease, TakesTheRunLoopAHostContextOffersAndGivesItBack) {
  host::HostContext context;
  {
    platform::RunLoopLease lease;
    ASSERT_TRUE(lease.acquire(static_cast<Steinberg::FUnknown*>(&context)));
    EXPECT_TRUE(lease.holdsRunLoop());
    EXPECT_EQ(platform::activeRunLoop(), &context.runLoop());
  }
  EXPECT_EQ(platform::activeRunLoop(), nullptr);

  // The SDK's plain host application offers no run loop.
  Steinberg::Vst::HostApplication plain;
  platform::RunLoopLease lease;
  EXPECT_FALSE(lease.acquire(&plain));
  EXPECT_FALSE(lease.acquire(nullptr));
  EXPECT_FALSE(lease.holdsRunLoop());
  EXPECT_EQ(platform::activeRunLoop(), nullptr);
}

TEST(TimerServiceRefused, ARunLoopThatRefusesTimersLeavesThemArmedAndSaysSo) {
  diag::takeLines();
  platform::setTimer(5, 10, recordTick);
  RefusingRunLoop refusing;
  platform::setRunLoop(&refusing);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("refused timer 5"), std::string::npos) << lines[0];
  EXPECT_EQ(platform::armedTimerCount(), 1u);
  // A new timer that the active run loop refuses is not set at all.
  EXPECT_EQ(platform::setTimer(6, 10, recordTick), 0u);
  platform::releaseRunLoop(&refusing);
  EXPECT_TRUE(platform::killTimer(5));
  EXPECT_EQ(platform::armedTimerCount(), 0u);
}
