#include "sdk/vst2_host_application.h"

#include "pluginterfaces/base/ustring.h"

namespace Steinberg::Vst {

tresult PLUGIN_API Vst2HostApplication::getName(String128 name) {
  if (name == nullptr) return kInvalidArgument;
  UString(name, 128).fromAscii(hostName_.c_str());
  return kResultOk;
}

}  // namespace Steinberg::Vst
