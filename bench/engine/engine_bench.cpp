// Cost of one directivity engine: per sample at several block sizes, and the block
// that completes a frame (the worst case the audio thread sees).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/common/fastest_run.h"
#include "platform/diagnostics.h"
#include "processor/directivity_engine.h"

namespace {

constexpr double kSampleRate = 48000.0;

struct Signals {
  std::vector<float> omni, eight, output;
  explicit Signals(std::size_t length) : omni(length), eight(length), output(length) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> uniform(-0.5f, 0.5f);
    for (std::size_t i = 0; i < length; ++i) {
      omni[i] = uniform(random);
      eight[i] = uniform(random);
    }
  }
};

void configure(PlugIn_DirectivityEngine& engine) {
  engine.updateParameter(0, 1.0f);
  engine.updateParameter(4, 0.0f);
  diag::takeLines();
}

// Average cost per sample over whole frames, at a given block size.
void BM_ProcessBlock(benchmark::State& state) {
  const int blockSize = static_cast<int>(state.range(0));
  PlugIn_DirectivityEngine engine(kSampleRate);
  configure(engine);
  Signals signals(8192 * 4);
  std::size_t position = 0;
  for (auto _ : state) {
    if (position + blockSize > signals.omni.size()) position = 0;
    const float* inputs[2] = {signals.omni.data() + position, signals.eight.data() + position};
    float* outputs[1] = {signals.output.data() + position};
    engine.processBlock(inputs, 2, outputs, 1, blockSize);
    position += blockSize;
  }
  state.SetItemsProcessed(state.iterations() * blockSize);
  // Seconds of audio processed per second of computing, at 48 kHz.
  state.counters["realtime_x"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * blockSize / kSampleRate,
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ProcessBlock)->Arg(32)->Arg(256)->Arg(4096)->Apply(benchfastest::repeat);

// The 32-sample block that completes a frame: two engines, as in the stereo build,
// against the 667 us a 32-sample block lasts at 48 kHz (the reported time per
// iteration divided by 667 us is the share of the period it takes).
void BM_FrameCompletingBlockTwoEngines(benchmark::State& state) {
  PlugIn_DirectivityEngine left(kSampleRate), right(kSampleRate);
  configure(left);
  configure(right);
  Signals signals(8192 * 2);
  constexpr int kBlock = 32;
  // Fill to one block short of a frame, untimed, then time only the completing block.
  auto advance = [&](PlugIn_DirectivityEngine& engine, int samples) {
    for (int done = 0; done < samples; done += kBlock) {
      const float* inputs[2] = {signals.omni.data() + done, signals.eight.data() + done};
      float* outputs[1] = {signals.output.data() + done};
      engine.processBlock(inputs, 2, outputs, 1, kBlock);
    }
  };
  advance(left, 8192 - kBlock);
  advance(right, 8192 - kBlock);
  for (auto _ : state) {
    const float* inputs[2] = {signals.omni.data(), signals.eight.data()};
    float* outputs[1] = {signals.output.data()};
    benchfastest::timeOnly(state, [&] {
      left.processBlock(inputs, 2, outputs, 1, kBlock);
      right.processBlock(inputs, 2, outputs, 1, kBlock);
    });
    advance(left, 4096 - kBlock);  // back to one block short of the next frame
    advance(right, 4096 - kBlock);
  }
}
BENCHMARK(BM_FrameCompletingBlockTwoEngines)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Apply(benchfastest::repeat);

}  // namespace

BENCHFASTEST_MAIN()
