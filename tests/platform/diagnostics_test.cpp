#include "platform/diagnostics.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

class Diagnostics : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::takeLines();
    diag::takeDroppedCount();
  }
};

TEST_F(Diagnostics, FormatsLikePrintf) {
  diag::write("trying to update parameter %d, which is not defined", 42);
  diag::write("Processor: update parameter: %d \t value: %f\n", 3, 1000.0);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "trying to update parameter 42, which is not defined");
  EXPECT_EQ(lines[1], "Processor: update parameter: 3 \t value: 1000.000000\n");
}

TEST_F(Diagnostics, LongLinesAreCutButKeepTheirEnd) {
  const std::string longText(1000, 'x');
  diag::write("%s\n", longText.c_str());
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].size(), diag::kMaxLineLength - 1);
  EXPECT_EQ(lines[0].back(), '\n');
}

TEST_F(Diagnostics, LinesFromSeveralThreadsArriveInOrderAndIntact) {
  constexpr int kThreads = 4;
  constexpr int kLinesPerThread = 100;  // within capacity: nothing may be dropped
  static_assert(kThreads * kLinesPerThread <= static_cast<int>(diag::kQueueCapacity));
  std::vector<std::thread> threads;
  std::atomic<bool> go{false};
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &go] {
      while (!go.load()) {
      }
      for (int i = 0; i < kLinesPerThread; ++i)
        diag::write("thread %d line %d payload %s\n", t, i, "abcdefghij");
    });
  }
  go.store(true);
  for (auto& thread : threads) thread.join();

  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLinesPerThread));
  std::map<int, int> nextLine;
  for (const auto& line : lines) {
    int thread = -1, index = -1;
    char payload[16] = {};
    ASSERT_EQ(std::sscanf(line.c_str(), "thread %d line %d payload %15s", &thread, &index, payload),
              3)
        << line;
    EXPECT_STREQ(payload, "abcdefghij");
    EXPECT_EQ(index, nextLine[thread]++) << "lines of one thread out of order";
  }
  EXPECT_EQ(diag::droppedCount(), 0u);
}

TEST_F(Diagnostics, AFullQueueCountsDropsAndNeverBlocks) {
  const std::size_t extra = 37;
  for (std::size_t i = 0; i < diag::kQueueCapacity + extra; ++i) diag::write("line %zu\n", i);
  EXPECT_EQ(diag::takeDroppedCount(), extra);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), diag::kQueueCapacity);
  EXPECT_EQ(lines.front(), "line 0\n");  // the oldest lines are kept
  // Room again after draining.
  diag::write("again\n");
  EXPECT_EQ(diag::takeLines().size(), 1u);
  EXPECT_EQ(diag::droppedCount(), 0u);
}

TEST_F(Diagnostics, WriterThreadPrintsToStandardOutput) {
  testing::internal::CaptureStdout();
  diag::startWriter();
  diag::write("to stdout %d\n", 7);
  diag::stopWriter();  // flushes what is queued
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "to stdout 7\n");
}

}  // namespace

namespace {

TEST(DiagnosticsWriter, NestedStartsKeepWritingUntilTheBalancingStop) {
  diag::startWriter();
  diag::startWriter();
  diag::stopWriter();  // one user left: the thread goes on
  testing::internal::CaptureStdout();
  diag::write("written by the running thread\n");
  // The writer wakes every 20 ms; nothing but the thread prints this line.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "written by the running thread\n");
  EXPECT_TRUE(diag::takeLines().empty());
  diag::stopWriter();
}

TEST(DiagnosticsWriter, AnUnbalancedStopDoesNotDisturbTheNextStart) {
  diag::stopWriter();
  diag::startWriter();
  testing::internal::CaptureStdout();
  diag::write("flushed at the stop\n");
  diag::stopWriter();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "flushed at the stop\n");
}

}  // namespace
