#pragma once
// Resources compiled into the module: the microphone document and the bitmaps.
// Nothing is read from disk at run time. Lookup is by name and type, the way the
// system finds its "PolarXML.xml" of type "XML"; names compare without regard to case.

#include <cstddef>

namespace platform {

struct Resource {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

// Returns true and fills `out` when a resource with this name and type is embedded.
bool findResource(const char* name, const char* type, Resource& out);

// One embedded resource; the table is generated at build time.
struct ResourceEntry {
  const char* name;
  const char* type;
  const unsigned char* begin;
  const unsigned char* end;
};

}  // namespace platform

// Provided by the generated resource table that is linked into each module.
extern "C" const platform::ResourceEntry lobeshiftResourceTable[];
extern "C" const std::size_t lobeshiftResourceCount;
