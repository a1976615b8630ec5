// What opening the editor costs (the panel built, the bitmaps decoded, the parameters
// shown, the first full paint), what one step of a handle drag costs end to end (the move
// through the frame, the edits through the controller, the repaint), and what one idle
// tick costs while every meter falls, offscreen on one core; each at 100 % and at 200 %
// (the argument, in percent), side by side.

#include <benchmark/benchmark.h>

#include "controller/parameters.h"
#include "plots/frequency_axis.h"
#include "tools/editor-snapshot/editor_session.h"

namespace {

using Session = std::unique_ptr<editor_session::EditorSession>;

double scaleOf(const benchmark::State& state) { return static_cast<double>(state.range(0)) / 100; }

Session openAt(benchmark::State& state) {
  auto session = editor_session::EditorSession::open(scaleOf(state));
  if (!session) {
    state.SkipWithError(session.error().c_str());
    return nullptr;
  }
  return std::move(*session);
}

void BM_OpenEditor(benchmark::State& state) {
  for (auto _ : state) {
    Session session = openAt(state);
    if (!session) return;
    benchmark::DoNotOptimize(session.get());
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenEditor)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_HandleDragStep(benchmark::State& state) {
  Session session = openAt(state);
  if (!session) return;
  VSTGUI::CFrame& frame = session->frame();
  // The Mid handle, pressed at its centre and then moved back and forth, a few pixels a
  // step, each step repainted as the idle timer does while the user drags.
  const double x = 181 + frequencyToX(1000.0), y = 54 + 2 + 0.5 * (290 - 4);
  VSTGUI::CPoint where(x, y);
  frame.onMouseDown(where, VSTGUI::CButtonState(VSTGUI::kLButton));
  session->idle();
  int step = 0;
  for (auto _ : state) {
    const double offset = (step++ % 20 < 10 ? step % 10 : 10 - step % 10) * 3.0;
    where = VSTGUI::CPoint(x + offset, y - offset / 2);
    frame.onMouseMoved(where, VSTGUI::CButtonState(VSTGUI::kLButton));
    session->idle();
  }
  where = VSTGUI::CPoint(x, y);
  frame.onMouseUp(where, VSTGUI::CButtonState(0));
}
BENCHMARK(BM_HandleDragStep)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_IdleTickWithFallingMeters(benchmark::State& state) {
  Session session = openAt(state);
  if (!session) return;
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
      session->sendLevels(full, kLevels);
      session->idle();
      session->sendLevels(silence, kLevels);
      state.ResumeTiming();
    }
    session->idle();
  }
}
BENCHMARK(BM_IdleTickWithFallingMeters)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
