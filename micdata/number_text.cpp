#include "micdata/number_text.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace micdata {
namespace {

constexpr int kSignificantDigits = 18;
// Far beyond the range of a double, yet far from overflowing an int when the digits
// that follow are added.
constexpr long kExponentLimit = 100000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool parseNumberText(const char* text, double& value) {
  value = 0.0;
  if (text == nullptr) return false;
  const char* p = text;
  while (isSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';

  // Significant digits kept as an integer; the decimal point and the digits beyond
  // the 18th only move the exponent.
  std::uint64_t mantissa = 0;
  int kept = 0;
  long exponent = 0;
  bool anyDigit = false;
  bool inFraction = false;
  for (;; ++p) {
    if (*p == '.' && !inFraction) {
      inFraction = true;
      continue;
    }
    if (!isDigit(*p)) break;
    anyDigit = true;
    const int digit = *p - '0';
    if (kept == 0 && digit == 0) {
      if (inFraction) --exponent;  // a leading zero after the point is not significant
      continue;
    }
    if (kept < kSignificantDigits) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit);
      ++kept;
      if (inFraction) --exponent;
    } else if (!inFraction) {
      ++exponent;
    }
  }
  if (!anyDigit) return false;

  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    bool exponentNegative = false;
    if (*q == '+' || *q == '-') exponentNegative = *q++ == '-';
    if (isDigit(*q)) {
      long written = 0;
      for (; isDigit(*q); ++q)
        if (written < kExponentLimit) written = written * 10 + (*q - '0');
      exponent += exponentNegative ? -written : written;
    }
  }

  if (mantissa == 0) {
    value = negative ? -0.0 : 0.0;
    return true;
  }
  // The nearest double to mantissa * 10^exponent, rounded correctly.
  char digits[64];
  const int length = std::snprintf(digits, sizeof digits, "%llue%ld",
                                   static_cast<unsigned long long>(mantissa), exponent);
  double magnitude = 0.0;
  if (std::from_chars(digits, digits + length, magnitude).ec == std::errc::result_out_of_range)
    magnitude = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  value = negative ? -magnitude : magnitude;
  return true;
}

double readNumberText(const char* text) {
  double value = 0.0;
  parseNumberText(text, value);
  return value;
}

}  // namespace micdata
