// Windows: the host's run loop is the thread's message loop. Window-less timers set on this
// thread tick only while it pumps, posted messages reach their window, a manual clock is
// waited out, and the host context and plug-in frame offer plug-ins no run loop.

#include "host/run_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "host/host_context.h"
#include "host/manual_clock.h"
#include "host/plug_frame.h"

using namespace Steinberg;
using namespace std::chrono_literals;
using host::RunLoop;

namespace {

int gTicks = 0;
DWORD gTickThread = 0;

void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) {
  ++gTicks;
  gTickThread = GetCurrentThreadId();
}

class WindowsRunLoop : public ::testing::Test {
 protected:
  void SetUp() override { gTicks = 0; }
  void TearDown() override {
    if (timer != 0) KillTimer(nullptr, timer);
  }
  UINT_PTR timer = 0;
};

}  // namespace

TEST_F(WindowsRunLoop, TimersTickOnThisThreadWhileItPumpsAndNotOtherwise) {
  RunLoop loop;
  timer = SetTimer(nullptr, 0, 20, &countTick);
  ASSERT_NE(timer, 0u);
  Sleep(100);
  EXPECT_EQ(gTicks, 0) << "no tick without the message loop";
  // Windows delivers one timer message for a due timer, however long it waited.
  EXPECT_GE(loop.pump(), 1);
  EXPECT_EQ(gTicks, 1);
  loop.runFor(200);
  EXPECT_GE(gTicks, 4);
  EXPECT_EQ(gTickThread, GetCurrentThreadId());
}

TEST_F(WindowsRunLoop, RunForWaitsItsTimeEvenWithNothingToDo) {
  RunLoop loop;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(loop.runFor(60), 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 60ms);
}

TEST_F(WindowsRunLoop, AManualClockIsWaitedOutAndTheSystemsClockIsNot) {
  host::ManualClock time;
  RunLoop manual(time.clock());
  timer = SetTimer(nullptr, 0, 30, &countTick);
  ASSERT_NE(timer, 0u);
  manual.pump();
  EXPECT_EQ(gTicks, 0);
  time.advance(200ms);
  const auto start = std::chrono::steady_clock::now();
  manual.pump();  // serves the messages for the 200 ms the clock moved
  EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
  EXPECT_GE(gTicks, 3);

  RunLoop steady([] { return std::chrono::steady_clock::now(); });
  Sleep(50);
  const auto before = std::chrono::steady_clock::now();
  steady.pump();  // the time has passed already: nothing to wait for
  EXPECT_LT(std::chrono::steady_clock::now() - before, 40ms);
}

TEST_F(WindowsRunLoop, PostedMessagesReachTheirWindow) {
  static int received = 0;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_APP) received += static_cast<int>(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
  };
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"LobeshiftRunLoopTest";
  ASSERT_TRUE(RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS);
  HWND window = CreateWindowExW(0, L"LobeshiftRunLoopTest", L"", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  RunLoop loop;
  PostMessageW(window, WM_APP, 3, 0);
  PostMessageW(window, WM_APP, 4, 0);
  EXPECT_EQ(received, 0);
  EXPECT_EQ(loop.pump(), 2);
  EXPECT_EQ(received, 7);
  DestroyWindow(window);
}

TEST(WindowsHost, OffersPlugInsNoRunLoop) {
  host::HostContext context;
  void* object = nullptr;
  EXPECT_EQ(context.queryInterface(Vst::IHostApplication::iid, &object), kResultOk);
  host::PlugFrame frame(&context.runLoop());
  EXPECT_EQ(frame.queryInterface(IPlugFrame::iid, &object), kResultOk);
  // Whatever interface a plug-in asks for beyond these, the run loop is not offered.
  EXPECT_FALSE(RunLoop::isOfferedAs(IPlugFrame::iid));
  EXPECT_FALSE(RunLoop::isOfferedAs(FUnknown::iid));
}
