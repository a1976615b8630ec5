#include "tools/render/preset_list.h"

#include <cstdio>

#include "controller/factory_presets.h"

namespace render {

void printPresets(std::ostream& out) {
  out << "Factory presets of both builds; --preset \"NAME\" starts a render from one:\n";
  for (const FactoryPreset& preset : factoryPresets()) {
    char line[200];
    std::snprintf(line, sizeof line, "  %-*s  %s\n", static_cast<int>(kLongestPresetName),
                  preset.name, preset.purpose);
    out << line;
  }
}

}  // namespace render
