#include "tests/host/system_library.h"

namespace host_test {

std::string systemLibrary() { return "/lib/x86_64-linux-gnu/libm.so.6"; }

}  // namespace host_test
