#include "processor/normalized_input.h"

#include <algorithm>
#include <cmath>

double acceptNormalized(ParameterId id, double value) {
  if (std::isnan(value)) return parameterNormalizedDefault(id);
  return std::clamp(value, 0.0, 1.0);
}
