#include "processor/ring_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/diagnostics.h"

namespace {

constexpr std::int32_t kEngineCapacity = 12288;
constexpr std::int32_t kFrame = 8192;
constexpr std::int32_t kHop = 4096;

const std::string kOverflow = "ringbuffer overflow!!!\n";
const std::string kPoppedTooMuch = "Ringbuffer: popped too much... illegal access!\n";
const std::string kClearedTooMuch = "Ringbuffer: cleared more than it had... illegal access!\n";

class RingbufferTest : public ::testing::Test {
 protected:
  void SetUp() override { diag::takeLines(); }
  // Correct use must never write a line.
  void expectNoLines() { EXPECT_TRUE(diag::takeLines().empty()); }
};

TEST_F(RingbufferTest, IsFirstInFirstOutAcrossTheWrap) {
  Ringbuffer ring(5);
  EXPECT_EQ(ring.size(), 0);
  float next = 1.0f, expected = 1.0f;
  for (int round = 0; round < 7; ++round) {  // read and write positions wrap several times
    for (int k = 0; k < 3; ++k) ring.push(next++);
    EXPECT_EQ(ring.size(), 3);
    EXPECT_EQ(ring.peek(0), expected);
    EXPECT_EQ(ring.peek(2), expected + 2.0f);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ring.pop(), expected++);
    EXPECT_EQ(ring.size(), 0);
  }
  expectNoLines();
}

