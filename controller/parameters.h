#pragma once
// The parameters as each build registers them with the host.

#include "controller/parameter_table.h"

#ifndef LOBESHIFT_STEREO
#error "LOBESHIFT_STEREO must be defined (1 = stereo build, 0 = mono build)"
#endif

// Parameters registered with the host: 14 in the stereo build, 12 in the mono build.
constexpr ParameterId kParameterCount = LOBESHIFT_STEREO ? 14 : 12;
// Microphone pairs, one directivity engine each.
constexpr int kPairCount = LOBESHIFT_STEREO ? 2 : 1;

// The title of a registered parameter; "invalid Parameter" above the last one.
const char* parameterTitle(ParameterId id);
