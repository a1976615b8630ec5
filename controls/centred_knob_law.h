#pragma once
// The law between a gain knob's value (0 to 1, 0.5 in the middle) and the plain value
// of its parameter, whose span is centred on zero: plain = (value - 0.5) * span. Plain
// values from outside (the host, a project, the controller) may be anything; they are
// shown clamped to the span, and the readout text always fits its buffer.

#include <cstddef>

#include "controller/parameter_table.h"

namespace lobeshift {

// Room for the readout text of any value, terminator included.
constexpr std::size_t kReadoutSize = 16;

// The plain value inside the parameter's span; NaN becomes the lowest value, as a knob
// shows it.
float clampedPlain(ParameterId id, float plain);
float knobValueForPlain(ParameterId id, float plain);
float plainForKnobValue(ParameterId id, float knobValue);
// "+1.20" above zero, "0.00" or "-3.00" otherwise.
void formatReadout(char (&text)[kReadoutSize], float plain);

}  // namespace lobeshift
