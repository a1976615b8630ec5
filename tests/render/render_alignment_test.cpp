// The real tool on the real bundles: output frame n belongs to input frame n, the
// output has the input's length, and the block size changes nothing.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/render/scratch_folder.h"
#include "tests/render/tool_process.h"

namespace render_test {
namespace {

constexpr std::size_t kLength = 30011;  // several 4096-sample hops and an odd remainder

float largestDifference(const std::vector<float>& actual, const std::vector<float>& expected,
                        float scale = 1.0f) {
  float largest = 0.0f;
  for (std::size_t n = 0; n < std::min(actual.size(), expected.size()); ++n)
    largest = std::max(largest, std::fabs(actual[n] - scale * expected[n]));
  return largest;
}

float decibelsToFactor(double decibels) {
  return static_cast<float>(std::pow(10.0, decibels / 20.0));
}

class RenderAlignmentTest : public ::testing::Test {
 protected:
  // Renders `input` and returns the result, expecting success.
  Audio render(const Channels& input, std::vector<std::string> extra = {}) {
    writeAudio(folder.file("in.wav"), input);
    std::vector<std::string> arguments{"--in", folder.file("in.wav"), "--out",
                                       folder.file("out.wav")};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const ToolRun run = runRenderTool(arguments);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    return readAudio(folder.file("out.wav"));
  }

  ScratchFolder folder;
};

TEST_F(RenderAlignmentTest, StereoWithAllTypesOmniReturnsTheGainedOmniOfEachPair) {
  const Channels input = {noise(kLength, 1), noise(kLength, 2), noise(kLength, 3),
                          noise(kLength, 4)};
  const Audio output =
      render(input, {"--set", "Low Type=1", "--set", "Mid Type=1", "--set", "High Type=1", "--set",
                     "MicL Omni Gain=-6 dB", "--set", "MicR Omni Gain=3"});
  ASSERT_EQ(output.channels.size(), 2u);
  ASSERT_EQ(output.frames(), kLength);
  EXPECT_LT(largestDifference(output.channels[0], input[0], decibelsToFactor(-6.0)),
            1e-5f);  // MicL omni
  EXPECT_LT(largestDifference(output.channels[1], input[1], decibelsToFactor(3.0)),
            1e-5f);  // MicR omni
}

TEST_F(RenderAlignmentTest, MonoWithAllTypesOmniReturnsTheGainedOmniOnBothOutputs) {
  const Channels input = {noise(kLength, 5), noise(kLength, 6)};
  const Audio output = render(input, {"--set", "Low Type=1", "--set", "Mid Type=1", "--set",
                                      "High Type=1", "--set", "Mic Omni Gain=-2.5 dB"});
  ASSERT_EQ(output.channels.size(), 2u);
  ASSERT_EQ(output.frames(), kLength);
  EXPECT_LT(largestDifference(output.channels[0], input[0], decibelsToFactor(-2.5)), 1e-5f);
  EXPECT_EQ(output.channels[0], output.channels[1]);
}

TEST_F(RenderAlignmentTest, WithAllTypesFigureEightReturnsTheFigureEight) {
  const Channels input = {noise(kLength, 7), noise(kLength, 8)};
  const Audio output =
      render(input, {"--set", "Low Type=0", "--set", "Mid Type=0", "--set", "High Type=0"});
  ASSERT_EQ(output.frames(), kLength);
  EXPECT_LT(largestDifference(output.channels[0], input[1]), 1e-5f);
}

TEST_F(RenderAlignmentTest, ACurvedSettingKeepsEveryFrameInPlace) {
  // Equal omni and figure-eight signals come out unchanged whatever the curve, so any
  // shift in time, missing start or cut-off tail shows as a difference.
  std::vector<float> signal = noise(kLength, 9, 0.1f);
  for (std::size_t n :
       {std::size_t{0}, std::size_t{4095}, std::size_t{4096}, std::size_t{8192}, kLength - 1})
    signal[n] = 0.9f;
  const Channels input = {signal, signal, signal, signal};
  for (const auto& setting :
       {std::vector<std::string>{},
        std::vector<std::string>{"--set", "Low Type=1", "--set", "Mid Type=0.3", "--set",
                                 "High Type=0", "--set", "High Frequency=6 kHz"}}) {
    const Audio output = render(input, setting);
    ASSERT_EQ(output.frames(), kLength);
    for (const auto& channel : output.channels)
      EXPECT_LT(largestDifference(channel, signal), 1e-5f);
  }
}

TEST_F(RenderAlignmentTest, TheBlockSizeDoesNotChangeOneSample) {
  const Channels input = {noise(kLength, 10), noise(kLength, 11), noise(kLength, 12),
                          noise(kLength, 13)};
  const std::vector<std::string> setting{"--set", "Mid Type=0.8", "--set",
                                         "Proximity Compensation=on"};
  auto with = [&](const char* block) {
    auto arguments = setting;
    arguments.insert(arguments.end(), {"--block", block});
    return render(input, arguments).channels;
  };
  const Channels reference = with("1024");
  ASSERT_EQ(reference.size(), 2u);
  EXPECT_EQ(with("7"), reference);
  EXPECT_EQ(with("65536"), reference);
}

TEST_F(RenderAlignmentTest, KeepsTheLengthOfShortAndEmptyRecordings) {
  for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{8193}}) {
    const Channels input(2, std::vector<float>(length, 0.25f));
    const Audio output = render(input);
    EXPECT_EQ(output.channels.size(), 2u);
    EXPECT_EQ(output.frames(), length);
  }
}

}  // namespace
}  // namespace render_test
