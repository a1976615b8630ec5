#pragma once
// The normalized values that getState writes, one per parameter, readable on the main
// thread at any time without touching the engines that the audio thread is using.
//
// Two writers meet here. setState (main thread) records what it was given, at once,
// and bumps the parameter's revision. The thread that applies a value to the engines
// then confirms the engines' own reading of it (an index read as an integer, say)
// under the revision it applied; a confirmation whose revision is out of date is
// dropped, so a value that setState has just set is never overwritten by an older one.

#include <atomic>
#include <cstdint>

#include "controller/parameter_table.h"
#include "processor/revisioned_value.h"

class StoredState {
 public:
  static constexpr ParameterId kCapacity = kParameterTableRows;

  RevisionedValue load(ParameterId id) const {
    return id < kCapacity ? RevisionedValue::unpack(values_[id].load(std::memory_order_acquire))
                          : RevisionedValue{};
  }

  // Main thread only (the one writer of revisions): records a newly set value and
  // returns it with its new revision.
  RevisionedValue set(ParameterId id, float value) {
    if (id >= kCapacity) return {};
    std::uint64_t current = values_[id].load(std::memory_order_relaxed);
    RevisionedValue next;
    do {
      next = {RevisionedValue::unpack(current).revision + 1, value};
    } while (!values_[id].compare_exchange_weak(current, next.pack(), std::memory_order_acq_rel));
    return next;
  }

  // Records `value` as the reading of revision `revision`, unless a newer value has been set.
  void confirm(ParameterId id, std::uint32_t revision, float value) {
    if (id >= kCapacity) return;
    std::uint64_t current = values_[id].load(std::memory_order_relaxed);
    const std::uint64_t confirmed = RevisionedValue{revision, value}.pack();
    while (RevisionedValue::unpack(current).revision == revision &&
           !values_[id].compare_exchange_weak(current, confirmed, std::memory_order_acq_rel)) {
    }
  }

 private:
  std::atomic<std::uint64_t> values_[kCapacity] = {};
};
