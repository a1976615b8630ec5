// Random settings across the parameter ranges: the curve keeps its promises for every
// setting a user can make, at the common sample rates.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "controller/parameter_table.h"
#include "curve_reference.h"
#include "processor/curve.h"

namespace {

using curve_test::engineCurve;
using curve_test::kBinCount;
using curve_test::pointAt;
using curve_test::ReferenceSpline;

constexpr int kSettingsPerRate = 400;
constexpr double kRounding = 1e-12;

class RandomSettings : public ::testing::TestWithParam<double> {
 protected:
  // Plain values reach the engine as 32-bit floats.
  float plainValue(ParameterId id, double normalized) {
    return static_cast<float>(normalizedToPlain(id, normalized));
  }

  // Types anywhere in 0 .. 1, with the values users snap to (and equal neighbours)
  // coming up often.
  float randomType() {
    constexpr float kSnapped[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
    if (coin_(random_) < 0.3) return kSnapped[std::uniform_int_distribution<int>(0, 4)(random_)];
    return plainValue(kLowType, coin_(random_));
  }

  std::vector<ControlPoint> randomSetting(double sampleRate) {
    const float lowType = randomType(), midType = randomType(), highType = randomType();
    return {pointAt(plainValue(kLowFrequency, coin_(random_)), lowType, sampleRate),
            pointAt(plainValue(kMidFrequency, coin_(random_)), midType, sampleRate),
            pointAt(plainValue(kHighFrequency, coin_(random_)), highType, sampleRate)};
  }

  std::mt19937 random_{20240611};
  std::uniform_real_distribution<double> coin_{0.0, 1.0};
};

TEST_P(RandomSettings, HoldOuterTypesStayBetweenNeighboursAndMatchTheReference) {
  const double sampleRate = GetParam();
  for (int setting = 0; setting < kSettingsPerRate; ++setting) {
    const auto points = randomSetting(sampleRate);
    const auto curve = engineCurve(points);
    const ReferenceSpline reference(points);
    const double lowestType = std::min({points[0].type, points[1].type, points[2].type});
    const double highestType = std::max({points[0].type, points[1].type, points[2].type});
    SCOPED_TRACE(::testing::Message() << "types " << points[0].type << " " << points[1].type << " "
                                      << points[2].type << ", positions " << points[0].position
                                      << " " << points[1].position << " " << points[2].position);

    for (int i = 0; i < kBinCount; ++i) {
      const double bin = i;
      ASSERT_NEAR(curve[i], reference.at(bin), 1e-10) << "bin " << i;
      if (bin < points[0].position) {
        ASSERT_EQ(curve[i], points[0].type) << "bin " << i;
      } else if (bin > points[2].position) {
        ASSERT_EQ(curve[i], points[2].type) << "bin " << i;
      } else {
        const int segment = bin <= points[1].position ? 1 : 2;
        const double a = points[segment - 1].type, b = points[segment].type;
        ASSERT_GE(curve[i], std::min(a, b) - kRounding) << "bin " << i;
        ASSERT_LE(curve[i], std::max(a, b) + kRounding) << "bin " << i;
        ASSERT_GE(curve[i], lowestType) << "bin " << i;
        ASSERT_LE(curve[i], highestType) << "bin " << i;
        // Monotone towards the segment's right type, counted from the previous bin
        // (the segment's left point itself when it lies between the two bins).
        const double previous = bin - 1.0 < points[segment - 1].position ? a : curve[i - 1];
        if (b >= a) {
          ASSERT_GE(curve[i], previous - kRounding) << "bin " << i;
        }
        if (b <= a) {
          ASSERT_LE(curve[i], previous + kRounding) << "bin " << i;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SampleRates, RandomSettings, ::testing::Values(44100.0, 48000.0, 96000.0),
                         [](const auto& info) {
                           return std::to_string(static_cast<int>(info.param));
                         });

}  // namespace
