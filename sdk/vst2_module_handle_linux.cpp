// Linux: the module's own dlopen handle, found from the address of its code. The
// host's dlopen keeps the module loaded, so the handle stays valid after our probe
// lets its extra reference go.

#include <dlfcn.h>

#include "sdk/vst2_entry.h"

namespace Steinberg::Vst {

void* vst2ModuleHandle() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&vst2ModuleHandle), &info) == 0 || info.dli_fname == nullptr)
    return nullptr;
  void* handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
  if (handle != nullptr) dlclose(handle);
  return handle;
}

}  // namespace Steinberg::Vst
