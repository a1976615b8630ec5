#include "sdk/vst2_window_system.h"

#include "sdk/linux/vst2_run_loop.h"

namespace Steinberg::Vst {

Vst2WindowSystem::Vst2WindowSystem() : runLoop_(Vst2RunLoop::shared()) {}

Vst2WindowSystem::~Vst2WindowSystem() = default;

FIDString Vst2WindowSystem::platformType() const { return kPlatformTypeX11EmbedWindowID; }

void Vst2WindowSystem::idle() { static_cast<Vst2RunLoop*>(runLoop_.get())->pump(); }

bool Vst2WindowSystem::queryInterface(const TUID iid, void** obj) {
  if (!FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid)) return false;
  return runLoop_->queryInterface(iid, obj) == kResultOk;
}

}  // namespace Steinberg::Vst
