#include "sdk/vst2_parameter_slots.h"

namespace Steinberg::Vst {

void Vst2ParameterSlots::allocate(int32 count) {
  count_ = count > 0 ? count : 0;
  slots_.reset(new Slot[static_cast<size_t>(count_)]);
}

ParamValue Vst2ParameterSlots::value(int32 index) const {
  if (!contains(index)) return 0.0;
  return slots_[index].value.load(std::memory_order_acquire);
}

void Vst2ParameterSlots::setFromHost(int32 index, ParamValue value) {
  if (!contains(index)) return;
  Slot& slot = slots_[index];
  slot.value.store(value, std::memory_order_release);
  slot.processorOwed.store(true, std::memory_order_release);
  slot.controllerOwed.store(true, std::memory_order_release);
}

void Vst2ParameterSlots::setFromController(int32 index, ParamValue value) {
  if (!contains(index)) return;
  Slot& slot = slots_[index];
  slot.value.store(value, std::memory_order_release);
  slot.processorOwed.store(true, std::memory_order_release);
}

void Vst2ParameterSlots::settle(int32 index, ParamValue value) {
  if (!contains(index)) return;
  Slot& slot = slots_[index];
  slot.processorOwed.store(false, std::memory_order_release);
  slot.controllerOwed.store(false, std::memory_order_release);
  slot.value.store(value, std::memory_order_release);
}

}  // namespace Steinberg::Vst
