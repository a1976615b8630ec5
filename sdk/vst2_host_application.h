#pragma once
// The host context a VST 2 host cannot give: the SDK's host application (messages and
// attribute lists for the processor's messages to its controller), named after the
// VST 2 host.

#include <string>

#include "public.sdk/source/vst/hosting/hostclasses.h"

namespace Steinberg::Vst {

class Vst2HostApplication : public HostApplication {
 public:
  explicit Vst2HostApplication(std::string hostName) : hostName_(std::move(hostName)) {}

  tresult PLUGIN_API getName(String128 name) override;

 private:
  std::string hostName_;
};

}  // namespace Steinberg::Vst
