#include "controller/pattern_names.h"

#include <cmath>

#include "controller/text_words.h"

namespace {

struct Pattern {
  double weight;
  const char* name;
};

constexpr Pattern kPatterns[] = {{1.0, "omni"},           {0.7, "wide cardioid"},
                                 {0.5, "cardioid"},       {0.37, "supercardioid"},
                                 {0.25, "hypercardioid"}, {0.0, "figure-eight"}};

}  // namespace

const char* nearestPatternName(double omniWeight) {
  const Pattern* nearest = &kPatterns[0];
  for (const Pattern& pattern : kPatterns) {
    if (std::fabs(pattern.weight - omniWeight) < std::fabs(nearest->weight - omniWeight))
      nearest = &pattern;
  }
  return nearest->name;
}

std::optional<double> patternWeightOfName(std::string_view name) {
  for (const Pattern& pattern : kPatterns)
    if (equalIgnoringCase(name, pattern.name)) return pattern.weight;
  return std::nullopt;
}
