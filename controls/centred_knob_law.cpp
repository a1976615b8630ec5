#include "controls/centred_knob_law.h"

#include <cmath>
#include <cstdio>

namespace lobeshift {

namespace {

float span(ParameterId id) {
  return static_cast<float>(std::fabs(parameterMaximum(id) - parameterMinimum(id)));
}

}  // namespace

float clampedPlain(ParameterId id, float plain) {
  const float half = span(id) / 2.f;
  if (!(plain >= -half)) return -half;
  if (plain > half) return half;
  return plain;
}

float knobValueForPlain(ParameterId id, float plain) {
  const float width = span(id);
  if (width == 0.f) return 0.5f;
  return clampedPlain(id, plain) / width + 0.5f;
}

float plainForKnobValue(ParameterId id, float knobValue) { return (knobValue - 0.5f) * span(id); }

void formatReadout(char (&text)[kReadoutSize], float plain) {
  // Bounded whatever arrives: inf, NaN and huge values print within the buffer too.
  std::snprintf(text, sizeof text, plain > 0.f ? "+%.2f" : "%.2f", static_cast<double>(plain));
}

}  // namespace lobeshift
