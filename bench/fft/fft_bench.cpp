// Speed of the real transforms against FFTW's r2c and c2r of the same size, both in
// double precision and in the same run; the round trip also through each
// instruction-set path on its own. Every round trip starts by copying a fresh
// frame into the input buffer, as the engine does when it windows a frame, since
// the forward transform may use its input as scratch; the copy is measured on its
// own as well, and the summary gives the ratio with and without it.
//
// Our buffers sit on cache-line boundaries, as the engine's frames and spectra do
// (FFTW's come from its own aligned allocator); one round trip on buffers of plain
// 16-byte alignment shows what that alignment is worth.

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/common/fastest_run.h"
#include "processor/fft/fft.h"
#include "processor/fft/paths.h"
#include "processor/instruction_set.h"

namespace {

std::vector<double> sourceFrame() {
  std::mt19937_64 generator(2024);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> frame(kFFTSize);
  for (double& sample : frame) sample = uniform(generator);
  return frame;
}

const std::vector<double> kSource = sourceFrame();
constexpr std::size_t kFrameBytes = kFFTSize * sizeof(double);

// One frame or spectrum on a cache-line boundary.
struct alignas(64) AlignedBuffer {
  double values[kFFTSize];
};

struct RoundTripBuffers {
  std::unique_ptr<AlignedBuffer> frame = std::make_unique<AlignedBuffer>();
  std::unique_ptr<AlignedBuffer> spectrum = std::make_unique<AlignedBuffer>();
  std::unique_ptr<AlignedBuffer> out = std::make_unique<AlignedBuffer>();
};

void BM_FrameCopy(benchmark::State& state) {
  std::vector<double> frame(kFFTSize);
  for (auto _ : state) {
    std::memcpy(frame.data(), kSource.data(), kFrameBytes);
    benchmark::DoNotOptimize(frame.data());
    benchmark::ClobberMemory();
  }
}

// The public transforms, or one instruction-set path's.
struct Transforms {
  void (*forward)(double* frame, double* spectrum);
  void (*inverse)(const double* spectrum, double* out);
};
constexpr Transforms kPublicTransforms{realFFTForward, realFFTInverse};

void roundTrip(benchmark::State& state, Transforms transforms, double* frame, double* spectrum,
               double* out) {
  for (auto _ : state) {
    std::memcpy(frame, kSource.data(), kFrameBytes);
    transforms.forward(frame, spectrum);
    transforms.inverse(spectrum, out);
    benchmark::DoNotOptimize(out);
    benchmark::ClobberMemory();
  }
}

void roundTrip(benchmark::State& state, Transforms transforms) {
  RoundTripBuffers b;
  roundTrip(state, transforms, b.frame->values, b.spectrum->values, b.out->values);
}

void BM_LobeshiftRoundTrip(benchmark::State& state) { roundTrip(state, kPublicTransforms); }

// std::vector's buffers: 16-byte alignment, what plain new[] guarantees.
void BM_LobeshiftRoundTripUnaligned(benchmark::State& state) {
  std::vector<double> frame(kFFTSize), spectrum(kFFTSize), out(kFFTSize);
  roundTrip(state, kPublicTransforms, frame.data(), spectrum.data(), out.data());
}

void roundTripThrough(benchmark::State& state, const fftdetail::FFTPath& path) {
  roundTrip(state, {path.realForward, path.realInverse});
}

void BM_SSE2RoundTrip(benchmark::State& state) { roundTripThrough(state, fftdetail::kSse2Path); }

void BM_AVX2RoundTrip(benchmark::State& state) {
  if (!avx2Supported()) {
    state.SkipWithError("this processor has no AVX2");
    return;
  }
  roundTripThrough(state, fftdetail::kAvx2Path);
}

void BM_LobeshiftForward(benchmark::State& state) {
  RoundTripBuffers b;
  for (auto _ : state) {
    std::memcpy(b.frame->values, kSource.data(), kFrameBytes);
    realFFTForward(b.frame->values, b.spectrum->values);
    benchmark::DoNotOptimize(b.spectrum->values);
    benchmark::ClobberMemory();
  }
}

void BM_LobeshiftInverse(benchmark::State& state) {
  RoundTripBuffers b;
  std::memcpy(b.frame->values, kSource.data(), kFrameBytes);
  realFFTForward(b.frame->values, b.spectrum->values);
  for (auto _ : state) {
    realFFTInverse(b.spectrum->values, b.out->values);
    benchmark::DoNotOptimize(b.out->values);
    benchmark::ClobberMemory();
  }
}

// FFTW's buffers and plans, measured once for the whole run.
struct FFTWSetup {
  double* frame = fftw_alloc_real(kFFTSize);
  fftw_complex* spectrum = fftw_alloc_complex(kFFTComplexPoints + 1);
  double* out = fftw_alloc_real(kFFTSize);
  fftw_plan forward = fftw_plan_dft_r2c_1d(kFFTSize, frame, spectrum, FFTW_MEASURE);
  fftw_plan inverse = fftw_plan_dft_c2r_1d(kFFTSize, spectrum, out, FFTW_MEASURE);

