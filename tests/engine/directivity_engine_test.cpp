#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine_reference.h"
#include "engine_test_support.h"
#include "platform/diagnostics.h"

namespace {

constexpr int kLatency = 8192;
constexpr int kHop = 4096;

class DirectivityEngine : public ::testing::Test {
 protected:
  void TearDown() override { diag::takeLines(); }
};

// The first frame overlaps a hop of silence taken in before the input: nothing comes
// out for 4096 samples, then that silence (up to rounding), then the input from its
// first sample on, whole, 8192 samples late.
TEST_F(DirectivityEngine, FreshEngineIsSilentThenDelaysTheInputWithoutAFade) {
  PlugIn_DirectivityEngine engine(48000.0);
  setAllTypes(engine, 1.0f);  // omni everywhere: the output is the omni input
  const auto omni = noise(5 * kHop, 1), eight = noise(5 * kHop, 2);
  const auto out = runEngine(engine, omni, eight, 256);
  for (int n = 0; n < kHop; ++n) ASSERT_EQ(out[n], 0.0f) << n;
  for (int n = kHop; n < kLatency; ++n) ASSERT_NEAR(out[n], 0.0f, 1e-6) << n;
  for (std::size_t n = kLatency; n < out.size(); ++n)
    ASSERT_NEAR(out[n], omni[n - kLatency], 1e-6) << n;
}

TEST_F(DirectivityEngine, AllTypesOmniGivesTheGainedOmniDelayed) {
  PlugIn_DirectivityEngine engine(44100.0);
  setAllTypes(engine, 1.0f);
  engine.updateParameter(10, 6.0f);
  engine.updateParameter(11, -3.0f);
  const auto omni = noise(6 * kHop, 3), eight = noise(6 * kHop, 4);
  const auto out = runEngine(engine, omni, eight, 100);
  const float gain = static_cast<float>(std::pow(10.0, 6.0 / 20.0));
  for (std::size_t n = kLatency; n < out.size(); ++n)
    ASSERT_NEAR(out[n], gain * omni[n - kLatency], 2e-6) << n;
}

TEST_F(DirectivityEngine, SoloStatesBeforeTheWeighting) {
  const auto omni = noise(6 * kHop, 5), eight = noise(6 * kHop, 6);
  {
    PlugIn_DirectivityEngine engine(48000.0);
    engine.updateParameter(0, 0.0f);  // any curve: solo 1 does not weight
    engine.updateParameter(4, 0.2f);
    engine.updateParameter(10, -2.0f);
    engine.updateParameter(8, 1.0f);
    const auto out = runEngine(engine, omni, eight, 512);
    const float gain = static_cast<float>(std::pow(10.0, -2.0 / 20.0));
    for (std::size_t n = kLatency; n < out.size(); ++n)
      ASSERT_NEAR(out[n], gain * omni[n - kLatency], 2e-6);
  }
  {
    PlugIn_DirectivityEngine engine(48000.0);
    engine.updateParameter(8, 2.0f);  // half the sum of identical signals is that signal
    const auto out = runEngine(engine, omni, omni, 512);
    for (std::size_t n = kLatency; n < out.size(); ++n)
      ASSERT_NEAR(out[n], omni[n - kLatency], 2e-6);
  }
}

TEST_F(DirectivityEngine, SoloFiveSoundsLikeNoSolo) {
  const auto omni = noise(5 * kHop, 7), eight = noise(5 * kHop, 8);
  PlugIn_DirectivityEngine normal(48000.0), soloFive(48000.0);
  for (auto* engine : {&normal, &soloFive}) {
    engine->updateParameter(0, 1.0f);
    engine->updateParameter(4, 0.0f);
  }
  soloFive.updateParameter(8, 5.0f);
  EXPECT_EQ(runEngine(normal, omni, eight, 333), runEngine(soloFive, omni, eight, 333));
}

TEST_F(DirectivityEngine, SoloValuesOutsideTheTableKeepTheSoloInForce) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(8, 3.0f);
  engine.updateParameter(8, 7.0f);
  engine.updateParameter(8, -1.0f);
  const SoloFlags& flags = engine.soloFlags();
  EXPECT_FALSE(flags.omniPre);
  EXPECT_TRUE(flags.eightPre);
  EXPECT_FALSE(flags.omniPost);
  EXPECT_FALSE(flags.eightPost);
  EXPECT_EQ(engine.getParameter(8), 0.0f);  // a solo is never reported
}

