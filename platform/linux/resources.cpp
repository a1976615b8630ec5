#include "platform/resources.h"

#include <strings.h>

namespace platform {

bool findResource(const char* name, const char* type, Resource& out) {
  if (name == nullptr || type == nullptr) return false;
  for (std::size_t i = 0; i < lobeshiftResourceCount; ++i) {
    const ResourceEntry& entry = lobeshiftResourceTable[i];
    if (strcasecmp(entry.name, name) == 0 && strcasecmp(entry.type, type) == 0) {
      out.data = entry.begin;
      out.size = static_cast<std::size_t>(entry.end - entry.begin);
      return true;
    }
  }
  return false;
}

}  // namespace platform
