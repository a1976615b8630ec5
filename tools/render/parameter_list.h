#pragma once
// --list-parameters: the plug-in's parameters as --set names them.

#include <ostream>

#include "host/result.h"
#include "tools/render/command_line.h"
#include "tools/render/parameter_catalog.h"

namespace render {

// Loads the plug-in the options name (or the one for --in's channel count, or the
// stereo build) and prints its parameters.
host::Status listParameters(const Options& options, std::ostream& out);

// One line per parameter: ID, title, range with units, default.
void printParameters(const ParameterCatalog& catalog, std::ostream& out);

}  // namespace render
