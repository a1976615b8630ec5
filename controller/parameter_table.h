#pragma once
// The parameter table that is the same in both builds: IDs, units, plain ranges and
// defaults, and the one linear law between plain and normalized values.

#include <cstdint>

using ParameterId = std::uint32_t;

enum ParameterIds : ParameterId {
  kLowType = 0,
  kLowFrequency = 1,
  kMidType = 2,
  kMidFrequency = 3,
  kHighType = 4,
  kHighFrequency = 5,
  kMicOmniType = 6,
  kMicEightType = 7,
  kSoloState = 8,
  kProximityCompensation = 9,
  kMicLOmniGain = 10,   // "Mic Omni Gain" in the mono build
  kMicLEightGain = 11,  // "Mic Eight Gain" in the mono build
  kMicROmniGain = 12,   // stereo build only
  kMicREightGain = 13,  // stereo build only
};

// The kind that marks level values (peaks per capsule) wherever they are handed on:
// from the engines to the level timer, and from the controller to open views.
constexpr std::uint32_t kLevelTag = 65536;

// Rows the range lookups cover in both builds.
constexpr ParameterId kParameterTableRows = 14;

// Plain default, minimum and maximum; 0 for an ID outside the table.
double parameterDefault(ParameterId id);
double parameterMinimum(ParameterId id);
double parameterMaximum(ParameterId id);
// "Hz", "dB" or empty; "invalid Parameter" above ID 13 (in both builds).
const char* parameterUnits(ParameterId id);

// The linear law, in double precision, for every parameter.
double normalizedToPlain(ParameterId id, double normalized);
double plainToNormalized(ParameterId id, double plain);
// The normalized default registered with the host.
double parameterNormalizedDefault(ParameterId id);

// Index, solo state and model parameters read the integer part of the plain value
// after it has passed through single precision (so a Solo State of 5/6 reads 5).
std::int32_t parameterInteger(float plain);
