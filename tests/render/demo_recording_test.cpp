#include "tools/render/demo_recording.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/render/demo_report.h"

namespace render {
namespace {

double rms(const std::vector<float>& samples) {
  double energy = 0.0;
  for (float sample : samples) energy += static_cast<double>(sample) * sample;
  return std::sqrt(energy / static_cast<double>(samples.size()));
}

TEST(DemoRecordingTest, CapsulesPickUpTheSourcesAsTheModelSays) {
  const DemoRecording recording = synthesiseDemoRecording(48000, 1.0);
  ASSERT_EQ(recording.both.size(), 4u);
  const std::size_t length = recording.both[0].size();
  ASSERT_EQ(length, 48000u);
  const int delay = sideSourceDelay(48000);
  EXPECT_EQ(delay, 70);  // 0.5 m at 343 m/s

  // On axis: the same signal in every capsule (cos 0° = 1).
  for (int channel = 1; channel < 4; ++channel)
    EXPECT_EQ(recording.onAxis[channel], recording.onAxis[0]);
  EXPECT_NEAR(rms(recording.onAxis[0]), 0.1, 1e-6);
  // At 90°: only the omnis (cos 90° = 0), MicR later than MicL.
  EXPECT_EQ(recording.side[2], std::vector<float>(length, 0.0f));
  EXPECT_EQ(recording.side[3], std::vector<float>(length, 0.0f));
  for (std::size_t n = 0; n < length; ++n) {
    ASSERT_EQ(recording.side[1][n], n >= 70 ? recording.side[0][n - 70] : 0.0f) << n;
    for (int channel = 0; channel < 4; ++channel)
      ASSERT_EQ(recording.both[channel][n],
                recording.onAxis[channel][n] + recording.side[channel][n]);
  }
  // The side source sounds in bursts: silent from 0.5 s to 0.75 s.
  EXPECT_EQ(recording.side[0][30000], 0.0f);
  EXPECT_NE(recording.side[0][12000], 0.0f);
}

TEST(DemoRecordingTest, IsTheSameEveryTime) {
  EXPECT_EQ(synthesiseDemoRecording(44100, 0.5).both, synthesiseDemoRecording(44100, 0.5).both);
}

TEST(DemoRecordingTest, ReportTextsAreReadable) {
  EXPECT_EQ(changeText(0.01), "+0.0 dB");
  EXPECT_EQ(changeText(-0.01), "+0.0 dB");
  EXPECT_EQ(changeText(-6.02), "-6.0 dB");
  EXPECT_EQ(changeText(-150.0), "< -100 dB");
  EXPECT_EQ(changeText(-std::numeric_limits<double>::infinity()), "< -100 dB");
  EXPECT_EQ(patternAt90Degrees(0.0), "omni (omni weight 1.00)");
  EXPECT_EQ(patternAt90Degrees(-6.0206), "cardioid (omni weight 0.50)");
  EXPECT_EQ(patternAt90Degrees(-std::numeric_limits<double>::infinity()),
            "figure-eight (omni weight 0.00)");
}

}  // namespace
}  // namespace render
