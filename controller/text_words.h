#pragma once
// Small helpers for reading words people type: surrounding space and letter case do
// not matter.

#include <string_view>

std::string_view trimmedText(std::string_view text);
// ASCII letters compared without regard to case.
bool equalIgnoringCase(std::string_view a, std::string_view b);
