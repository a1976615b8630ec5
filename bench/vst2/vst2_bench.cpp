// The stereo build's bundle through both entries, one 512-sample block at a time.
// The two process timings differ by what the wrapper adds: taking the owed
// parameter values and laying out the host's channel pointers.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "host/plugin_instance.h"
#include "host/vst2_plugin.h"

namespace {

constexpr int kBlock = 512;
constexpr int kInputs = 4;

std::vector<std::vector<float>> signals(int channels) {
  std::vector<std::vector<float>> result(channels, std::vector<float>(kBlock));
  for (int c = 0; c < channels; ++c) {
    for (int i = 0; i < kBlock; ++i) result[c][i] = 0.3f * std::sin(0.01f * (c + 1) * i);
  }
  return result;
}

void BM_Vst2ProcessReplacing(benchmark::State& state) {
  auto plugin = host::Vst2Plugin::load(host::vst2ModuleOfBundle(LOBESHIFT_BUNDLE));
  if (!plugin.ok()) return state.SkipWithError(plugin.error().c_str());
  (*plugin)->open();
  (*plugin)->resume(48000.0, kBlock);
  auto in = signals(kInputs);
  auto out = signals(2);
  std::vector<float*> inPointers, outPointers;
  for (auto& channel : in) inPointers.push_back(channel.data());
  for (auto& channel : out) outPointers.push_back(channel.data());
  AEffect* effect = (*plugin)->effect();
  // One automated value per block, as a host playing automation sends.
  int block = 0;
  for (auto _ : state) {
    effect->setParameter(effect, 2, static_cast<float>(block++ % 10) / 10.0f);
    effect->processReplacing(effect, inPointers.data(), outPointers.data(), kBlock);
    benchmark::DoNotOptimize(out[0][0]);
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
}
BENCHMARK(BM_Vst2ProcessReplacing);

void BM_Vst3Process(benchmark::State& state) {
  auto module = host::Module::load(LOBESHIFT_BUNDLE);
  if (!module.ok()) return state.SkipWithError(module.error().c_str());
  auto plugin = host::PluginInstance::create(*module);
  if (!plugin.ok()) return state.SkipWithError(plugin.error().c_str());
  (*plugin)->setupProcessing(48000.0, kBlock);
  (*plugin)->activate();
  auto in = signals(kInputs);
  for (int c = 0; c < kInputs; ++c) {
    float* channel = (*plugin)->buffers().inputChannel(0, c);
    std::copy(in[c].begin(), in[c].end(), channel);
  }
  int block = 0;
  for (auto _ : state) {
    (*plugin)->nextInputChanges().addChange(2, static_cast<double>(block++ % 10) / 10.0);
    (*plugin)->process(kBlock);
    benchmark::DoNotOptimize((*plugin)->buffers().outputChannel(0, 0)[0]);
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
}
BENCHMARK(BM_Vst3Process);

void BM_Vst2SetAndGetParameter(benchmark::State& state) {
  auto plugin = host::Vst2Plugin::load(host::vst2ModuleOfBundle(LOBESHIFT_BUNDLE));
  if (!plugin.ok()) return state.SkipWithError(plugin.error().c_str());
  (*plugin)->open();
  AEffect* effect = (*plugin)->effect();
  float value = 0.0f;
  for (auto _ : state) {
    effect->setParameter(effect, 3, value);
    value = effect->getParameter(effect, 3) + 0.001f;
    if (value > 1.0f) value = 0.0f;
  }
  benchmark::DoNotOptimize(value);
}
BENCHMARK(BM_Vst2SetAndGetParameter);

}  // namespace

BENCHMARK_MAIN();
