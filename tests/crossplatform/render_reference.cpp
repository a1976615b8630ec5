// render_reference_<build> OUT.f32 [BUNDLE]: runs a fixed, deterministic session through the
// bundle of this build (the one the same build folder made, or the installed one named) with
// our host and writes every output sample as raw float32 (little-endian, channel after
// channel). The same program built for Linux and for Windows must write the same bytes: the
// two systems' builds of one source process alike, and so do a build's bundles and the ones
// its packages install.
//
// render_reference_<build> --compare LINUX.f32 WINDOWS.f32: says whether two such files are
// equal and, where they are not, by how much and where they differ; exits 1 when they differ.
//
// The session: a state load with a distinct, non-default value for every parameter (both
// microphone models switched, proximity compensation on, every gain its own), an automation
// change part-way, and on every input channel a different pseudo-random signal at its own
// level, made with integer arithmetic only so that both systems feed identical bits. The
// blocks have odd sizes and the signal runs several frames past the 8192-sample latency.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "controller/parameters.h"
#include "host/plugin_instance.h"

namespace {

constexpr double kSampleRate = 48000.0;
constexpr int kLength = 5 * 8192 + 1234;
constexpr int kBlockSizes[] = {1, 17, 1023, 333, 1024, 7, 512, 999};
constexpr int kMaxBlock = 1024;
constexpr int kAutomationAt = 3 * 8192 + 100;  // the first block starting at or after this

// Plain values as a project stores them, none of them the default.
std::vector<float> sessionState() {
  std::vector<float> state;
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    double plain = parameterDefault(id);
    switch (id) {
      case kLowType:
        plain = 0.9;
        break;
      case kLowFrequency:
        plain = 180.0;
        break;
      case kMidType:
        plain = 0.35;
        break;
      case kMidFrequency:
        plain = 1700.0;
        break;
      case kHighType:
        plain = 0.05;
        break;
      case kHighFrequency:
        plain = 9000.0;
        break;
      case kMicOmniType:
        plain = 1.0;
        break;
      case kMicEightType:
        plain = 1.0;
        break;
      case kProximityCompensation:
        plain = 1.0;
        break;
      // Solo State stays off: a solo would silence one capsule and hide its path.
      case kSoloState:
        break;
      default:
        plain = -4.5 + 2.25 * static_cast<double>(id - kMicLOmniGain);
        break;  // gains
    }
    state.push_back(static_cast<float>(plainToNormalized(id, plain)));
  }
  return state;
}

// A different signal per channel: xorshift noise (exact integer arithmetic, turned into a
// float by one exact scaling) at a level of its own.
std::vector<float> channelSignal(int channel) {
  std::uint32_t x = 0x9E3779B9u * static_cast<std::uint32_t>(channel + 1);
  const float level = 1.0f / static_cast<float>(1 << (channel + 1));  // 1/2, 1/4, ...
  std::vector<float> signal(kLength);
  for (float& sample : signal) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    const auto centred =
        static_cast<std::int32_t>(x >> 8) - (1 << 23);  // 24 bits, exact in a float
    sample = level * static_cast<float>(centred) / static_cast<float>(1 << 23);
  }
  return signal;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "render_reference: %s\n", message.c_str());
  return 2;
}

