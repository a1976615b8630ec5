#pragma once
// --list-presets: the factory presets --preset takes, each with its purpose.

#include <ostream>

namespace render {

void printPresets(std::ostream& out);

}  // namespace render
