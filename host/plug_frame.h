#pragma once
// The host's side of an open editor (IPlugFrame): offers the host's run loop the way
// Linux hosts do (queryInterface for IRunLoop; Windows hosts offer none), and takes the view's
// resize requests: it records them and, when its owner has a window, has the window take the
// new size and then tells the view (onSize), as hosts do.

#include <functional>

#include "host/run_loop.h"
#include "pluginterfaces/gui/iplugview.h"

namespace host {

class PlugFrame : public Steinberg::IPlugFrame {
 public:
  // `runLoop` may be null: a host that offers none to editors.
  explicit PlugFrame(RunLoop* runLoop) : runLoop_(runLoop) {}
  virtual ~PlugFrame() = default;
  PlugFrame(const PlugFrame&) = delete;
  PlugFrame& operator=(const PlugFrame&) = delete;

  Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view,
                                           Steinberg::ViewRect* newSize) override;
  int resizeRequests() const { return resizeRequests_; }
  // The size of the last request (0 x 0 before any).
  const Steinberg::ViewRect& lastRequestedSize() const { return lastRequest_; }
  // What sizes the owner's window to a request.
  void setWindowResizer(std::function<void(const Steinberg::ViewRect&)> resizer) {
    resizer_ = std::move(resizer);
  }

  //--- FUnknown: the owner keeps the frame alive; references are not counted.
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
  Steinberg::uint32 PLUGIN_API release() override { return 1; }

 private:
  RunLoop* runLoop_;
  int resizeRequests_ = 0;
  Steinberg::ViewRect lastRequest_{0, 0, 0, 0};
  std::function<void(const Steinberg::ViewRect&)> resizer_;
};

}  // namespace host
