// A full repaint of a panel with every control of the editor's columns, offscreen at
// the editor's size. `panel_bench --snapshot <file.png>` writes the panel instead.

#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/controls/control_panel.h"
#include "toolkit/platform/offscreen_frame.h"

namespace {

void FullRepaintOfTheControlPanel(benchmark::State& state) {
  VSTGUI::CFrame* frame = bench_controls::openControlPanel();
  for (auto _ : state) {
    frame->invalid();
    frame->idle();
  }
  frame->close();
}
BENCHMARK(FullRepaintOfTheControlPanel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--snapshot") == 0) {
    VSTGUI::CFrame* frame = bench_controls::openControlPanel();
    const bool written = VSTGUI::OffscreenPlatformFrame::of(frame)->writePNG(argv[2]);
    frame->close();
    return written ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
