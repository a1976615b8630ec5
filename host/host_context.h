#pragma once
// The host context handed to plug-in objects in initialize(): the SDK's example host
// application (name, message and attribute-list creation, interface support), which
// also offers the host's run loop through queryInterface, as Linux hosts do (Windows
// hosts offer none: plug-ins' timers there are Windows' own, served by the message loop).
//
// Like the SDK's HostApplication it does not count references: the owner keeps it
// alive for as long as any plug-in object that was initialised with it.

#include <string>

#include "host/run_loop.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

namespace host {

class HostContext : public Steinberg::Vst::HostApplication {
 public:
  // The clock drives the run loop's timers (see RunLoop); the default is the steady clock.
  explicit HostContext(std::u16string name = u"Lobeshift Host", RunLoop::Clock clock = {});
  HostContext(const HostContext&) = delete;
  HostContext& operator=(const HostContext&) = delete;

  RunLoop& runLoop() { return *runLoop_; }
  // Whether plug-ins find the run loop through the context. Some hosts offer it only
  // through an editor's plug-in frame; the run loop exists either way. (Windows: no
  // effect, as the context never offers one there.)
  void setOffersRunLoop(bool offers) { offersRunLoop_ = offers; }

  //--- IHostApplication
  Steinberg::tresult PLUGIN_API getName(Steinberg::Vst::String128 name) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;

 private:
  std::u16string name_;
  Steinberg::IPtr<RunLoop> runLoop_;
  bool offersRunLoop_ = true;
};

}  // namespace host
