#include "micdata/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

using micdata::parseNumberText;
using micdata::readNumberText;

TEST(NumberText, ReadsTheDocumentsFixedDecimals) {
  EXPECT_EQ(readNumberText("1.000"), 1.0);
  EXPECT_EQ(readNumberText("0.912"), 0.912);
  EXPECT_EQ(readNumberText("-25.988"), -25.988);
  EXPECT_EQ(readNumberText("7.857502"), 7.857502);
  EXPECT_EQ(readNumberText("0.000104"), 0.000104);
  const double negativeZero = readNumberText("-0.000");
  EXPECT_EQ(negativeZero, 0.0);
  EXPECT_TRUE(std::signbit(negativeZero));
}

TEST(NumberText, AcceptsWhiteSpaceSignsPointsAndExponents) {
  EXPECT_EQ(readNumberText("   20"), 20.0);
  EXPECT_EQ(readNumberText("\t\r\n 5"), 5.0);
  EXPECT_EQ(readNumberText("+2.5"), 2.5);
  EXPECT_EQ(readNumberText(".5"), 0.5);
  EXPECT_EQ(readNumberText("-.25"), -0.25);
  EXPECT_EQ(readNumberText("5."), 5.0);
  EXPECT_EQ(readNumberText("1e3"), 1000.0);
  EXPECT_EQ(readNumberText("1.5E-2"), 0.015);
  EXPECT_EQ(readNumberText("2e+2"), 200.0);
  EXPECT_EQ(readNumberText("000123.4500"), 123.45);
}

TEST(NumberText, StopsAtTheFirstCharacterThatDoesNotFit) {
  EXPECT_EQ(readNumberText("1.5dB"), 1.5);
  EXPECT_EQ(readNumberText("1.2.3"), 1.2);  // one decimal point only
  EXPECT_EQ(readNumberText("3e"), 3.0);     // an exponent needs digits
  EXPECT_EQ(readNumberText("3e-"), 3.0);
  EXPECT_EQ(readNumberText("4 5"), 4.0);
  EXPECT_EQ(readNumberText("1,5"), 1.0);  // no locale decimal comma
}

TEST(NumberText, TextWithoutDigitsReadsZero) {
  for (const char* text : {"", "   ", "abc", "-", "+.", ".", "e5", "-e5", "nan", "inf"}) {
    double value = 99.0;
    EXPECT_FALSE(parseNumberText(text, value)) << text;
    EXPECT_EQ(value, 0.0) << text;
    EXPECT_EQ(readNumberText(text), 0.0) << text;
  }
  double value = 99.0;
  EXPECT_FALSE(parseNumberText(nullptr, value));
  EXPECT_EQ(value, 0.0);
  EXPECT_TRUE(parseNumberText("0", value));    // a zero is a number
  EXPECT_TRUE(parseNumberText("0x1", value));  // the "x" ends it
  EXPECT_EQ(value, 0.0);
}

TEST(NumberText, UsesAtMostEighteenSignificantDigits) {
  // The 19th and later digits are dropped, not rounded, but still count for the magnitude.
  EXPECT_EQ(readNumberText("1234567890123456789"), 1234567890123456780.0);
  EXPECT_EQ(readNumberText("1234567890123456789012"), 1234567890123456780000.0);
  EXPECT_EQ(readNumberText("0.1234567890123456789"), 0.123456789012345678);
  EXPECT_EQ(readNumberText("0.0000001234567890123456789"), 1.23456789012345678e-7);
  // Leading zeros are not significant.
  EXPECT_EQ(readNumberText("0000000000000000000000001.5"), 1.5);
  EXPECT_EQ(readNumberText("0.0000000000000000000000015"), 1.5e-24);
}

TEST(NumberText, ExtremeExponentsSaturate) {
  EXPECT_EQ(readNumberText("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(readNumberText("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(readNumberText("1e-400"), 0.0);
  EXPECT_EQ(readNumberText("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(readNumberText("1e-99999999999999999999999"), 0.0);
  EXPECT_EQ(readNumberText("0e99999"), 0.0);
}

TEST(NumberText, IgnoresTheCLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  // A locale with a decimal comma, where one is installed; the C locale otherwise.
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(readNumberText("3.484"), 3.484);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
