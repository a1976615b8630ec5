// What opening the editor costs (the panel built, the seventeen bitmaps decoded, the
// parameters shown, the first full paint) and what one idle tick costs while every
// meter falls, offscreen on one core.

#include <benchmark/benchmark.h>

#include "controller/parameters.h"
#include "tools/editor-snapshot/editor_session.h"

namespace {

void BM_OpenEditor(benchmark::State& state) {
  for (auto _ : state) {
    auto session = editor_session::EditorSession::open();
    if (!session) {
      state.SkipWithError(session.error().c_str());
      return;
    }
    benchmark::DoNotOptimize(session->get());
    state.PauseTiming();
    session->reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

void BM_IdleTickWithFallingMeters(benchmark::State& state) {
  auto session = editor_session::EditorSession::open();
  if (!session) {
    state.SkipWithError(session.error().c_str());
    return;
  }
  constexpr int kLevels = 2 * kPairCount;
  float full[kLevels], silence[kLevels];
  for (int k = 0; k < kLevels; ++k) {
    full[k] = 1.f;
    silence[k] = 0.f;
  }
  int tick = 0;
  for (auto _ : state) {
    // Every 17 ticks the meters are full again, so every tick has all of them falling.
    if (tick++ % 17 == 0) {
      state.PauseTiming();
      (*session)->sendLevels(full, kLevels);
      (*session)->idle();
      (*session)->sendLevels(silence, kLevels);
      state.ResumeTiming();
    }
    (*session)->idle();
  }
}
BENCHMARK(BM_IdleTickWithFallingMeters)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
