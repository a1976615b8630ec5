#include "controller/parameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr bool kStereo = LOBESHIFT_STEREO;

struct Row {
  const char* title;
  const char* units;
  double minimum, maximum, defaultValue, normalizedDefault;
};

const Row kRows[] = {
    {"Low Type", "", 0, 1, 0.5, 0.5},
    {"Low Frequency", "Hz", 20, 100, 50, 0.375},
    {"Mid Type", "", 0, 1, 0.5, 0.5},
    {"Mid Frequency", "Hz", 200, 3000, 1000, 2.0 / 7.0},
    {"High Type", "", 0, 1, 0.5, 0.5},
    {"High Frequency", "Hz", 5000, 20000, 10000, 1.0 / 3.0},
    {"Mic Omni Type", "", 0, 2, 0, 0},
    {"Mic Eight Type", "", 0, 2, 0, 0},
    {"Solo State", "", 0, 6, 0, 0},
    {"Proximity Compensation", "", 0, 1, 0, 0},
    {kStereo ? "MicL Omni Gain" : "Mic Omni Gain", "dB", -6, 6, 0, 0.5},
    {kStereo ? "MicL Eight Gain" : "Mic Eight Gain", "dB", -6, 6, 0, 0.5},
    {"MicR Omni Gain", "dB", -6, 6, 0, 0.5},
    {"MicR Eight Gain", "dB", -6, 6, 0, 0.5},
};

TEST(ParameterTable, RowsOfThisBuild) {
  EXPECT_EQ(kParameterCount, kStereo ? 14u : 12u);
  for (ParameterId id = 0; id < kParameterTableRows; ++id) {
    SCOPED_TRACE(id);
    const Row& row = kRows[id];
    if (id < kParameterCount) {
      EXPECT_STREQ(parameterTitle(id), row.title);
    } else {
      EXPECT_STREQ(parameterTitle(id), "invalid Parameter");
    }
    // Units and ranges cover all 14 rows in both builds.
    EXPECT_STREQ(parameterUnits(id), row.units);
    EXPECT_EQ(parameterMinimum(id), row.minimum);
    EXPECT_EQ(parameterMaximum(id), row.maximum);
    EXPECT_EQ(parameterDefault(id), row.defaultValue);
    EXPECT_DOUBLE_EQ(parameterNormalizedDefault(id), row.normalizedDefault);
  }
}

TEST(ParameterTable, IdsOutsideTheTable) {
  for (ParameterId id : {14u, 15u, 100u, 0xFFFFFFFFu}) {
    EXPECT_EQ(parameterDefault(id), 0.0);
    EXPECT_EQ(parameterMinimum(id), 0.0);
    EXPECT_EQ(parameterMaximum(id), 0.0);
    EXPECT_STREQ(parameterTitle(id), "invalid Parameter");
    EXPECT_STREQ(parameterUnits(id), "invalid Parameter");
    EXPECT_EQ(plainToNormalized(id, 3.0), 0.0);
  }
}

#if !LOBESHIFT_STEREO
TEST(ParameterTable, MonoKeepsRangesButNotTitlesOfTheSecondPair) {
  EXPECT_STREQ(parameterTitle(12), "invalid Parameter");
  EXPECT_STREQ(parameterUnits(12), "dB");
  EXPECT_EQ(parameterMinimum(13), -6.0);
}
#endif

TEST(LinearLaw, BothWaysForEveryParameter) {
  for (ParameterId id = 0; id < kParameterTableRows; ++id) {
    for (double n : {0.0, 0.1, 0.25, 0.5, 0.9999, 1.0}) {
      const double plain = normalizedToPlain(id, n);
      EXPECT_NEAR(plainToNormalized(id, plain), n, 1e-15) << id;
    }
  }
  EXPECT_EQ(normalizedToPlain(kLowFrequency, 0.0), 20.0);
  EXPECT_EQ(normalizedToPlain(kLowFrequency, 1.0), 100.0);
  EXPECT_EQ(normalizedToPlain(kMidFrequency, 0.5), 1600.0);  // linear, not logarithmic
  EXPECT_EQ(normalizedToPlain(kHighFrequency, 0.5), 12500.0);
  EXPECT_EQ(normalizedToPlain(kMicLOmniGain, 0.0), -6.0);
  EXPECT_EQ(normalizedToPlain(kMicLOmniGain, 1.0), 6.0);
}

float plainAsFloat(ParameterId id, double normalized) {
  return static_cast<float>(normalizedToPlain(id, normalized));
}

TEST(IntegerParameters, TruncateAfterSinglePrecision) {
  EXPECT_FLOAT_EQ(plainAsFloat(kMicOmniType, 0.49), 0.98f);
  EXPECT_EQ(parameterInteger(plainAsFloat(kMicOmniType, 0.49)), 0);
  EXPECT_EQ(parameterInteger(plainAsFloat(kMicOmniType, 0.5)), 1);
  EXPECT_EQ(parameterInteger(plainAsFloat(kMicOmniType, 1.0)), 2);  // the model list clamps it
  for (int k = 0; k <= 6; ++k) {
    // In double, 5/6 * 6 is 4.999...; single precision rounds it to 5.
    EXPECT_EQ(parameterInteger(plainAsFloat(kSoloState, k / 6.0)), k) << k;
  }
  EXPECT_EQ(parameterInteger(-0.5f), 0);  // toward zero
  EXPECT_EQ(parameterInteger(-1.5f), -1);
  EXPECT_EQ(parameterInteger(std::nanf("")), 0);
  EXPECT_EQ(parameterInteger(1e30f), 0);
}

TEST(OnOffParameter, OnlyExactlyOneIsOn) {
  EXPECT_NE(plainAsFloat(kProximityCompensation, 0.9999), 1.0f);
  EXPECT_EQ(plainAsFloat(kProximityCompensation, 1.0), 1.0f);
}

}  // namespace