int render(const char* out, const char* bundle) {
  auto module = host::Module::load(bundle);
  if (!module) return fail(module.error());
  auto created = host::PluginInstance::create(*module);
  if (!created) return fail(created.error());
  host::PluginInstance& plugin = **created;

  const std::vector<float> state = sessionState();
  host::StateBytes bytes(state.size() * sizeof(float));
  std::memcpy(bytes.data(), state.data(), bytes.size());
  if (auto loaded = plugin.setState(bytes); !loaded) return fail(loaded.error());
  if (auto set = plugin.setupProcessing(kSampleRate, kMaxBlock); !set) return fail(set.error());
  if (auto active = plugin.activate(); !active) return fail(active.error());

  host::ProcessBuffers& buffers = plugin.buffers();
  std::vector<std::vector<float>> inputs;
  for (int bus = 0, channel = 0; bus < buffers.inputBusCount(); ++bus)
    for (int c = 0; c < buffers.inputChannelCount(bus); ++c)
      inputs.push_back(channelSignal(channel++));
  std::vector<std::vector<float>> outputs;
  for (int bus = 0; bus < buffers.outputBusCount(); ++bus)
    for (int c = 0; c < buffers.outputChannelCount(bus); ++c) outputs.emplace_back(kLength, 0.0f);

  bool automated = false;
  for (int start = 0, block = 0; start < kLength; ++block) {
    const int count = std::min(kBlockSizes[block % std::size(kBlockSizes)], kLength - start);
    if (!automated && start >= kAutomationAt) {
      plugin.setParameter(kMidFrequency, plainToNormalized(kMidFrequency, 640.0), 3 % count);
      plugin.setParameter(kLowType, plainToNormalized(kLowType, 0.6));
      automated = true;
    }
    std::size_t flat = 0;
    for (int bus = 0; bus < buffers.inputBusCount(); ++bus)
      for (int c = 0; c < buffers.inputChannelCount(bus); ++c, ++flat)
        std::memcpy(buffers.inputChannel(bus, c), inputs[flat].data() + start,
                    count * sizeof(float));
    if (plugin.process(count) != Steinberg::kResultOk)
      return fail("process failed at sample " + std::to_string(start));
    flat = 0;
    for (int bus = 0; bus < buffers.outputBusCount(); ++bus)
      for (int c = 0; c < buffers.outputChannelCount(bus); ++c, ++flat)
        std::memcpy(outputs[flat].data() + start, buffers.outputChannel(bus, c),
                    count * sizeof(float));
    start += count;
  }

  std::ofstream file(out, std::ios::binary);
  for (const auto& channel : outputs)
    file.write(reinterpret_cast<const char*>(channel.data()),
               static_cast<std::streamsize>(channel.size() * sizeof(float)));
  if (!file) return fail(std::string("cannot write ") + out);
  std::printf("render_reference: %zu output channels of %d samples written to %s\n", outputs.size(),
              kLength, out);
  return 0;
}

std::vector<float> samplesOf(const char* path, bool& ok) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  ok = static_cast<bool>(file);
  if (!ok) return {};
  std::vector<float> samples(static_cast<std::size_t>(file.tellg()) / sizeof(float));
  file.seekg(0);
  file.read(reinterpret_cast<char*>(samples.data()),
            static_cast<std::streamsize>(samples.size() * sizeof(float)));
  return samples;
}

int compare(const char* firstPath, const char* secondPath) {
  bool firstOk = false, secondOk = false;
  const std::vector<float> first = samplesOf(firstPath, firstOk);
  const std::vector<float> second = samplesOf(secondPath, secondOk);
  if (!firstOk || !secondOk) return fail("cannot read both files");
  if (first.size() != second.size() || first.empty() || first.size() % kLength != 0)
    return fail("the files hold " + std::to_string(first.size()) + " and " +
                std::to_string(second.size()) + " samples, not whole channels of " +
                std::to_string(kLength));
  int result = 0;
  for (std::size_t channel = 0; channel < first.size() / kLength; ++channel) {
    std::size_t differing = 0, firstDifference = 0, largestAt = 0;
    double largest = 0.0, peak = 0.0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kLength); ++i) {
      const float a = first[channel * kLength + i], b = second[channel * kLength + i];
      peak = std::max(peak, static_cast<double>(std::fabs(a)));
      if (std::memcmp(&a, &b, sizeof(float)) == 0) continue;
      if (differing++ == 0) firstDifference = i;
      const double difference = std::fabs(static_cast<double>(a) - b);
      if (difference > largest) largest = difference, largestAt = i;
    }
    if (differing == 0) {
      std::printf("channel %zu: all %d samples equal (peak %.6f)\n", channel, kLength, peak);
      continue;
    }
    result = 1;
    std::printf(
        "channel %zu: %zu of %d samples differ, the first at sample %zu; the largest difference "
        "%.3g at sample %zu (%.1f dB below the channel's peak %.6f)\n",
        channel, differing, kLength, firstDifference, largest, largestAt,
        20.0 * std::log10(peak / largest), peak);
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--compare") == 0) return compare(argv[2], argv[3]);
  if (argc == 2 || argc == 3) return render(argv[1], argc == 3 ? argv[2] : LOBESHIFT_BUNDLE);
  std::fprintf(stderr,
               "usage: render_reference OUT.f32 [BUNDLE]\n"
               "       render_reference --compare FIRST.f32 SECOND.f32\n");
  return 2;
}
