#include "tools/render/demo_recording.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace render {

namespace {

constexpr double kPairSpacingMetres = 0.5;
constexpr double kSpeedOfSoundMetresPerSecond = 343.0;
constexpr double kSourceRms = 0.1;  // -20 dBFS
constexpr double kBurstOnSeconds = 0.5;
constexpr double kBurstOffSeconds = 0.25;
constexpr double kBurstRampSeconds = 0.01;  // no clicks at the burst edges

// Uniform noise in [-1, 1) from a 64-bit linear congruential generator: the same
// sequence on every platform and compiler.
class WhiteNoise {
 public:
  explicit WhiteNoise(std::uint64_t seed) : state_(seed) {}
  double next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 11) * (2.0 / 9007199254740992.0) - 1.0;
  }

 private:
  std::uint64_t state_;
};

// Pink noise (-3 dB per octave) by Paul Kellet's filter bank over white noise, with
// the mean removed and scaled to the given RMS.
std::vector<double> pinkNoise(std::size_t length, std::uint64_t seed, double rms) {
  WhiteNoise white(seed);
  std::vector<double> pink(length);
  double b0 = 0, b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0;
  for (auto& sample : pink) {
    const double w = white.next();
    b0 = 0.99886 * b0 + w * 0.0555179;
    b1 = 0.99332 * b1 + w * 0.0750759;
    b2 = 0.96900 * b2 + w * 0.1538520;
    b3 = 0.86650 * b3 + w * 0.3104856;
    b4 = 0.55000 * b4 + w * 0.5329522;
    b5 = -0.7616 * b5 - w * 0.0168980;
    sample = b0 + b1 + b2 + b3 + b4 + b5 + b6 + w * 0.5362;
    b6 = w * 0.115926;
  }
  double mean = 0.0;
  for (double sample : pink) mean += sample;
  mean /= static_cast<double>(length);
  double energy = 0.0;
  for (double& sample : pink) {
    sample -= mean;
    energy += sample * sample;
  }
  const double scale = energy > 0.0 ? rms / std::sqrt(energy / static_cast<double>(length)) : 0.0;
  for (double& sample : pink) sample *= scale;
  return pink;
}

// 1 while a burst sounds, 0 between bursts, with short raised-cosine edges.
double burstEnvelope(double seconds) {
  const double period = kBurstOnSeconds + kBurstOffSeconds;
  const double t = std::fmod(seconds, period);
  if (t >= kBurstOnSeconds) return 0.0;
  const double edge = std::min(t, kBurstOnSeconds - t);
  if (edge >= kBurstRampSeconds) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * edge / kBurstRampSeconds);
}

DemoChannels silentChannels(std::size_t length) {
  return DemoChannels(kDemoChannelCount, std::vector<float>(length, 0.0f));
}

}  // namespace

int sideSourceDelay(int sampleRate) {
  return static_cast<int>(
      std::lround(kPairSpacingMetres / kSpeedOfSoundMetresPerSecond * sampleRate));
}

DemoRecording synthesiseDemoRecording(int sampleRate, double seconds) {
  const auto length = static_cast<std::size_t>(std::lround(seconds * sampleRate));
  const std::vector<double> front = pinkNoise(length, 0x4C6F6265ULL, kSourceRms);
  std::vector<double> side = pinkNoise(length, 0x53686966ULL, kSourceRms);
  for (std::size_t n = 0; n < length; ++n)
    side[n] *= burstEnvelope(static_cast<double>(n) / sampleRate);

  DemoRecording recording;
  recording.sampleRate = sampleRate;
  recording.onAxis = silentChannels(length);
  recording.side = silentChannels(length);
  const double eightPickupFront = std::cos(0.0);  // 1
  const std::size_t delay = static_cast<std::size_t>(sideSourceDelay(sampleRate));
  for (std::size_t n = 0; n < length; ++n) {
    // On axis: both omnis and both figure-eights, at the same moment.
    for (int channel = 0; channel < 2; ++channel)
      recording.onAxis[channel][n] = static_cast<float>(front[n]);
    for (int channel = 2; channel < 4; ++channel)
      recording.onAxis[channel][n] = static_cast<float>(eightPickupFront * front[n]);
    // At 90°: the omnis only (cos 90° is 0 for the figure-eights), MicR later than MicL.
    recording.side[0][n] = static_cast<float>(side[n]);
    recording.side[1][n] = n >= delay ? static_cast<float>(side[n - delay]) : 0.0f;
  }
  recording.both = silentChannels(length);
  for (int channel = 0; channel < kDemoChannelCount; ++channel)
    for (std::size_t n = 0; n < length; ++n)
      recording.both[channel][n] = recording.onAxis[channel][n] + recording.side[channel][n];
  return recording;
}

}  // namespace render
