// The run loop a VST 2 host lacks, as editors and timers use it: descriptors and
// timers served from each pump, and handlers that come and go inside callbacks.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "sdk/linux/vst2_run_loop.h"

namespace {

using Steinberg::IPtr;
using Steinberg::kResultOk;
using Steinberg::Vst::Vst2RunLoop;

template <typename Interface>
class Counted : public Interface {
 public:
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID, void** obj) override {
    *obj = nullptr;
    return Steinberg::kNoInterface;
  }
  Steinberg::uint32 PLUGIN_API addRef() override { return ++references; }
  Steinberg::uint32 PLUGIN_API release() override { return --references; }
  int references = 1;
};

struct Reader : Counted<Steinberg::Linux::IEventHandler> {
  void PLUGIN_API onFDIsSet(Steinberg::Linux::FileDescriptor fd) override {
    char byte;
    if (read(fd, &byte, 1) == 1) ++events;
    if (loop != nullptr) loop->unregisterEventHandler(this);
  }
  int events = 0;
  Vst2RunLoop* loop = nullptr;  // set: unregisters itself on its first event
};

struct Ticker : Counted<Steinberg::Linux::ITimerHandler> {
  void PLUGIN_API onTimer() override {
    ++ticks;
    if (other != nullptr) loop->unregisterTimer(other);
  }
  int ticks = 0;
  Vst2RunLoop* loop = nullptr;
  Ticker* other = nullptr;  // set: unregisters that timer when ticking
};

TEST(Vst2RunLoop, IsOneForTheWholeModule) {
  IPtr<Vst2RunLoop> first = Vst2RunLoop::shared();
  IPtr<Vst2RunLoop> second = Vst2RunLoop::shared();
  EXPECT_EQ(first.get(), second.get());
}

TEST(Vst2RunLoop, ServesReadableDescriptorsWithoutWaiting) {
  IPtr<Vst2RunLoop> loop = Vst2RunLoop::shared();
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  Reader reader;
  ASSERT_EQ(loop->registerEventHandler(&reader, pipeEnds[0]), kResultOk);
  EXPECT_NE(loop->registerEventHandler(&reader, pipeEnds[0]), kResultOk);  // once per pair
  EXPECT_EQ(loop->pump(), 0);
  ASSERT_EQ(write(pipeEnds[1], "x", 1), 1);
  EXPECT_EQ(loop->pump(), 1);
  EXPECT_EQ(reader.events, 1);
  EXPECT_EQ(loop->unregisterEventHandler(&reader), kResultOk);
  EXPECT_EQ(reader.references, 1);  // the run loop let its reference go
  close(pipeEnds[0]);
  close(pipeEnds[1]);
}

TEST(Vst2RunLoop, AHandlerMayLeaveInsideItsCallback) {
  IPtr<Vst2RunLoop> loop = Vst2RunLoop::shared();
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  Reader reader;
  reader.loop = loop.get();
  loop->registerEventHandler(&reader, pipeEnds[0]);
  ASSERT_EQ(write(pipeEnds[1], "xy", 2), 2);
  loop->pump();
  loop->pump();
  EXPECT_EQ(reader.events, 1);
  EXPECT_EQ(loop->eventHandlerCount(), 0u);
  close(pipeEnds[0]);
  close(pipeEnds[1]);
}

TEST(Vst2RunLoop, TicksDueTimersAndNotOthers) {
  IPtr<Vst2RunLoop> loop = Vst2RunLoop::shared();
  Ticker fast, slow;
  loop->registerTimer(&fast, 10);
  loop->registerTimer(&slow, 60000);
  EXPECT_EQ(loop->pump(), 0);  // the first tick is one interval away
  std::this_thread::sleep_for(std::chrono::milliseconds(15));
  EXPECT_EQ(loop->pump(), 1);
  EXPECT_EQ(fast.ticks, 1);
  EXPECT_EQ(slow.ticks, 0);
  EXPECT_EQ(loop->pump(), 0);  // late pumps tick once, not to catch up
  loop->unregisterTimer(&fast);
  loop->unregisterTimer(&slow);
  EXPECT_EQ(loop->timerCount(), 0u);
  EXPECT_NE(loop->unregisterTimer(&fast), kResultOk);
}

TEST(Vst2RunLoop, ATimerUnregisteredDuringAPumpIsNotCalledAgain) {
  IPtr<Vst2RunLoop> loop = Vst2RunLoop::shared();
  Ticker first, second;
  first.loop = loop.get();
  first.other = &second;
  loop->registerTimer(&first, 10);
  loop->registerTimer(&second, 10);
  std::this_thread::sleep_for(std::chrono::milliseconds(15));
  loop->pump();
  EXPECT_EQ(first.ticks, 1);
  EXPECT_EQ(second.ticks, 0);
  EXPECT_EQ(loop->timerCount(), 1u);
  loop->unregisterTimer(&first);
}

TEST(Vst2RunLoop, RefusesNullHandlersAndZeroIntervals) {
  IPtr<Vst2RunLoop> loop = Vst2RunLoop::shared();
  Ticker ticker;
  EXPECT_NE(loop->registerTimer(nullptr, 10), kResultOk);
  EXPECT_NE(loop->registerTimer(&ticker, 0), kResultOk);
  EXPECT_NE(loop->registerEventHandler(nullptr, 0), kResultOk);
}

}  // namespace
