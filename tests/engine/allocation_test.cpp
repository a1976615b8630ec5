// processBlock runs on the audio thread and must not allocate. This binary counts
// every global allocation while blocks are processed.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine_test_support.h"
#include "platform/diagnostics.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(DirectivityEngineRealTime, ProcessBlockAllocatesNothing) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(9, 1.0f);
  const auto omni = noise(40000, 1), eight = noise(40000, 2);
  std::vector<float> output(omni.size());
  allocations = 0;
  counting = true;
  for (int solo : {0, 1, 4}) {
    engine.updateParameter(
        8, static_cast<float>(solo));  // parameter changes arrive on the audio thread too
    engine.updateParameter(2, 0.25f * solo);
    for (std::size_t start = 0; start + 480 <= omni.size(); start += 480) {
      const float* inputs[2] = {omni.data() + start, eight.data() + start};
      float* outputs[1] = {output.data() + start};
      engine.processBlock(inputs, 2, outputs, 1, 480);
    }
  }
  float peaks[2];
  engine.takePeaks(PlugIn_DirectivityEngine::kLevelTag, peaks);
  counting = false;
  EXPECT_EQ(allocations.load(), 0);
  diag::takeLines();
}

}  // namespace
