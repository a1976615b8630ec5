#include "host/run_loop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <vector>

#include "host/host_context.h"
#include "host/manual_clock.h"

using namespace Steinberg;
using namespace std::chrono_literals;
using host::ManualClock;
using host::RunLoop;

namespace {

// A reference-counted handler for timers and descriptors that records its calls and
// can run an action from inside them.
class Handler : public Linux::ITimerHandler, public Linux::IEventHandler {
 public:
  static IPtr<Handler> make(bool* destroyed = nullptr) { return owned(new Handler(destroyed)); }

  void PLUGIN_API onTimer() override {
    ++ticks;
    if (action) action();
  }
  void PLUGIN_API onFDIsSet(Linux::FileDescriptor fd) override {
    descriptors.push_back(fd);
    if (action) action();
  }

  tresult PLUGIN_API queryInterface(const TUID, void** obj) override {
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return ++references; }
  uint32 PLUGIN_API release() override {
    if (--references == 0) {
      if (destroyed_ != nullptr) *destroyed_ = true;
      delete this;
      return 0;
    }
    return references;
  }

  int ticks = 0;
  std::vector<Linux::FileDescriptor> descriptors;
  std::function<void()> action;
  uint32 references = 1;

 private:
  explicit Handler(bool* destroyed) : destroyed_(destroyed) {}
  virtual ~Handler() = default;
  bool* destroyed_;
};

struct Pipe {
  Pipe() { EXPECT_EQ(pipe(ends), 0); }
  ~Pipe() {
    closeWriteEnd();
    close(ends[0]);
  }
  void send() { EXPECT_EQ(write(ends[1], "x", 1), 1); }
  void drain() {
    char byte;
    EXPECT_EQ(read(ends[0], &byte, 1), 1);
  }
  void closeWriteEnd() {
    if (ends[1] >= 0) close(ends[1]);
    ends[1] = -1;
  }
  int readEnd() const { return ends[0]; }
  int ends[2] = {-1, -1};
};

class ManualRunLoop : public ::testing::Test {
 protected:
  ManualClock time;
  IPtr<RunLoop> loop = owned(new RunLoop(time.clock()));
};

}  // namespace

TEST_F(ManualRunLoop, ATimerTicksOncePerIntervalCountedFromItsRegistration) {
  auto handler = Handler::make();
  time.advance(7ms);
  ASSERT_EQ(loop->registerTimer(handler, 50), kResultOk);
  time.advance(49ms);
  EXPECT_EQ(loop->pump(), 0);
  time.advance(1ms);
  EXPECT_EQ(loop->pump(), 1);
  EXPECT_EQ(loop->pump(), 0);
  time.advance(50ms);
  loop->pump();
  EXPECT_EQ(handler->ticks, 2);
}

TEST_F(ManualRunLoop, ALoopPumpedLateGivesOneTickNotABurst) {
  auto handler = Handler::make();
  loop->registerTimer(handler, 50);
  time.advance(500ms);
  loop->pump();
  EXPECT_EQ(handler->ticks, 1);
  time.advance(49ms);
  loop->pump();
  EXPECT_EQ(handler->ticks, 1);
  time.advance(1ms);
  loop->pump();
  EXPECT_EQ(handler->ticks, 2);
}

TEST_F(ManualRunLoop, TimersHoldTheirHandlerUntilUnregistered) {
  bool destroyed = false;
  auto handler = Handler::make(&destroyed);
  ASSERT_EQ(loop->registerTimer(handler, 10), kResultOk);
  EXPECT_EQ(handler->references, 2u);
  EXPECT_EQ(loop->timerCount(), 1u);
  EXPECT_EQ(loop->unregisterTimer(handler), kResultOk);
  EXPECT_EQ(handler->references, 1u);
  EXPECT_EQ(loop->timerCount(), 0u);
  time.advance(10ms);
  EXPECT_EQ(loop->pump(), 0);

  EXPECT_EQ(loop->unregisterTimer(handler), kResultFalse);
  EXPECT_EQ(loop->unregisterTimer(nullptr), kInvalidArgument);
  EXPECT_EQ(loop->registerTimer(nullptr, 10), kInvalidArgument);
  EXPECT_EQ(loop->registerTimer(handler, 0), kInvalidArgument);
  handler = nullptr;
  EXPECT_TRUE(destroyed);
}

