#pragma once
// The product's own layer over the SDK's edit controller; it adds nothing yet, and
// gives the product's code one name for its controllers.

#include "public.sdk/source/vst/vsteditcontroller.h"

namespace Steinberg::Vst {

class PlugIn_PlugInController : public EditController {};

}  // namespace Steinberg::Vst
