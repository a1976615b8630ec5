#pragma once
// Parameter values between a VST 2 host and the VST 3 objects behind the wrapper.
//
// A VST 2 host may set and read parameters from any thread, its audio thread
// included, while the processor takes parameter changes only with a block and the
// edit controller lives on the user-interface thread. Each parameter therefore has a
// slot: its latest normalized value and two "owed" flags, one per side. Writers store
// the value and then raise the flags; each side takes its flag and then reads the
// value, so it sees that value or a newer one. Nothing here locks or allocates once the
// slots are allocated.

#include <atomic>
#include <memory>

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg::Vst {

class Vst2ParameterSlots {
 public:
  // No slots until allocate(), which the wrapper calls once while it is set up.
  Vst2ParameterSlots() = default;
  void allocate(int32 count);

  int32 count() const { return count_; }
  bool contains(int32 index) const { return index >= 0 && index < count_; }

  // The latest value; 0 for an index out of range. Any thread.
  ParamValue value(int32 index) const;

  // A value from the host: both the processor and the controller are owed it.
  void setFromHost(int32 index, ParamValue value);
  // An edit the controller made itself: only the processor is owed it.
  void setFromController(int32 index, ParamValue value);
  // A value both sides already have (a loaded state): nothing is owed.
  void settle(int32 index, ParamValue value);

  // Calls take(index, value) for every value owed to that side and clears its debt.
  // Processor side: the audio thread. Controller side: the user-interface thread.
  template <typename Take>
  void takeForProcessor(Take&& take) {
    takeOwed(&Slot::processorOwed, take);
  }
  template <typename Take>
  void takeForController(Take&& take) {
    takeOwed(&Slot::controllerOwed, take);
  }

 private:
  struct Slot {
    std::atomic<ParamValue> value{0.0};
    std::atomic<bool> processorOwed{false};
    std::atomic<bool> controllerOwed{false};
  };
  static_assert(std::atomic<ParamValue>::is_always_lock_free);
  static_assert(std::atomic<bool>::is_always_lock_free);

  template <typename Take>
  void takeOwed(std::atomic<bool> Slot::*owed, Take& take) {
    for (int32 index = 0; index < count_; ++index) {
      Slot& slot = slots_[index];
      if (!(slot.*owed).exchange(false, std::memory_order_acq_rel)) continue;
      take(index, slot.value.load(std::memory_order_acquire));
    }
  }

  int32 count_ = 0;
  std::unique_ptr<Slot[]> slots_;
};

}  // namespace Steinberg::Vst
