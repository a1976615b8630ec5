#pragma once
// Normalized values that come from outside (state streams, the host's parameter
// changes and automation) may be anything a float can hold. Every one passes through
// here before it reaches an engine or a parameter.

#include "controller/parameter_table.h"

// The value clamped to 0 ... 1; NaN becomes the parameter's normalized default.
double acceptNormalized(ParameterId id, double value);