TEST_F(RingbufferTest, StartsZeroedAndPeekBeyondSizeReadsTheSlot) {
  Ringbuffer ring(8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(ring.peek(i), 0.0f);
  ring.push(3.0f);
  ring.push(4.0f);
  ring.unwrite(1);  // 4 stays in its slot though it is no longer held
  EXPECT_EQ(ring.size(), 1);
  EXPECT_EQ(ring.peek(1), 4.0f);
  EXPECT_EQ(ring.peek(2), 0.0f);
  expectNoLines();
}

TEST_F(RingbufferTest, PopLeavesZeroSoALaterPushAddAddsOntoSilence) {
  Ringbuffer ring(4);
  for (float x : {1.0f, 2.0f, 3.0f, 4.0f}) ring.push(x);
  EXPECT_EQ(ring.pop(), 1.0f);
  EXPECT_EQ(ring.pop(), 2.0f);
  ring.discard(2);  // storage untouched: 3 and 4 stay in slots 2 and 3
  EXPECT_EQ(ring.size(), 0);
  for (float x : {10.0f, 20.0f, 30.0f, 40.0f})
    ring.pushAdd(x);  // slots 0, 1 popped; 2, 3 discarded
  EXPECT_EQ(ring.pop(), 10.0f);
  EXPECT_EQ(ring.pop(), 20.0f);
  EXPECT_EQ(ring.pop(), 33.0f);
  EXPECT_EQ(ring.pop(), 44.0f);
  expectNoLines();
}

TEST_F(RingbufferTest, PushAddAfterUnwriteOverlapsTheSecondHalfOfTheFirstRun) {
  Ringbuffer ring(kEngineCapacity);
  for (int i = 0; i < kFrame; ++i) ring.pushAdd(static_cast<float>(i));
  ring.unwrite(kHop);
  EXPECT_EQ(ring.size(), kHop);
  for (int i = 0; i < kFrame; ++i) ring.pushAdd(1000000.0f + static_cast<float>(i));
  EXPECT_EQ(ring.size(), kHop + kFrame);
  for (int i = 0; i < kHop; ++i) ASSERT_EQ(ring.peek(i), static_cast<float>(i)) << i;
  for (int i = 0; i < kHop; ++i)
    ASSERT_EQ(ring.peek(kHop + i),
              static_cast<float>(kHop + i) + 1000000.0f + static_cast<float>(i))
        << i;
  for (int i = kHop; i < kFrame; ++i)
    ASSERT_EQ(ring.peek(kHop + i), 1000000.0f + static_cast<float>(i)) << i;
  expectNoLines();
}

// The engine's output path: every hop it overlap-adds a frame, keeps its first half
// and releases a hop. With a constant frame of ones, every sample after the first hop
// is the sum of exactly two frames.
TEST_F(RingbufferTest, OverlapAddOverManyHopsSumsExactlyTwoFrames) {
  Ringbuffer ring(kEngineCapacity);
  std::vector<float> released;
  for (int hop = 0; hop < 10; ++hop) {
    for (int i = 0; i < kFrame; ++i) ring.pushAdd(1.0f);
    ring.unwrite(kFrame - kHop);
    for (int i = 0; i < kHop; ++i) released.push_back(ring.pop());
  }
  ASSERT_EQ(released.size(), static_cast<std::size_t>(10 * kHop));
  for (int i = 0; i < kHop; ++i) ASSERT_EQ(released[i], 1.0f) << i;
  for (std::size_t i = kHop; i < released.size(); ++i) ASSERT_EQ(released[i], 2.0f) << i;
  expectNoLines();
}

TEST_F(RingbufferTest, ClearEmptiesAndZeroesEverySlot) {
  Ringbuffer ring(6);
  for (int i = 0; i < 5; ++i) ring.push(7.0f);
  ring.discard(3);
  ring.clear();
  EXPECT_EQ(ring.size(), 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ring.peek(i), 0.0f);
  ring.push(2.0f);
  EXPECT_EQ(ring.pop(), 2.0f);  // starts again at slot 0
  EXPECT_EQ(ring.peek(-1), 0.0f);
  expectNoLines();
}

TEST_F(RingbufferTest, PeekReducesAnyIndexIntoTheStorage) {
  Ringbuffer ring(7);
  for (int i = 0; i < 7; ++i) ring.push(static_cast<float>(i));
  ring.discard(3);  // oldest is slot 3
  EXPECT_EQ(ring.peek(-1), 2.0f);
  EXPECT_EQ(ring.peek(-7), 3.0f);
  EXPECT_EQ(ring.peek(7 * 1000 + 1), 4.0f);
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(ring.peek(kMax), static_cast<float>((3 + kMax % 7) % 7));
  EXPECT_EQ(ring.peek(kMin), static_cast<float>(((3 + kMin % 7) % 7 + 7) % 7));
  expectNoLines();
}

TEST_F(RingbufferTest, OverflowWritesItsLineAndDropsTheOldest) {
  Ringbuffer ring(3);
  for (float x : {1.0f, 2.0f, 3.0f}) ring.push(x);
  expectNoLines();  // exactly full is not an overflow
  ring.push(4.0f);
  ring.pushAdd(5.0f);  // lands in the slot that held 2
  EXPECT_EQ(diag::takeLines(), (std::vector<std::string>{kOverflow, kOverflow}));
  EXPECT_EQ(ring.size(), 3);
  EXPECT_EQ(ring.pop(), 3.0f);
  EXPECT_EQ(ring.pop(), 4.0f);
  EXPECT_EQ(ring.pop(), 7.0f);
  expectNoLines();
}

TEST_F(RingbufferTest, PopFromEmptyWritesItsLineAndLeavesAWorkingEmptyRing) {
  Ringbuffer ring(4);
  ring.push(9.0f);
  ring.unwrite(1);
  EXPECT_EQ(ring.pop(), 9.0f);  // whatever the slot held
  EXPECT_EQ(diag::takeLines(), std::vector<std::string>{kPoppedTooMuch});
  EXPECT_EQ(ring.size(), 0);
  EXPECT_EQ(ring.peek(-1), 0.0f);  // and that slot was zeroed
  ring.push(5.0f);
  EXPECT_EQ(ring.pop(), 5.0f);
  expectNoLines();
}

TEST_F(RingbufferTest, DiscardOrUnwriteOfMoreThanHeldWritesTheClearedLine) {
  Ringbuffer ring(8);
  for (int i = 0; i < 3; ++i) ring.push(1.0f);
  ring.discard(5);
  EXPECT_EQ(diag::takeLines(), std::vector<std::string>{kClearedTooMuch});
  EXPECT_EQ(ring.size(), 0);
  ring.push(6.0f);
  ring.unwrite(4);
  EXPECT_EQ(diag::takeLines(), std::vector<std::string>{kClearedTooMuch});
  EXPECT_EQ(ring.size(), 0);
  ring.push(8.0f);
  EXPECT_EQ(ring.pop(), 8.0f);
  expectNoLines();
}

// Hostile arguments: every access must stay inside the storage (checked by the
// sanitizer builds) and the ring must end usable.
TEST_F(RingbufferTest, ExtremeArgumentsStayInBoundsAndLeaveAUsableRing) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  Ringbuffer ring(5);
  ring.discard(kMax);
  ring.unwrite(kMax);
  ring.discard(kMin);  // claims back more than the ring can hold
  EXPECT_EQ(ring.size(), 5);
  ring.unwrite(kMin);
  EXPECT_EQ(ring.size(), 5);
  for (int i = 0; i < 12; ++i) ring.pop();
  EXPECT_EQ(ring.size(), 0);
  for (int i = 0; i < 12; ++i) ring.pushAdd(1.0f);
  EXPECT_EQ(ring.size(), 5);
  EXPECT_FALSE(diag::takeLines().empty());

  ring.clear();
  for (float x : {1.0f, 2.0f}) ring.push(x);
  EXPECT_EQ(ring.pop(), 1.0f);
  EXPECT_EQ(ring.pop(), 2.0f);
  expectNoLines();
}

