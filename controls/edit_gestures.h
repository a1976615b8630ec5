#pragma once
// Brackets a user's gesture for the host. A host records touch automation and groups
// undo steps by beginEdit / endEdit, and expects every performEdit between them; the
// editor's controls open a gesture for each parameter they are about to change and
// close it when the mouse lets go (a wheel step or a key press is a gesture of its
// own). Opening an open parameter again, or closing one that is not open, does
// nothing, so a control may report the same begin or end twice without unbalancing
// the host. Whatever is still open when the owner goes is closed then.

#include <cstdint>

#include "public.sdk/source/vst/vsteditcontroller.h"

namespace lobeshift {

class EditGestures {
 public:
  // The controller is not owned; it outlives the editor and everything in it.
  explicit EditGestures(Steinberg::Vst::EditController* controller);
  ~EditGestures();
  EditGestures(const EditGestures&) = delete;
  EditGestures& operator=(const EditGestures&) = delete;

  void begin(Steinberg::Vst::ParamID id);
  void end(Steinberg::Vst::ParamID id);
  void endAll();
  bool isOpen(Steinberg::Vst::ParamID id) const;

 private:
  // Parameter IDs are 0 to 13; one bit each.
  static constexpr Steinberg::Vst::ParamID kMaxParameters = 32;

  Steinberg::Vst::EditController* controller_;
  std::uint32_t open_ = 0;
};

}  // namespace lobeshift
