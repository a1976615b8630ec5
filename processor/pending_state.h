#pragma once
// Values that setState decoded on the main thread, waiting for the audio thread to
// hand them to the engines before its next block's parameter changes. Lock-free: one
// atomic word per parameter and one atomic bit mask of the parameters waiting.
//
// A later setState before the audio thread came by simply overwrites the values it
// carries; the others still wait, so two quick loads have the effect of applying both
// in turn. A value posted while the audio thread is taking the mask may be applied in
// that block and again in the next, which changes nothing.

#include <atomic>
#include <bit>
#include <cstdint>

#include "controller/parameter_table.h"
#include "processor/revisioned_value.h"

class PendingState {
 public:
  static constexpr ParameterId kCapacity = kParameterTableRows;

  // Main thread. IDs from kCapacity on are ignored.
  void post(ParameterId id, RevisionedValue entry) {
    if (id >= kCapacity) return;
    values_[id].store(entry.pack(), std::memory_order_relaxed);
    waiting_.fetch_or(std::uint32_t{1} << id, std::memory_order_release);
  }

  bool isEmpty() const { return waiting_.load(std::memory_order_acquire) == 0; }

  // The thread that owns the engines: calls apply(id, entry) for every waiting value,
  // in ID order, and leaves nothing waiting.
  template <typename Apply>
  void drain(Apply&& apply) {
    std::uint32_t waiting = waiting_.exchange(0, std::memory_order_acquire);
    while (waiting != 0) {
      const auto id = static_cast<ParameterId>(std::countr_zero(waiting));
      waiting &= waiting - 1;
      apply(id, RevisionedValue::unpack(values_[id].load(std::memory_order_relaxed)));
    }
  }

 private:
  static_assert(kCapacity <= 32, "one bit per parameter");
  std::atomic<std::uint64_t> values_[kCapacity] = {};
  std::atomic<std::uint32_t> waiting_{0};
};
