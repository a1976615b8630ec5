#pragma once
// Numbers as the microphone document writes them: optional leading white space, an
// optional sign, decimal digits with at most one decimal point, an optional exponent
// ("e" or "E", optional sign, digits). Reading stops at the first character that does
// not fit; at most 18 significant digits are used. Independent of the C locale.

namespace micdata {

// Returns false, and sets value to 0, when the text holds no digits.
bool parseNumberText(const char* text, double& value);

// The number at the start of the text; 0 when there is none.
double readNumberText(const char* text);

}  // namespace micdata
