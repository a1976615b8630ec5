#include "controller/parameters.h"

namespace {

constexpr const char* kTitles[] = {
    "Low Type",       "Low Frequency",          "Mid Type",       "Mid Frequency",
    "High Type",      "High Frequency",         "Mic Omni Type",  "Mic Eight Type",
    "Solo State",     "Proximity Compensation",
#if LOBESHIFT_STEREO
    "MicL Omni Gain", "MicL Eight Gain",        "MicR Omni Gain", "MicR Eight Gain",
#else
    "Mic Omni Gain",  "Mic Eight Gain",
#endif
};
static_assert(sizeof kTitles / sizeof kTitles[0] == kParameterCount);

}  // namespace

const char* parameterTitle(ParameterId id) {
  return id < kParameterCount ? kTitles[id] : "invalid Parameter";
}