TEST_F(DirectivityEngine, ProximityCompensationSwitchesOnlyAtExactlyOne) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(9, 1.0f);
  EXPECT_EQ(engine.getParameter(9), 1.0f);
  EXPECT_EQ(engine.proximityFilter(), &proximityFilterRovaE1);  // model 0 is the first figure-eight
  engine.updateParameter(9, 0.5f);
  EXPECT_EQ(engine.getParameter(9), 0.0f);
  EXPECT_EQ(engine.proximityFilter(), &proximityFilterRovaE1);  // switched off, still chosen
}

TEST_F(DirectivityEngine, ChangingTheFigureEightModelClearsTheFilterStateOnlyOnAChange) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(9, 1.0f);
  const auto ones = std::vector<float>(1000, 1.0f);
  runEngine(engine, ones, ones, 1000);
  EXPECT_NE(engine.proximityState().filterOutput, 0.0);
  engine.updateParameter(7, 0.0f);  // the current model
  EXPECT_NE(engine.proximityState().filterOutput, 0.0);
  engine.updateParameter(7, 1.0f);
  EXPECT_EQ(engine.proximityState().filterOutput, 0.0);
  EXPECT_EQ(engine.proximityState().filterInput, 0.0);
  EXPECT_EQ(engine.proximityFilter(), &proximityFilterRovaE2);
  EXPECT_EQ(engine.getParameter(7), 1.0f);
}

// Blocks are cut at frame boundaries inside the engine: whatever the block size, the
// output, the peaks and the frames are those of one sample at a time.
TEST_F(DirectivityEngine, BlockSizesDoNotChangeTheOutputOrThePeaks) {
  const auto omni = noise(5 * kHop + 99, 13), eight = noise(5 * kHop + 99, 14);
  std::vector<float> reference;
  float referencePeaks[2] = {};
  for (int blockSize : {1, 7, 333, kHop, kHop + 1, 3 * kHop + 5}) {
    SCOPED_TRACE(blockSize);
    PlugIn_DirectivityEngine engine(48000.0);
    engine.updateParameter(0, 1.0f);
    engine.updateParameter(4, 0.0f);
    engine.updateParameter(9, 1.0f);  // the filtered figure-eight path as well
    const auto out = runEngine(engine, omni, eight, blockSize);
    float peaks[2] = {};
    engine.takePeaks(PlugIn_DirectivityEngine::kLevelTag, peaks);
    if (reference.empty()) {
      reference = out;
      referencePeaks[0] = peaks[0];
      referencePeaks[1] = peaks[1];
      continue;
    }
    EXPECT_EQ(out, reference);
    EXPECT_EQ(peaks[0], referencePeaks[0]);
    EXPECT_EQ(peaks[1], referencePeaks[1]);
  }
}

TEST_F(DirectivityEngine, EmptyBlocksChangeNothing) {
  PlugIn_DirectivityEngine a(48000.0), b(48000.0);
  const auto omni = noise(3 * kHop, 9), eight = noise(3 * kHop, 10);
  float dummy = 0.0f;
  const float* inputs[2] = {&dummy, &dummy};
  float* outputs[1] = {&dummy};
  b.processBlock(inputs, 2, outputs, 1, 0);
  EXPECT_EQ(runEngine(a, omni, eight, 64), runEngine(b, omni, eight, 64));
}

