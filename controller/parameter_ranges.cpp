#include <cmath>

#include "controller/parameter_table.h"

namespace {

struct Range {
  double minimum;
  double maximum;
  double defaultValue;
};

// Rows 12 and 13 are kept in the mono build too; only their registration differs.
constexpr Range kRanges[kParameterTableRows] = {
    {0, 1, 0.5},           // Low Type
    {20, 100, 50},         // Low Frequency
    {0, 1, 0.5},           // Mid Type
    {200, 3000, 1000},     // Mid Frequency
    {0, 1, 0.5},           // High Type
    {5000, 20000, 10000},  // High Frequency
    {0, 2, 0},             // Mic Omni Type
    {0, 2, 0},             // Mic Eight Type
    {0, 6, 0},             // Solo State
    {0, 1, 0},             // Proximity Compensation
    {-6, 6, 0},            // MicL Omni Gain
    {-6, 6, 0},            // MicL Eight Gain
    {-6, 6, 0},            // MicR Omni Gain
    {-6, 6, 0},            // MicR Eight Gain
};

const Range* findRange(ParameterId id) { return id < kParameterTableRows ? &kRanges[id] : nullptr; }

double span(ParameterId id) { return std::fabs(parameterMaximum(id) - parameterMinimum(id)); }

}  // namespace

double parameterDefault(ParameterId id) {
  const Range* range = findRange(id);
  return range ? range->defaultValue : 0.0;
}

double parameterMinimum(ParameterId id) {
  const Range* range = findRange(id);
  return range ? range->minimum : 0.0;
}

double parameterMaximum(ParameterId id) {
  const Range* range = findRange(id);
  return range ? range->maximum : 0.0;
}

const char* parameterUnits(ParameterId id) {
  switch (id) {
    case kLowFrequency:
    case kMidFrequency:
    case kHighFrequency:
      return "Hz";
    case kMicLOmniGain:
    case kMicLEightGain:
    case kMicROmniGain:
    case kMicREightGain:
      return "dB";
    default:
      return id < kParameterTableRows ? "" : "invalid Parameter";
  }
}

double normalizedToPlain(ParameterId id, double normalized) {
  return parameterMinimum(id) + normalized * span(id);
}

double plainToNormalized(ParameterId id, double plain) {
  const double width = span(id);
  // Outside the table there is no range; report 0 rather than dividing by zero.
  return width > 0.0 ? (plain - parameterMinimum(id)) / width : 0.0;
}

double parameterNormalizedDefault(ParameterId id) {
  return plainToNormalized(id, parameterDefault(id));
}

std::int32_t parameterInteger(float plain) {
  if (!(std::fabs(plain) < 2147483520.0f)) return 0;  // NaN or beyond int32: not a valid index
  return static_cast<std::int32_t>(plain);
}
