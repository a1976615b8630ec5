#include "host/plug_frame.h"

namespace host {

using namespace Steinberg;

tresult PLUGIN_API PlugFrame::resizeView(IPlugView* view, ViewRect* newSize) {
  if (view == nullptr || newSize == nullptr) return kInvalidArgument;
  ++resizeRequests_;
  lastRequest_ = *newSize;
  if (resizer_) {
    resizer_(*newSize);
    ViewRect size = *newSize;
    view->onSize(&size);
  }
  return kResultOk;
}

tresult PLUGIN_API PlugFrame::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  if (FUnknownPrivate::iidEqual(iid, IPlugFrame::iid) ||
      FUnknownPrivate::iidEqual(iid, FUnknown::iid)) {
    *obj = static_cast<IPlugFrame*>(this);
    return kResultOk;
  }
  if (runLoop_ && RunLoop::isOfferedAs(iid)) return runLoop_->queryInterface(iid, obj);
  *obj = nullptr;
  return kNoInterface;
}

}  // namespace host
