#include "sdk/vst2_window_system.h"

namespace Steinberg::Vst {

Vst2WindowSystem::Vst2WindowSystem() = default;

Vst2WindowSystem::~Vst2WindowSystem() = default;

FIDString Vst2WindowSystem::platformType() const { return kPlatformTypeHWND; }

void Vst2WindowSystem::idle() {}

bool Vst2WindowSystem::queryInterface(const TUID, void**) { return false; }

}  // namespace Steinberg::Vst
