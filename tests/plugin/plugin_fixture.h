#pragma once
// The real bundle of this test's build (LOBESHIFT_BUNDLE), loaded and run through the
// host library the way a DAW runs it, with a run loop on a manual clock (waited out in real
// time on Windows, whose timers keep the system's time). Expected
// values come from the parameter table of the same build.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "controller/parameters.h"
#include "host/manual_clock.h"
#include "host/plugin_instance.h"
#include "processor/directivity_engine.h"
#include "tests/engine/engine_test_support.h"

namespace plugin_test {

constexpr double kSampleRate = 48000.0;
constexpr Steinberg::int32 kBlock = 512;
constexpr int kLatency = 8192;
constexpr int kInputChannels = 2 * kPairCount;

inline std::shared_ptr<host::Module> loadBundle(const char* path) {
  auto loaded = host::Module::load(path);
  EXPECT_TRUE(loaded.ok()) << loaded.error();
  return loaded.ok() ? *loaded : nullptr;
}

// Different noise on every input channel, from seed on.
inline host::Channels noiseInputs(std::size_t length, std::uint32_t seed = 17u) {
  host::Channels inputs;
  for (int channel = 0; channel < kInputChannels; ++channel)
    inputs.push_back(
        noise(length, seed + static_cast<std::uint32_t>(channel), 0.1f + 0.1f * channel));
  return inputs;
}

// A state stream of the given normalized values.
inline host::StateBytes stateOf(const std::vector<float>& values) {
  host::StateBytes bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.data(), bytes.size());
  return bytes;
}

inline std::vector<float> valuesOf(const host::StateBytes& bytes) {
  std::vector<float> values(bytes.size() / sizeof(float));
  std::memcpy(values.data(), bytes.data(), values.size() * sizeof(float));
  return values;
}

inline std::vector<float> defaultState() {
  std::vector<float> values;
  for (ParameterId id = 0; id < kParameterCount; ++id)
    values.push_back(static_cast<float>(parameterNormalizedDefault(id)));
  return values;
}

// Normalized values as the host sent them, in order.
using Sent = std::vector<std::pair<ParameterId, float>>;

inline Sent sentAll(const std::vector<float>& normalized) {
  Sent sent;
  for (ParameterId id = 0; id < normalized.size(); ++id) sent.emplace_back(id, normalized[id]);
  return sent;
}

// Gives a pair's engine what the processor gives it for the values sent: IDs 0 to 9
// and the pair's own gains (10 and 11 locally).
inline void applyToEngine(PlugIn_DirectivityEngine& engine, int pair, const Sent& sent) {
  for (const auto& [id, normalized] : sent) {
    const bool shared = id < 10;
    const bool ownGain = !shared && static_cast<int>((id - 10) / 2) == pair;
    if (shared || ownGain)
      engine.updateParameter(shared ? id : 10 + (id - 10) % 2,
                             static_cast<float>(normalizedToPlain(id, normalized)));
  }
}

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module = loadBundle(LOBESHIFT_BUNDLE);
    ASSERT_TRUE(module);
    plugin = createInstance();
    ASSERT_TRUE(plugin);
  }

  std::unique_ptr<host::PluginInstance> createInstance() {
    auto created = host::PluginInstance::create(module, context);
    EXPECT_TRUE(created.ok()) << created.error();
    return created.ok() ? std::move(*created) : nullptr;
  }

  static void startProcessing(host::PluginInstance& instance) {
    ASSERT_TRUE(instance.setupProcessing(kSampleRate, kBlock).ok());
    ASSERT_TRUE(instance.activate().ok());
  }

  // Runs whole signals (one per input channel) through the instance.
  static host::Channels render(host::PluginInstance& instance, const host::Channels& inputs) {
    auto output = instance.render(inputs, kBlock);
    EXPECT_TRUE(output.ok()) << output.error();
    return output.ok() ? *output : host::Channels{};
  }

  void elapse(int milliseconds) {
    time.advance(std::chrono::milliseconds(milliseconds));
    context->runLoop().pump();
  }
  // Lets the host's main loop run until `done` holds (see host::pumpUntil).
  bool elapseUntil(const std::function<bool()>& done) {
    return host::pumpUntil(time, context->runLoop(), done);
  }

  host::ManualClock time;
  std::shared_ptr<host::HostContext> context =
      std::make_shared<host::HostContext>(u"Plug-in Test", time.clock());
  std::shared_ptr<host::Module> module;
  std::unique_ptr<host::PluginInstance> plugin;
};

}  // namespace plugin_test
