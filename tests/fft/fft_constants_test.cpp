// The rotation constants of the twiddle recurrence are the correctly rounded values.

#include <gtest/gtest.h>

#include <cmath>

#include "processor/fft/rotation_constants.h"

namespace {

using fftdetail::rotationConstants;

TEST(RotationConstants, AreCorrectlyRoundedForEverySize) {
  const long double pi = std::acos(-1.0L);
  for (int size = 8; size <= 8192; size *= 2) {
    const long double halfStep = pi / size;
    const long double sine = std::sin(halfStep);
    EXPECT_EQ(rotationConstants(size).alpha, static_cast<double>(2.0L * sine * sine))
        << "size " << size;
    EXPECT_EQ(rotationConstants(size).beta, static_cast<double>(std::sin(2.0L * halfStep)))
        << "size " << size;
  }
}

TEST(RotationConstants, AlphaIsTheHalfAngleForm) {
  EXPECT_EQ(rotationConstants(8).alpha, 0.2928932188134525);
  EXPECT_EQ(rotationConstants(4096).alpha, 1.1765482980900709e-6);
}

}  // namespace
