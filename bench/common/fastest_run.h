#pragma once

// For benchmarks run on a machine shared with other work: each benchmark runs several
// times and reports, beside the usual mean and median, its fastest run ("min"), the
// one least disturbed; and the repetitions of all benchmarks take turns, so that a
// slow spell falls on every benchmark alike and comparisons between them hold.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace benchfastest {

inline double fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

// ->Apply(benchfastest::repeat) on a benchmark.
inline void repeat(benchmark::internal::Benchmark* benchmark) {
  benchmark->Repetitions(9)->MinTime(0.2)->ReportAggregatesOnly(true)->ComputeStatistics("min",
                                                                                         fastest);
}

// Runs `timed` and reports its duration as the iteration's time, for benchmarks
// registered ->UseManualTime() whose iterations also do untimed work: unlike
// PauseTiming and ResumeTiming, whose own clock reads put about 0.6 us into every
// iteration here, nothing but `timed` is measured.
template <class Timed>
void timeOnly(benchmark::State& state, Timed timed) {
  const auto start = std::chrono::steady_clock::now();
  timed();
  const auto end = std::chrono::steady_clock::now();
  state.SetIterationTime(std::chrono::duration<double>(end - start).count());
}

// benchmark::Initialize with the repetitions interleaved; a flag given on the command
// line still wins. False after reporting arguments it does not know.
inline bool initialiseInterleaved(int argc, char** argv) {
  static std::string interleaving = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> arguments(argv, argv + argc);
  arguments.insert(arguments.begin() + 1, interleaving.data());
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  return !benchmark::ReportUnrecognizedArguments(count, arguments.data());
}

}  // namespace benchfastest

// A main for benchmarks that need nothing else.
#define BENCHFASTEST_MAIN()                                         \
  int main(int argc, char** argv) {                                 \
    if (!benchfastest::initialiseInterleaved(argc, argv)) return 1; \
    benchmark::RunSpecifiedBenchmarks();                            \
    benchmark::Shutdown();                                          \
    return 0;                                                       \
  }