TEST_F(ManualRunLoop, AHandlerMayUnregisterItselfAndOthersWhileBeingCalled) {
  bool firstDestroyed = false;
  auto first = Handler::make(&firstDestroyed);
  auto second = Handler::make();
  loop->registerTimer(first, 10);
  loop->registerTimer(second, 10);
  Handler* firstRaw = first.get();
  first->action = [&] {
    loop->unregisterTimer(second);
    loop->unregisterTimer(firstRaw);
    // The loop keeps the handler alive for the rest of its call.
    EXPECT_FALSE(firstDestroyed);
  };
  first = nullptr;  // only the loop holds it now
  time.advance(10ms);
  EXPECT_EQ(loop->pump(), 1);
  EXPECT_TRUE(firstDestroyed);
  EXPECT_EQ(second->ticks, 0);
  EXPECT_EQ(loop->timerCount(), 0u);
}

TEST_F(ManualRunLoop, ReadableDescriptorsCallTheirHandler) {
  Pipe pipe;
  auto handler = Handler::make();
  handler->action = [&] { pipe.drain(); };
  ASSERT_EQ(loop->registerEventHandler(handler, pipe.readEnd()), kResultOk);
  EXPECT_EQ(loop->registerEventHandler(handler, pipe.readEnd()), kResultFalse);
  EXPECT_EQ(loop->registerEventHandler(handler, -1), kInvalidArgument);
  EXPECT_EQ(loop->registerEventHandler(nullptr, pipe.readEnd()), kInvalidArgument);

  EXPECT_EQ(loop->pump(), 0);
  pipe.send();
  EXPECT_EQ(loop->pump(), 1);
  EXPECT_EQ(handler->descriptors, std::vector<int>{pipe.readEnd()});
  EXPECT_EQ(loop->pump(), 0);  // drained

  ASSERT_EQ(loop->unregisterEventHandler(handler), kResultOk);
  EXPECT_EQ(loop->eventHandlerCount(), 0u);
  pipe.send();
  EXPECT_EQ(loop->pump(), 0);
  EXPECT_EQ(loop->unregisterEventHandler(handler), kResultFalse);
}

TEST_F(ManualRunLoop, AClosedWriterWakesTheReader) {
  Pipe pipe;
  auto handler = Handler::make();
  loop->registerEventHandler(handler, pipe.readEnd());
  pipe.closeWriteEnd();
  EXPECT_EQ(loop->pump(), 1);
  loop->unregisterEventHandler(handler);
}

TEST_F(ManualRunLoop, IsQueriedAsARunLoop) {
  void* object = nullptr;
  ASSERT_EQ(loop->queryInterface(Linux::IRunLoop_iid, &object), kResultOk);
  EXPECT_EQ(object, static_cast<Linux::IRunLoop*>(loop.get()));
  static_cast<FUnknown*>(object)->release();
  EXPECT_EQ(loop->queryInterface(Linux::ITimerHandler_iid, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
}

TEST(RunLoop, RunForDispatchesDescriptorsAndTimersAsTheyBecomeReady) {
  auto loop = owned(new RunLoop());
  Pipe pipe;
  auto reader = Handler::make();
  reader->action = [&] { pipe.drain(); };
  auto timer = Handler::make();
  loop->registerEventHandler(reader, pipe.readEnd());
  loop->registerTimer(timer, 10);
  pipe.send();
  const auto start = std::chrono::steady_clock::now();
  loop->runFor(60);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 60ms);
  EXPECT_EQ(reader->descriptors.size(), 1u);
  EXPECT_GE(timer->ticks, 1);
  loop->unregisterEventHandler(reader);
  loop->unregisterTimer(timer);
}

TEST(HostContext, OffersItsRunLoopBesideTheHostApplication) {
  host::HostContext context(u"Test Host");
  void* object = nullptr;
  ASSERT_EQ(context.queryInterface(Linux::IRunLoop_iid, &object), kResultOk);
  EXPECT_EQ(object, static_cast<Linux::IRunLoop*>(&context.runLoop()));
  static_cast<FUnknown*>(object)->release();

  FUnknownPtr<Vst::IHostApplication> application(static_cast<FUnknown*>(&context));
  ASSERT_TRUE(application);
  Vst::String128 name{};
  ASSERT_EQ(application->getName(name), kResultTrue);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(name)), u"Test Host");

  // Messages for the plug-in's processor and controller to exchange.
  TUID messageIid;
  Vst::IMessage::iid.toTUID(messageIid);
  object = nullptr;
  ASSERT_EQ(application->createInstance(messageIid, messageIid, &object), kResultTrue);
  static_cast<Vst::IMessage*>(object)->release();
}
