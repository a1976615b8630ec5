// The engine recomputes its 4096-bin curve on the audio thread whenever a type or a
// frequency changes, so an automated sweep pays this once per block.

#include <benchmark/benchmark.h>

#include <vector>

#include "processor/curve.h"

namespace {

constexpr int kBinCount = 4096;
constexpr double kFftSize = 8192.0;
constexpr double kSampleRate = 48000.0;

ControlPoint pointAt(double frequency, double type) {
  return {frequency / kSampleRate * kFftSize, type};
}

void computeCurveFor(benchmark::State& state, const ControlPoint (&points)[3]) {
  std::vector<double> curve(kBinCount);
  for (auto _ : state) {
    computeCurve(curve.data(), points, 3, kBinCount);
    benchmark::DoNotOptimize(curve.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBinCount);
}

void BM_ComputeCurveDefault(benchmark::State& state) {
  const ControlPoint points[3] = {pointAt(50, 0.5), pointAt(1000, 0.5), pointAt(10000, 0.5)};
  computeCurveFor(state, points);
}

// The widest interpolated stretch the ranges allow: 20 Hz to 20 kHz.
void BM_ComputeCurveWidest(benchmark::State& state) {
  const ControlPoint points[3] = {pointAt(20, 1.0), pointAt(1000, 0.5), pointAt(20000, 0.0)};
  computeCurveFor(state, points);
}

BENCHMARK(BM_ComputeCurveDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputeCurveWidest)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
