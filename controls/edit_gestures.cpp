#include "controls/edit_gestures.h"

namespace lobeshift {

EditGestures::EditGestures(Steinberg::Vst::EditController* controller) : controller_(controller) {}

EditGestures::~EditGestures() { endAll(); }

void EditGestures::begin(Steinberg::Vst::ParamID id) {
  if (id >= kMaxParameters || isOpen(id)) return;
  open_ |= 1u << id;
  if (controller_) controller_->beginEdit(id);
}

void EditGestures::end(Steinberg::Vst::ParamID id) {
  if (!isOpen(id)) return;
  open_ &= ~(1u << id);
  if (controller_) controller_->endEdit(id);
}

void EditGestures::endAll() {
  for (Steinberg::Vst::ParamID id = 0; id < kMaxParameters; ++id) end(id);
}

bool EditGestures::isOpen(Steinberg::Vst::ParamID id) const {
  return id < kMaxParameters && (open_ & (1u << id)) != 0;
}

}  // namespace lobeshift
