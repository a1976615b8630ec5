// Whatever a host sends in the audio buffers: NaN and infinite samples are silence, huge
// values stay finite, denormals are zeros, and the host's floating-point control word
// survives every process call.

#include <xmmintrin.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "tests/engine/engine_test_support.h"
#include "tests/plugin/plugin_fixture.h"
#include "tests/processor/bad_samples.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

// All exceptions masked, all their flags raised, rounding toward zero, flush modes off:
// no plug-in leaves this word behind by chance, and the test's own arithmetic can only
// raise flags that are already raised.
constexpr unsigned kHostControlWord = 0x7FBF;

bool allFinite(const host::Channels& channels) {
  return std::all_of(channels.begin(), channels.end(), [](const std::vector<float>& c) {
    return std::all_of(c.begin(), c.end(), [](float x) { return std::isfinite(x); });
  });
}

class BadInputTest : public PluginTest {
 protected:
  std::unique_ptr<host::PluginInstance> processingInstance(bool proximity) {
    auto instance = createInstance();
    if (!instance) return nullptr;
    startProcessing(*instance);
    // A curve from omni to figure-eight, so both capsules count; the default figure-eight
    // model has a proximity shelf.
    instance->setParameter(kLowType, 1.0);
    instance->setParameter(kHighType, 0.0);
    instance->setParameter(kProximityCompensation, proximity ? 1.0 : 0.0);
    return instance;
  }
};

class NonFiniteBurstTest : public BadInputTest,
                           public ::testing::WithParamInterface<bad_samples::BurstCase> {};

}  // namespace

TEST_P(NonFiniteBurstTest, SoundsExactlyAsIfTheBadSamplesWereSilence) {
  const auto [channel, proximity] = GetParam();
  const host::Channels clean = noiseInputs(bad_samples::lengthForEveryBurst(kBlock), 31u);
  host::Channels bad = clean;
  host::Channels silenced = clean;
  silenced[channel] = bad_samples::plantEveryBurst(bad[channel], kBlock);

  auto hostile = processingInstance(proximity);
  auto reference = processingInstance(proximity);
  ASSERT_TRUE(hostile && reference);
  const host::Channels heard = render(*hostile, bad);
  const host::Channels expected = render(*reference, silenced);
  ASSERT_EQ(heard.size(), expected.size());
  EXPECT_TRUE(allFinite(heard));
  for (std::size_t out = 0; out < heard.size(); ++out)
    EXPECT_TRUE(heard[out] == expected[out]) << "output channel " << out;

  // Nothing stuck: after the bursts the instance goes on like one that never heard them.
  const host::Channels more = noiseInputs(4 * 4096);
  EXPECT_TRUE(render(*hostile, more) == render(*reference, more));
}

INSTANTIATE_TEST_SUITE_P(
    EveryInput, NonFiniteBurstTest,
    ::testing::ValuesIn(bad_samples::everyChannelWithAndWithoutProximity(kInputChannels)),
    bad_samples::burstCaseName);

TEST_F(BadInputTest, HugeInputWithFullGainComesOutFinite) {
  auto instance = processingInstance(true);
  ASSERT_TRUE(instance);
  for (ParameterId id = kMicLOmniGain; id < kParameterCount; ++id) instance->setParameter(id, 1.0);
  host::Channels huge = noiseInputs(6 * 4096);
  for (auto& channel : huge)
    for (float& x : channel) x = x >= 0 ? std::numeric_limits<float>::max() : -3.0e38f;
  const host::Channels heard = render(*instance, huge);
  EXPECT_TRUE(allFinite(heard));
  const float largest = *std::max_element(heard[0].begin(), heard[0].end());
  EXPECT_EQ(largest, std::numeric_limits<float>::max());
}

TEST_F(BadInputTest, DenormalInputSoundsLikeSilence) {
  const std::size_t length = 5 * 4096;
  for (bool proximity : {false, true}) {
    host::Channels denormal;
    for (int channel = 0; channel < kInputChannels; ++channel)
      denormal.push_back(channel % 2 == 0 ? bad_samples::denormalSweep(length)
                                          : bad_samples::denormalNoise(length, 5u + channel));
    auto hostile = processingInstance(proximity);
    auto reference = processingInstance(proximity);
    ASSERT_TRUE(hostile && reference);
    const host::Channels heard = render(*hostile, denormal);
    const host::Channels silence =
        render(*reference, host::Channels(kInputChannels, std::vector<float>(length, 0.0f)));
    for (std::size_t out = 0; out < heard.size(); ++out)
      for (std::size_t i = 0; i < length; ++i)
        ASSERT_NEAR(heard[out][i], silence[out][i], 1e-30) << "proximity " << proximity;
  }
}

TEST_F(BadInputTest, TheHostsControlWordSurvivesEveryKindOfProcessCall) {
  auto instance = processingInstance(true);
  ASSERT_TRUE(instance);
  const host::Channels inputs = noiseInputs(kBlock);
  for (int channel = 0; channel < kInputChannels; ++channel)
    std::copy(inputs[channel].begin(), inputs[channel].end(),
              instance->buffers().inputChannel(0, channel));
  // Ordinary blocks, through the completion of frames.
  for (int block = 0; block < 3 * 4096 / kBlock; ++block) {
    _mm_setcsr(kHostControlWord);
    const tresult result = instance->process(kBlock);
    const unsigned after = _mm_getcsr();
    _mm_setcsr(0x1F80);
    ASSERT_EQ(result, kResultOk);
    ASSERT_EQ(after, kHostControlWord) << "block " << block;
  }
  // A parameter-only call returns before any audio.
  _mm_setcsr(kHostControlWord);
  const tresult parametersOnly = instance->processParametersOnly();
  const unsigned afterParameters = _mm_getcsr();
  _mm_setcsr(0x1F80);
  EXPECT_EQ(parametersOnly, kResultOk);
  EXPECT_EQ(afterParameters, kHostControlWord);
}

TEST_F(BadInputTest, DenormalsTheEngineProducesAreFlushedInsideProcess) {
  // The omni signal alone at -6 dB: an input of 1e-38, just above the denormal range,
  // gains into it. Outside process, as here, an engine passes the denormals on.
  const std::size_t length = 4 * 4096;
  const std::vector<float> tiny(length, 1e-38f);
  PlugIn_DirectivityEngine engine(kSampleRate);
  engine.updateParameter(kSoloState, 1.0f);
  engine.updateParameter(kMicLOmniGain, -6.0f);
  const std::vector<float> unflushed = runEngine(engine, tiny, tiny, kBlock);
  ASSERT_NE(unflushed.back(), 0.0f);
  ASSERT_EQ(std::fpclassify(unflushed.back()), FP_SUBNORMAL);

  // The real processor, with the same setting, flushes them: silence.
  auto instance = processingInstance(false);
  ASSERT_TRUE(instance);
  instance->setParameter(kSoloState, 1.0 / 6.0);
  instance->setParameter(kMicLOmniGain, 0.0);
  if (kPairCount == 2) instance->setParameter(kMicROmniGain, 0.0);
  const host::Channels heard = render(*instance, host::Channels(kInputChannels, tiny));
  for (const auto& channel : heard)
    EXPECT_TRUE(std::all_of(channel.begin(), channel.end(), [](float x) { return x == 0.0f; }));
}
