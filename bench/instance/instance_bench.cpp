// The stereo bundle's processor through host/, driven by process() at 32 and 512
// samples per block: the average cost of a block over whole frames, and the 32-sample
// block that completes a frame (both engines complete theirs on the same block). The
// time beyond the engines' own (engine_bench) is the plug-in's overhead: parameter
// queues, bus checks, levels and the silence bookkeeping.

#include <benchmark/benchmark.h>

#include <limits>
#include <memory>
#include <random>
#include <utility>

#include "bench/common/fastest_run.h"
#include "host/plugin_instance.h"

namespace {

constexpr double kSampleRate = 48000.0;
constexpr int kInputs = 4;
constexpr int kFrameHop = 4096;

// What the inputs carry: noise as a recording has it, denormal noise (a tail running
// down), or noise with every other sample NaN or infinite (a glitching source).
enum class Input { kNoise, kDenormal, kNonFinite };

// Noise on every input, so no silence shortcut applies.
void fillInputs(host::PluginInstance& plugin, int blockSize, std::mt19937& random,
                Input kind = Input::kNoise) {
  std::uniform_real_distribution<float> uniform(-0.5f, 0.5f);
  const float bad[2] = {std::numeric_limits<float>::quiet_NaN(),
                        std::numeric_limits<float>::infinity()};
  for (int c = 0; c < kInputs; ++c) {
    float* channel = plugin.buffers().inputChannel(0, c);
    for (int i = 0; i < blockSize; ++i) {
      const float x = uniform(random);
      switch (kind) {
        case Input::kNoise:
          channel[i] = x;
          break;
        case Input::kDenormal:
          channel[i] = x * 1e-38f;
          break;
        case Input::kNonFinite:
          channel[i] = i % 2 == 0 ? x : bad[(i / 2) % 2];
          break;
      }
    }
  }
}

std::unique_ptr<host::PluginInstance> activeInstance(benchmark::State& state, int blockSize) {
  auto module = host::Module::load(LOBESHIFT_BUNDLE);
  if (!module.ok()) {
    state.SkipWithError(module.error().c_str());
    return nullptr;
  }
  auto plugin = host::PluginInstance::create(*module);
  if (!plugin.ok()) {
    state.SkipWithError(plugin.error().c_str());
    return nullptr;
  }
  (*plugin)->setupProcessing(kSampleRate, blockSize);
  (*plugin)->activate();
  // A curve that is not flat, as a session has it.
  (*plugin)->setParameter(0, 1.0);
  (*plugin)->setParameter(4, 0.0);
  return std::move(*plugin);
}

// Average cost per block; realtime_x is seconds of stereo audio per second of computing.
// The second argument is the kind of input: 0 noise, 1 denormal noise, 2 NaN and
// infinities between the noise, whose blocks must cost what the noise's do.
void BM_InstanceProcess(benchmark::State& state) {
  const int blockSize = static_cast<int>(state.range(0));
  auto plugin = activeInstance(state, blockSize);
  if (!plugin) return;
  std::mt19937 random(11);
  fillInputs(*plugin, blockSize, random, static_cast<Input>(state.range(1)));
  for (auto _ : state) {
    plugin->process(blockSize);
    benchmark::DoNotOptimize(plugin->buffers().outputChannel(0, 0)[0]);
  }
  state.SetItemsProcessed(state.iterations() * blockSize);
  state.counters["realtime_x"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * blockSize / kSampleRate,
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_InstanceProcess)
    ->ArgNames({"block", "input"})
    ->ArgsProduct({{32, 512}, {0, 1, 2}})
    ->Apply(benchfastest::repeat);

// The 32-sample block that completes a frame, against the 667 us it lasts at 48 kHz.
void BM_InstanceFrameCompletingBlock(benchmark::State& state) {
  constexpr int kBlock = 32;
  auto plugin = activeInstance(state, kBlock);
  if (!plugin) return;
  std::mt19937 random(11);
  fillInputs(*plugin, kBlock, random);
  auto advance = [&](int samples) {
    for (int done = 0; done < samples; done += kBlock) plugin->process(kBlock);
  };
  advance(2 * kFrameHop - kBlock);  // one block short of a frame
  for (auto _ : state) {
    benchfastest::timeOnly(state, [&] { plugin->process(kBlock); });
    advance(kFrameHop - kBlock);  // back to one block short of the next frame
  }
}
BENCHMARK(BM_InstanceFrameCompletingBlock)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Apply(benchfastest::repeat);

}  // namespace

BENCHFASTEST_MAIN()
