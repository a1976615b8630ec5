#include "tools/render/band_levels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace render {
namespace {

std::vector<float> sine(double frequency, double amplitude, double sampleRate = 48000.0,
                        std::size_t length = 48000) {
  std::vector<float> samples(length);
  for (std::size_t n = 0; n < length; ++n)
    samples[n] = static_cast<float>(amplitude *
                                    std::sin(2.0 * std::numbers::pi * frequency * n / sampleRate));
  return samples;
}

TEST(BandLevelsTest, ASineFallsIntoItsOwnOctave) {
  const auto energies = octaveBandEnergies(sine(1000.0, 0.5), 48000.0);
  ASSERT_EQ(energies.size(), octaveBandCentres().size());
  const std::size_t ownBand = 5;  // 1 kHz
  for (std::size_t band = 0; band < energies.size(); ++band) {
    if (band == ownBand) continue;
    EXPECT_LT(levelChange(energies[ownBand], energies[band]), -60.0) << band;
  }
}

TEST(BandLevelsTest, HalfTheAmplitudeIsSixDecibelsDown) {
  const auto full = octaveBandEnergies(sine(3000.0, 0.5), 48000.0);
  const auto half = octaveBandEnergies(sine(3000.0, 0.25), 48000.0);
  EXPECT_NEAR(levelChange(full[7], half[7]), -6.0206, 1e-3);
}

TEST(BandLevelsTest, BandsAboveNyquistStayEmptyAndShortSignalsStillCount) {
  const auto energies = octaveBandEnergies(sine(5000.0, 0.5, 16000.0, 1000), 16000.0);
  EXPECT_EQ(energies[9], 0.0);  // 16 kHz band, above 8 kHz Nyquist
  EXPECT_GT(energies[7], 0.0);
}

TEST(BandLevelsTest, LevelChangeOfSilence) {
  EXPECT_EQ(levelChange(1.0, 0.0), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(levelChange(0.0, 0.0), 0.0);
  EXPECT_NEAR(levelChange(1.0, 10.0), 10.0, 1e-12);
}

}  // namespace
}  // namespace render
