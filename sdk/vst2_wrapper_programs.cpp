// The programs: the module's named settings in the host's program menu. Choosing one
// hands its state to the processor and the controller (and so to an open editor) as a
// chunk is handed over; the chunk itself stays the processor state, whatever program
// was chosen.

#include <cstring>

#include "platform/diagnostics.h"
#include "sdk/vst2_text.h"
#include "sdk/vst2_wrapper.h"

namespace Steinberg::Vst {

VstIntPtr Vst2Wrapper::dispatchProgram(int opcode, int index, VstIntPtr value, void* ptr) {
  const auto count = static_cast<int32>(programs_.size());
  switch (opcode) {
    case effGetProgram:
      return currentProgram_;
    case effSetProgram:
      return setProgram(value) ? 1 : 0;
    case effSetProgramName: {
      if (ptr == nullptr) return 0;
      const char* name = static_cast<const char*>(ptr);
      programs_[static_cast<size_t>(currentProgram_)].name.assign(
          name, strnlen(name, Vst2::kProgramNameBytes - 1));
      return 1;
    }
    case effGetProgramName:
      return copyText(ptr, programs_[static_cast<size_t>(currentProgram_)].name.c_str(),
                      Vst2::kProgramNameBytes);
    case effGetProgramNameIndexed:
      if (index < 0 || index >= count) return 0;
      return copyText(ptr, programs_[static_cast<size_t>(index)].name.c_str(),
                      Vst2::kProgramNameBytes);
    default:
      return 0;
  }
}

bool Vst2Wrapper::setProgram(VstIntPtr index) {
  if (index < 0 || index >= static_cast<VstIntPtr>(programs_.size())) {
    diag::write("VST 2 host chose program %ld of %zu; nothing changed\n", static_cast<long>(index),
                programs_.size());
    return false;
  }
  const Vst2Program& program = programs_[static_cast<size_t>(index)];
  // A program without a state (the one of a module without programs) changes nothing.
  if (!program.state.empty() &&
      !applyState(program.state.data(), static_cast<VstIntPtr>(program.state.size())))
    return false;
  // Hosts read the parameters again after a program change.
  currentProgram_ = static_cast<int32>(index);
  return true;
}

}  // namespace Steinberg::Vst
