#pragma once
// A host's plug-in frame for editor tests: offers the host's run loop the way Linux
// hosts do (queryInterface for IRunLoop) and counts resize requests.

#include "host/run_loop.h"
#include "pluginterfaces/gui/iplugview.h"

namespace toolkit_test {

class TestPlugFrame : public Steinberg::IPlugFrame {
 public:
  // `runLoop` may be null: a host without a run loop.
  explicit TestPlugFrame(host::RunLoop* runLoop) : runLoop_(runLoop) {}

  Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView*, Steinberg::ViewRect*) override {
    ++resizeRequests;
    return Steinberg::kResultOk;
  }
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override {
    using namespace Steinberg;
    if (FUnknownPrivate::iidEqual(iid, IPlugFrame::iid) || FUnknownPrivate::iidEqual(iid, FUnknown::iid)) {
      addRef();
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
  // Lives on the test's stack.
  Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
  Steinberg::uint32 PLUGIN_API release() override { return 1; }

  int resizeRequests = 0;

 private:
  host::RunLoop* runLoop_;
};

}  // namespace toolkit_test
