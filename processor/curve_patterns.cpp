#include "processor/curve_patterns.h"

#include <cmath>

const char* nearestPatternName(double omniWeight) {
  struct Pattern {
    double weight;
    const char* name;
  };
  static constexpr Pattern kPatterns[] = {{1.0, "omni"},           {0.7, "wide cardioid"},
                                          {0.5, "cardioid"},       {0.37, "supercardioid"},
                                          {0.25, "hypercardioid"}, {0.0, "figure-eight"}};
  const Pattern* nearest = &kPatterns[0];
  for (const Pattern& pattern : kPatterns) {
    if (std::fabs(pattern.weight - omniWeight) < std::fabs(nearest->weight - omniWeight))
      nearest = &pattern;
  }
  return nearest->name;
}