  ~FFTWSetup() {
    fftw_destroy_plan(forward);
    fftw_destroy_plan(inverse);
    fftw_free(frame);
    fftw_free(spectrum);
    fftw_free(out);
  }
};

FFTWSetup& fftw() {
  static FFTWSetup setup;
  return setup;
}

void BM_FFTWRoundTrip(benchmark::State& state) {
  FFTWSetup& f = fftw();
  for (auto _ : state) {
    std::memcpy(f.frame, kSource.data(), kFrameBytes);
    fftw_execute(f.forward);
    fftw_execute(f.inverse);
    benchmark::DoNotOptimize(f.out);
    benchmark::ClobberMemory();
  }
}

void BM_FFTWForward(benchmark::State& state) {
  FFTWSetup& f = fftw();
  for (auto _ : state) {
    std::memcpy(f.frame, kSource.data(), kFrameBytes);
    fftw_execute(f.forward);
    benchmark::DoNotOptimize(f.spectrum);
    benchmark::ClobberMemory();
  }
}

void BM_FFTWInverse(benchmark::State& state) {
  // c2r destroys its input, so every run restores the spectrum first; the copy
  // of 4097 complex values costs about what the frame copy does.
  FFTWSetup& f = fftw();
  std::memcpy(f.frame, kSource.data(), kFrameBytes);
  fftw_execute(f.forward);
  constexpr std::size_t kSpectrumBytes = (kFFTComplexPoints + 1) * sizeof(fftw_complex);
  std::vector<double> saved(2 * (kFFTComplexPoints + 1));
  std::memcpy(saved.data(), f.spectrum, kSpectrumBytes);
  for (auto _ : state) {
    std::memcpy(f.spectrum, saved.data(), kSpectrumBytes);
    fftw_execute(f.inverse);
    benchmark::DoNotOptimize(f.out);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_FrameCopy)->Apply(benchfastest::repeat);
BENCHMARK(BM_LobeshiftRoundTrip)->Apply(benchfastest::repeat);
BENCHMARK(BM_FFTWRoundTrip)->Apply(benchfastest::repeat);
BENCHMARK(BM_LobeshiftRoundTripUnaligned)->Apply(benchfastest::repeat);
BENCHMARK(BM_SSE2RoundTrip)->Apply(benchfastest::repeat);
BENCHMARK(BM_AVX2RoundTrip)->Apply(benchfastest::repeat);
BENCHMARK(BM_LobeshiftForward)->Apply(benchfastest::repeat);
BENCHMARK(BM_FFTWForward)->Apply(benchfastest::repeat);
BENCHMARK(BM_LobeshiftInverse)->Apply(benchfastest::repeat);
BENCHMARK(BM_FFTWInverse)->Apply(benchfastest::repeat);

// Prints as usual and keeps each benchmark's fastest CPU time per iteration.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
        nanoseconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> nanoseconds;
};

}  // namespace

int main(int argc, char** argv) {
  if (!benchfastest::initialiseInterleaved(argc, argv)) return 1;
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto& t = reporter.nanoseconds;
  if (t.count("BM_LobeshiftRoundTrip") && t.count("BM_FFTWRoundTrip") && t.count("BM_FrameCopy")) {
    const double ours = t.at("BM_LobeshiftRoundTrip");
    const double theirs = t.at("BM_FFTWRoundTrip");
    const double copy = t.at("BM_FrameCopy");
    std::printf(
        "\nRound trip of 8192 points (fastest run, CPU time): Lobeshift %.2f us, FFTW %.2f us "
        "(frame copy %.2f us)\n",
        ours / 1000, theirs / 1000, copy / 1000);
    std::printf(
        "Lobeshift / FFTW: %.2f including the copy, %.2f without it (target: at most 1.15)\n",
        ours / theirs, (ours - copy) / (theirs - copy));
    if (t.count("BM_LobeshiftRoundTripUnaligned")) {
      const double unaligned = t.at("BM_LobeshiftRoundTripUnaligned");
      std::printf("On 16-byte aligned buffers: %.2f us, %.2f x FFTW\n", unaligned / 1000,
                  unaligned / theirs);
    }
    std::printf("Path chosen on this processor: %s\n", fftdetail::activePath().name);
    for (const char* path : {"SSE2", "AVX2"}) {
      const std::string name = std::string("BM_") + path + "RoundTrip";
      if (t.count(name)) {
        std::printf("%s path: %.2f us, %.2f x FFTW\n", path, t.at(name) / 1000,
                    t.at(name) / theirs);
      }
    }
  }
  return 0;
}