TEST_F(DirectivityEngine, MismatchedChannelCountsAreSkippedWithoutWriting) {
  PlugIn_DirectivityEngine engine(48000.0);
  float in[4] = {1, 1, 1, 1}, out[4] = {7, 7, 7, 7};
  const float* inputs[2] = {in, in};
  float* outputs[2] = {out, out};
  engine.processBlock(inputs, 2, outputs, 2, 4);
  for (float x : out) EXPECT_EQ(x, 7.0f);
  float peaks[2] = {-1, -1};
  engine.takePeaks(PlugIn_DirectivityEngine::kLevelTag, peaks);
  EXPECT_EQ(peaks[0], 0.0f);
}

TEST_F(DirectivityEngine, AFrameCompletingAtTheLastSampleIsReleasedFromTheNextSampleOn) {
  PlugIn_DirectivityEngine engine(48000.0);
  setAllTypes(engine, 1.0f);
  // One block that ends exactly where the frame that releases input sample 0 completes.
  const auto first = runEngine(engine, std::vector<float>(kLatency, 1.0f),
                               std::vector<float>(kLatency, 0.0f), kLatency);
  EXPECT_NEAR(first.back(), 0.0f, 1e-6);  // taken before the frame was processed
  const auto next = runEngine(engine, std::vector<float>(8, 1.0f), std::vector<float>(8, 0.0f), 8);
  EXPECT_NEAR(next[0], 1.0f, 1e-6);  // the frame's output, from the next block on, not faded
  EXPECT_NEAR(next[1], 1.0f, 1e-6);
}

TEST_F(DirectivityEngine, ResetRestartsTheLatency) {
  PlugIn_DirectivityEngine engine(48000.0), fresh(48000.0);
  for (auto* e : {&engine, &fresh}) {
    e->updateParameter(0, 1.0f);
    e->updateParameter(4, 0.0f);
  }
  const auto omni = noise(4 * kHop, 11), eight = noise(4 * kHop, 12);
  runEngine(engine, omni, eight, 512);
  engine.reset();
  const auto out = runEngine(engine, omni, eight, 512);
  for (int n = 0; n < kHop; ++n) ASSERT_EQ(out[n], 0.0f);
  // Exactly as a fresh engine: the same hop of silence before the first frame.
  EXPECT_EQ(out, runEngine(fresh, omni, eight, 512));
}

TEST_F(DirectivityEngine, PeaksAreTakenOnceAndAfterTheGain) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(10, 6.0f);
  std::vector<float> omni(100, 0.1f), eight(100, 0.0f);
  omni[40] = -0.5f;
  eight[10] = 0.25f;
  eight[20] = std::numeric_limits<float>::quiet_NaN();  // never a peak
  runEngine(engine, omni, eight, 64);
  float peaks[2] = {};
  engine.takePeaks(12345, peaks);  // other kinds do nothing
  EXPECT_EQ(peaks[0], 0.0f);
  engine.takePeaks(PlugIn_DirectivityEngine::kLevelTag, peaks);
  EXPECT_FLOAT_EQ(peaks[0], 0.5f * static_cast<float>(std::pow(10.0, 0.3)));
  EXPECT_FLOAT_EQ(peaks[1], 0.25f);
  engine.takePeaks(PlugIn_DirectivityEngine::kLevelTag, peaks);
  EXPECT_EQ(peaks[0], 0.0f);
  EXPECT_EQ(peaks[1], 0.0f);
}

TEST_F(DirectivityEngine, ParametersReportWhatWasSet) {
  PlugIn_DirectivityEngine engine(44100.0);
  EXPECT_FLOAT_EQ(engine.getParameter(1), 50.0f);
  EXPECT_FLOAT_EQ(engine.getParameter(3), 1000.0f);
  EXPECT_FLOAT_EQ(engine.getParameter(5), 10000.0f);
  EXPECT_FLOAT_EQ(engine.getParameter(10), 0.0f);
  engine.updateParameter(11, -6.0f);
  EXPECT_NEAR(engine.getParameter(11), -6.0f, 1e-5);
  engine.updateParameter(6, 1.7f);
  EXPECT_EQ(engine.getParameter(6), 1.0f);
  diag::takeLines();
  EXPECT_EQ(engine.getParameter(12), 0.0f);
  engine.updateParameter(12, 1.0f);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "trying to get parameter 12, which is not defined\n");
  EXPECT_EQ(lines[1], "Processor: update parameter: 12 \t value: 1.000000\n");
  EXPECT_EQ(lines[2], "trying to update parameter 12, which is not defined\n");
}

