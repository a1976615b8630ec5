#include "host/host_context.h"

#include <algorithm>

namespace host {

using namespace Steinberg;

HostContext::HostContext(std::u16string name, RunLoop::Clock clock)
    : name_(std::move(name)), runLoop_(owned(new RunLoop(std::move(clock)))) {}

tresult PLUGIN_API HostContext::getName(Vst::String128 name) {
  if (name == nullptr) return kInvalidArgument;
  const std::size_t length = std::min<std::size_t>(name_.size(), 127);
  std::copy_n(name_.data(), length, name);
  name[length] = 0;
  return kResultTrue;
}

tresult PLUGIN_API HostContext::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  if (RunLoop::isOfferedAs(iid)) {
    if (offersRunLoop_) return runLoop_->queryInterface(iid, obj);
    *obj = nullptr;
    return kNoInterface;
  }
  return HostApplication::queryInterface(iid, obj);
}

}  // namespace host
