#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine_test_support.h"
#include "platform/diagnostics.h"
#include "processor/flush_denormals.h"

namespace {

// Runs a constant or alternating input through the engine's chosen shelf.
double settle(PlugIn_DirectivityEngine& engine, bool alternating, int samples) {
  double y = 0.0;
  for (int i = 0; i < samples; ++i) {
    const double x = alternating ? (i % 2 ? -1.0 : 1.0) : 1.0;
    y = engine.proximityFilter()(engine, x);
  }
  return y;
}

TEST(ProximityFilter, PolesOfBothShelves) {
  const double kE1 = std::tan(628.3185307179587 / 44100.0 * 0.5) * kShelfRovaE1.cornerFactor;
  EXPECT_NEAR(kE1, 0.0081138, 5e-8);
  EXPECT_NEAR(proximityPole(kShelfRovaE1, 44100.0), 0.9839030, 5e-8);
  const double kE2 = std::tan(628.3185307179587 / 48000.0 * 0.5) * kShelfRovaE2.cornerFactor;
  EXPECT_NEAR(kE2, 0.0109085, 5e-8);
  EXPECT_NEAR(proximityPole(kShelfRovaE2, 48000.0), 0.9784185, 5e-8);
  EXPECT_EQ(kShelfRovaE2.mix, 1.4 - 1.0);  // a hair below 0.4, as the shelf has always used
  EXPECT_LT(kShelfRovaE2.mix, 0.4);
}

TEST(ProximityFilter, ShelfGainsAtZeroAndNyquist) {
  PlugIn_DirectivityEngine e1(44100.0);
  e1.updateParameter(9, 1.0f);
  ASSERT_EQ(e1.proximityFilter(), &proximityFilterRovaE1);
  EXPECT_NEAR(settle(e1, false, 200000), 2.512, 1e-9);

  PlugIn_DirectivityEngine e2(48000.0);
  e2.updateParameter(7, 1.0f);
  e2.updateParameter(9, 1.0f);
  ASSERT_EQ(e2.proximityFilter(), &proximityFilterRovaE2);
  EXPECT_NEAR(settle(e2, false, 200000), 1.4, 1e-9);

  PlugIn_DirectivityEngine nyquist(48000.0);
  nyquist.updateParameter(9, 1.0f);
  EXPECT_NEAR(std::fabs(settle(nyquist, true, 200000)), 1.0, 1e-9);
  diag::takeLines();
}

TEST(ProximityFilter, ModelsWithoutAShelf) {
  EXPECT_EQ(proximityFilterForModel("Rova O1"), nullptr);
  EXPECT_EQ(proximityFilterForModel("Rova E1 "), nullptr);  // whole names only
  EXPECT_EQ(proximityFilterForModel("rova e1"), nullptr);
  EXPECT_EQ(proximityFilterForModel(""), nullptr);
  EXPECT_EQ(proximityFilterForModel("Rova E2"), &proximityFilterRovaE2);
  EXPECT_EQ(proximityShelfOf(nullptr), nullptr);
}

TEST(ProximityFilter, TheShelfShapesTheFigureEightBeforeItsGain) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(11, 6.0f);
  engine.updateParameter(9, 1.0f);
  const std::vector<float> ones(48000, 1.0f);
  runEngine(engine, ones, ones, 480);
  float peaks[2];
  engine.takePeaks(PlugIn_DirectivityEngine::kLevelTag, peaks);
  // The settled shelf (2.512) times the gain: the meter reads after both.
  EXPECT_NEAR(peaks[1], 2.512 * std::pow(10.0, 6.0 / 20.0), 1e-3);
  diag::takeLines();
}

}  // namespace

TEST(ProximityFilter, AfterTheInputStopsTheStateRestsAtItsBiasNeverInTheDenormalRange) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(9, 1.0f);
  const std::vector<float> sound = noise(48000, 3u);
  runEngine(engine, sound, sound, 512);
  const std::vector<float> silence(10 * 48000, 0.0f);
  {
    const ScopedFlushDenormals asInProcess;
    runEngine(engine, silence, silence, 512);
  }
  const ProximityFilterState& state = engine.proximityState();
  for (double value : {state.filterInput, state.filterOutput}) {
    EXPECT_EQ(std::fpclassify(value), FP_NORMAL);
    EXPECT_NEAR(value, 1e-20, 1e-30);  // what the filter adds to keep its recursion normal
  }
}

TEST(ProximityFilter, AStateThatIsNotFiniteStartsAgainFromRest) {
  PlugIn_DirectivityEngine poisoned(48000.0);
  PlugIn_DirectivityEngine fresh(48000.0);
  for (PlugIn_DirectivityEngine* engine : {&poisoned, &fresh}) engine->updateParameter(9, 1.0f);
  poisoned.proximityState().filterInput = std::numeric_limits<double>::infinity();
  poisoned.proximityState().filterOutput = std::numeric_limits<double>::quiet_NaN();
  const std::vector<float> sound = noise(3 * 8192, 4u);
  EXPECT_EQ(runEngine(poisoned, sound, sound, 512), runEngine(fresh, sound, sound, 512));
}