TEST_F(DirectivityEngine, ASampleRateChangeKeepsTheFrequencies) {
  PlugIn_DirectivityEngine engine(44100.0);
  engine.updateParameter(0, 1.0f);
  engine.updateParameter(3, 1000.0f);
  engine.updateParameter(4, 0.0f);
  engine.setSampleRate(48000.0);
  EXPECT_FLOAT_EQ(engine.getParameter(3), 1000.0f);
  EXPECT_FLOAT_EQ(engine.getParameter(1), 50.0f);
  PlugIn_DirectivityEngine fresh(48000.0);
  fresh.updateParameter(0, 1.0f);
  fresh.updateParameter(4, 0.0f);
  for (int k = 0; k < PlugIn_DirectivityEngine::kCurveLength; ++k)
    ASSERT_EQ(engine.curve()[k], fresh.curve()[k]) << k;
}

TEST_F(DirectivityEngine, CreationComputesTheFlatDefaultCurve) {
  PlugIn_DirectivityEngine engine(48000.0);
  for (int k = 0; k < PlugIn_DirectivityEngine::kCurveLength; ++k)
    ASSERT_EQ(engine.curve()[k], 0.5);
}

// The engine against a recomputation from the definition, over random settings.
TEST_F(DirectivityEngine, MatchesAnIndependentRecomputation) {
  std::mt19937 random(2024);
  auto uniform = [&](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(random);
  };
  const int soloStates[] = {0, 1, 2, 3, 4, 5, 6};
  const double rates[] = {44100.0, 48000.0, 96000.0};
  for (int trial = 0; trial < 10; ++trial) {
    SCOPED_TRACE(trial);
    ReferenceSetting s;
    s.sampleRate = rates[trial % 3];
    for (float& type : s.types) type = float(uniform(0, 1));
    s.frequencies[0] = float(uniform(20, 100));
    s.frequencies[1] = float(uniform(200, 3000));
    s.frequencies[2] = float(uniform(5000, 20000));
    s.omniGainDb = float(uniform(-6, 6));
    s.eightGainDb = float(uniform(-6, 6));
    s.soloState = soloStates[trial % 7];
    const int model = trial % 2;
    s.proximity = trial % 3 != 0;
    const ProximityShelf& shelf = model == 0 ? kShelfRovaE1 : kShelfRovaE2;
    s.shelfCornerFactor = shelf.cornerFactor;
    s.shelfMix = shelf.mix;

    PlugIn_DirectivityEngine engine(s.sampleRate);
    for (int p = 0; p < 3; ++p) {
      engine.updateParameter(2 * p, s.types[p]);
      engine.updateParameter(2 * p + 1, s.frequencies[p]);
    }
    engine.updateParameter(10, s.omniGainDb);
    engine.updateParameter(11, s.eightGainDb);
    engine.updateParameter(7, float(model));
    engine.updateParameter(9, s.proximity ? 1.0f : 0.0f);
    engine.updateParameter(8, float(s.soloState));

    const std::size_t length = 6 * kHop + 1234;
    const auto omni = noise(length, 100 + trial), eight = noise(length, 200 + trial);
    const auto out = runEngine(engine, omni, eight, 1 + trial * 97);
    const auto expected = referenceOutput(s, omni, eight);
    double worst = 0.0;
    for (std::size_t n = 0; n < length; ++n)
      worst = std::max(worst, std::fabs(out[n] - expected[n]));
    EXPECT_LT(worst, 1e-5);
  }
}

}  // namespace