TEST_F(RingbufferTest, CapacityBelowOneBecomesOne) {
  Ringbuffer ring(-3);
  EXPECT_EQ(ring.capacity(), 1);
  ring.push(2.0f);
  EXPECT_EQ(ring.peek(12345), 2.0f);
  EXPECT_EQ(ring.pop(), 2.0f);
  expectNoLines();
}

// The block forms must leave a ring exactly as the same single calls would, wherever
// the read position stands and whether or not the block runs into the oldest values.
TEST_F(RingbufferTest, BlockFormsMatchSingleCallsAcrossTheWrapAndOnOverflow) {
  for (int start = 0; start < 7; ++start) {
    for (int held : {0, 3, 9}) {
      for (int blockLength : {1, 5, 11, 13}) {
        SCOPED_TRACE(testing::Message() << start << " " << held << " " << blockLength);
        Ringbuffer single(11), block(11);
        for (Ringbuffer* ring : {&single, &block}) {
          for (int i = 0; i < start; ++i) ring->push(0.0f), ring->pop();
          for (int i = 0; i < held; ++i) ring->push(0.25f * i);
        }
        std::vector<double> values(blockLength);
        for (int j = 0; j < blockLength; ++j) values[j] = 0.1 * (j + 1) - 0.3;

        std::vector<double> peeked(blockLength);
        block.peekBlock(peeked.data(), blockLength);
        for (int j = 0; j < blockLength; ++j)
          ASSERT_EQ(peeked[j], static_cast<double>(single.peek(j)));

        for (int j = 0; j < blockLength; ++j) single.pushAdd(static_cast<float>(values[j] * 0.5));
        const auto singleLines = diag::takeLines();
        block.pushAddBlock(values.data(), blockLength, 0.5);
        EXPECT_EQ(diag::takeLines(), singleLines);
        ASSERT_EQ(block.size(), single.size());
        for (int j = 0; j < 11; ++j) ASSERT_EQ(block.peek(j), single.peek(j)) << j;
      }
    }
  }
}

// Two rings read side by side, each wrapping at its own place (or not at all), and a
// stretch that reaches beyond the storage: every value as the single peek gives it.
TEST_F(RingbufferTest, PeekingTwoRingsTogetherMatchesSinglePeeks) {
  for (int aStart : {0, 4, 10}) {
    for (int bStart : {0, 7}) {
      for (int first : {0, 3}) {
        for (int count : {1, 8, 11}) {
          SCOPED_TRACE(testing::Message()
                       << aStart << " " << bStart << " " << first << " " << count);
          Ringbuffer a(11), b(11);
          for (int i = 0; i < aStart; ++i) a.push(0.0f), a.pop();
          for (int i = 0; i < bStart; ++i) b.push(0.0f), b.pop();
          for (int i = 0; i < 11; ++i) a.push(1.0f + i), b.push(-1.0f - i);
          std::vector<int> seen;
          int stretches = 0;
          Ringbuffer::peekStretches(a, b, first, count,
                                    [&](int j, const float* fromA, const float* fromB, int length) {
                                      ASSERT_GT(length, 0);
                                      ++stretches;
                                      for (int i = 0; i < length; ++i) {
                                        seen.push_back(j + i);
                                        ASSERT_EQ(fromA[i], a.peek(j + i)) << j + i;
                                        ASSERT_EQ(fromB[i], b.peek(j + i)) << j + i;
                                      }
                                    });
          // Within the storage, a stretch ends only where one of the rings wraps.
          if (first + count <= 11) {
            EXPECT_LE(stretches, 3);
          }
          std::vector<int> expected(count);
          for (int j = 0; j < count; ++j) expected[j] = first + j;
          EXPECT_EQ(seen, expected);
        }
      }
    }
  }
  expectNoLines();
}

}  // namespace
