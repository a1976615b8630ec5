#pragma once
// Names for omni weights, for people reading a curve or a parameter: the first-order
// pattern whose omni weight lies nearest (omni 1, wide cardioid 0.7, cardioid 0.5,
// supercardioid 0.37, hypercardioid 0.25, figure-eight 0).

#include <optional>
#include <string_view>

const char* nearestPatternName(double omniWeight);

// The omni weight of a pattern named as nearestPatternName names it, ignoring case;
// nothing for any other text.
std::optional<double> patternWeightOfName(std::string_view name);
