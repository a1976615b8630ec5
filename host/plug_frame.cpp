#include "host/plug_frame.h"

namespace host {

using namespace Steinberg;

tresult PLUGIN_API PlugFrame::resizeView(IPlugView* view, ViewRect* newSize) {
  if (view == nullptr || newSize == nullptr) return kInvalidArgument;
  ++resizeRequests_;
  return kResultOk;
}

tresult PLUGIN_API PlugFrame::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  if (FUnknownPrivate::iidEqual(iid, IPlugFrame::iid) ||
      FUnknownPrivate::iidEqual(iid, FUnknown::iid)) {
    *obj = static_cast<IPlugFrame*>(this);
    return kResultOk;
  }
  if (runLoop_ && FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid)) {
    runLoop_->addRef();
    *obj = static_cast<Linux::IRunLoop*>(runLoop_);
    return kResultOk;
  }
  *obj = nullptr;
  return kNoInterface;
}

}  // namespace host
