#pragma once
// A file of this system that the host tests need: a shared library every machine has, which
// is no VST 3 module (tests/host/<system>/system_library.cpp).

#include <string>

namespace host_test {

std::string systemLibrary();

}  // namespace host_test
