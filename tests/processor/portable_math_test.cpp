// The elementary functions that must give the same bits on every system: close to the exact
// values over the ranges the plug-in uses, exact where the plug-in relies on it.

#include "processor/portable_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr long double kEpsilon = std::numeric_limits<double>::epsilon();

TEST(PortableMath, TheWindowsCosinesAreWithinHalfAUnitOfTheExactOnes) {
  for (int i = 0; i <= 8190; ++i) {
    const double x = 2.0 * std::numbers::pi * i / 8190.0;
    EXPECT_LE(std::fabs(portable_math::cosine(x) - cosl(x)), kEpsilon) << i;
  }
  EXPECT_EQ(portable_math::cosine(0.0), 1.0);
  EXPECT_EQ(portable_math::cosine(-3.0), portable_math::cosine(3.0));
}

TEST(PortableMath, TangentLogarithmAndPowerOfTenStayWithinAFewUnitsInTheLastPlace) {
  for (int i = 1; i < 4000; ++i) {
    const double corner = i * 0.0001;  // the filters' corner angles and beyond
    EXPECT_LE(std::fabs(portable_math::tangent(corner) - tanl(corner)),
              2 * kEpsilon * tanl(corner));
  }
  for (int bin = 1; bin <= 8193; ++bin)
    EXPECT_LE(std::fabs(portable_math::log10(bin) - log10l(bin)),
              2 * kEpsilon * log10l(bin) + 1e-300)
        << bin;
  for (int tenth = -600; tenth <= 600; ++tenth) {  // gains of -60 to +60 dB
    const double exponent = tenth / 200.0;
    const long double exact = powl(10.0L, exponent);
    EXPECT_LE(std::fabs(portable_math::exp10(exponent) - exact), 5 * kEpsilon * exact) << tenth;
  }
}

TEST(PortableMath, ExactValuesAndSpecialArgumentsAreKept) {
  EXPECT_EQ(portable_math::log10(1.0), 0.0);
  EXPECT_EQ(portable_math::log10(1000.0), 3.0);
  EXPECT_EQ(portable_math::exp10(0.0), 1.0);
  EXPECT_EQ(static_cast<float>(portable_math::exp10(1.0)), 10.0f);  // +20 dB as a float gain
  EXPECT_TRUE(std::isinf(portable_math::log10(0.0)));
  EXPECT_TRUE(std::isnan(portable_math::log10(-1.0)));
  EXPECT_EQ(portable_math::exp10(-1000.0), 0.0);
  EXPECT_TRUE(std::isnan(portable_math::cosine(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
