// The frame passes give, on every instruction-set path and through the public calls,
// exactly the bits of the plain per-sample code the engine's frames were worked out
// with: the windowing both ways round, with and without the difference, and the adds
// into the output ring with and without a second frame and scales.

#include "processor/frame_passes/frame_passes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "processor/frame_passes/paths.h"
#include "processor/instruction_set.h"

namespace {

using framepassdetail::FramePassPath;

// Audio-range floats with zeros of both signs, huge and subnormal values and a NaN
// mixed in, so that every product and sum rounds and the special values pass through.
std::vector<float> testFloats(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
  std::vector<float> values(count);
  for (int i = 0; i < count; ++i) {
    switch (i % 13) {
      case 3:
        values[i] = 0.0f;
        break;
      case 5:
        values[i] = -0.0f;
        break;
      case 7:
        values[i] = uniform(random) * 3.0e38f;
        break;
      case 11:
        values[i] = uniform(random) * 1.0e-40f;
        break;
      default:
        values[i] = uniform(random);
    }
  }
  values[count / 2] = std::numeric_limits<float>::quiet_NaN();
  return values;
}

std::vector<double> testDoubles(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> values(count);
  for (double& v : values) v = uniform(random);
  for (int i = 1; i < count; i += 17) values[i] *= 1.0e300;
  return values;
}

template <class T>
bool sameBits(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

std::vector<const FramePassPath*> paths() {
  std::vector<const FramePassPath*> all{&framepassdetail::kSse2FramePasses};
  if (avx2Supported()) all.push_back(&framepassdetail::kAvx2FramePasses);
  return all;
}

// Lengths of no vector, of odd ends, of whole and split chunks, and of a whole half.
constexpr int kLengths[] = {1, 3, 7, 255, 256, 257, 1000, 4096};

TEST(FramePasses, WindowingGivesThePlainLoopsBitsBothWaysRound) {
  constexpr int kMax = 4096;
  const auto omni = testFloats(kMax, 1);
  const auto eight = testFloats(kMax, 2);
  const auto windowValues = testDoubles(kMax, 3);
  for (int count : kLengths) {
    for (bool falling : {false, true}) {
      for (bool difference : {false, true}) {
        SCOPED_TRACE(testing::Message()
                     << count << " falling " << falling << " difference " << difference);
        // A falling window is read backwards from its last value.
        const double* window = falling ? windowValues.data() + kMax - 1 : windowValues.data();
        std::vector<double> expectedOmni(count), expectedEight(count);
        for (int i = 0; i < count; ++i) {
          const double w = falling ? window[-i] : window[i];
          const double eightWindowed = eight[i] * w;
          expectedEight[i] = eightWindowed;
          expectedOmni[i] = difference ? omni[i] * w - eightWindowed : omni[i] * w;
        }
        std::vector<double> omniOut(count), eightOut(count);
        windowStretch(omni.data(), eight.data(), window, falling, difference, count, omniOut.data(),
                      eightOut.data());
        EXPECT_TRUE(sameBits(omniOut, expectedOmni));
        EXPECT_TRUE(sameBits(eightOut, expectedEight));
        for (const FramePassPath* path : paths()) {
          std::vector<double> pathOmni(count), pathEight(count);
          path->window[falling][difference](omni.data(), eight.data(), window, count,
                                            pathOmni.data(), pathEight.data());
          EXPECT_TRUE(sameBits(pathOmni, expectedOmni)) << path->name;
          EXPECT_TRUE(sameBits(pathEight, expectedEight)) << path->name;
        }
      }
    }
  }
}

TEST(FramePasses, AddingGivesThePlainLoopsBitsWithAndWithoutASecondFrame) {
  constexpr int kMax = 4096;
  const auto a = testDoubles(kMax, 4);
  const auto b = testDoubles(kMax, 5);
  const auto slotsBefore = testFloats(kMax, 6);
  struct Case {
    bool hasB;
    double aScale;
    double bScale;
  };
  // The engine's four: the mix, half of each capsule, a transformed frame alone, an
  // unweighted frame alone; and a second frame scaled by exactly one.
  const Case cases[] = {{true, 1.0 / 4096.0, 1.0}, {true, 0.5, 0.5}, {false, 1.0 / 4096.0, 1.0},
                        {false, 1.0, 1.0},         {true, 1.0, 1.0}, {true, 1.0, -3.0}};
  for (int count : kLengths) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message()
                   << count << " b " << c.hasB << " scales " << c.aScale << " " << c.bScale);
      std::vector<float> expected(slotsBefore.begin(), slotsBefore.begin() + count);
      for (int i = 0; i < count; ++i) {
        const double value = c.hasB ? a[i] * c.aScale + b[i] * c.bScale : a[i] * c.aScale;
        expected[i] += static_cast<float>(value);
      }
      const double* second = c.hasB ? b.data() : nullptr;
      std::vector<float> slots(slotsBefore.begin(), slotsBefore.begin() + count);
      addIntoStretch(slots.data(), a.data(), c.aScale, second, c.bScale, count);
      EXPECT_TRUE(sameBits(slots, expected));
      for (const FramePassPath* path : paths()) {
        std::vector<float> pathSlots(slotsBefore.begin(), slotsBefore.begin() + count);
        path->add[c.hasB][c.aScale != 1.0][c.hasB && c.bScale != 1.0](
            pathSlots.data(), a.data(), c.aScale, second, c.bScale, count);
        EXPECT_TRUE(sameBits(pathSlots, expected)) << path->name;
      }
    }
  }
}

TEST(FramePasses, TheChosenPathIsAVX2WhereItRuns) {
  EXPECT_EQ(&framepassdetail::activeFramePasses(), avx2Supported()
                                                       ? &framepassdetail::kAvx2FramePasses
                                                       : &framepassdetail::kSse2FramePasses);
}

}  // namespace
