// The VST 2 entry under a hostile host: NaN and infinite samples are silence, the output
// is finite, and the host's floating-point control word survives processReplacing.

#include <xmmintrin.h>

#include <cmath>

#include "tests/processor/bad_samples.h"
#include "vst2_fixture.h"

namespace vst2_test {
namespace {

constexpr unsigned kHostControlWord = 0x7FBF;  // as in the VST 3 entry's test

host::Vst2Channels renderWith(bool proximity, const host::Vst2Channels& input) {
  std::vector<float> parameters = figureEightSetting();
  parameters[kLowType] = 1.0f;
  parameters[kProximityCompensation] = proximity ? 1.0f : 0.0f;
  auto plugin = runningVst2();
  if (!plugin) return {};
  for (std::size_t index = 0; index < parameters.size(); ++index)
    plugin->setParameter(static_cast<int>(index), parameters[index]);
  return plugin->render(input, kBlock);
}

class Vst2NonFiniteBurst : public ::testing::TestWithParam<bad_samples::BurstCase> {};

TEST_P(Vst2NonFiniteBurst, SoundsExactlyAsIfTheBadSamplesWereSilence) {
  const auto [channel, proximity] = GetParam();
  auto bad = distinctSignals(kInputChannels, bad_samples::lengthForEveryBurst(kBlock));
  auto silenced = bad;
  silenced[channel] = bad_samples::plantEveryBurst(bad[channel], kBlock);
  const auto heard = renderWith(proximity, bad);
  const auto expected = renderWith(proximity, silenced);
  ASSERT_EQ(heard.size(), 2u);
  for (std::size_t out = 0; out < heard.size(); ++out) {
    for (float x : heard[out]) ASSERT_TRUE(std::isfinite(x)) << "output channel " << out;
    EXPECT_TRUE(heard[out] == expected[out]) << "output channel " << out;
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryInput, Vst2NonFiniteBurst,
    ::testing::ValuesIn(bad_samples::everyChannelWithAndWithoutProximity(kInputChannels)),
    bad_samples::burstCaseName);

TEST(Vst2BadInput, TheHostsControlWordSurvivesProcessReplacing) {
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  auto input = distinctSignals(kInputChannels, kBlock);
  std::vector<std::vector<float>> output(2, std::vector<float>(kBlock));
  std::vector<float*> inputs;
  for (auto& channel : input) inputs.push_back(channel.data());
  float* outputs[2] = {output[0].data(), output[1].data()};
  for (int block = 0; block < 3 * 4096 / kBlock; ++block) {
    _mm_setcsr(kHostControlWord);
    plugin->effect()->processReplacing(plugin->effect(), inputs.data(), outputs, kBlock);
    const unsigned after = _mm_getcsr();
    _mm_setcsr(0x1F80);
    ASSERT_EQ(after, kHostControlWord) << "block " << block;
  }
}

}  // namespace
}  // namespace vst2_test
