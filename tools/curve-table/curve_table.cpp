// Prints the directivity curve, the omni weight per frequency, of the default setting
// and of an example setting (omni in the lows, figure-eight in the highs), side by side.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "controller/parameter_table.h"
#include "controller/pattern_names.h"
#include "processor/curve.h"

namespace {

constexpr double kSampleRate = 48000.0;
constexpr int kFftSize = 8192;
constexpr int kBinCount = kFftSize / 2;
constexpr int kBarWidth = 20;

// Third-octave centre frequencies, 20 Hz to 20 kHz.
constexpr double kFrequencies[] = {
    20,  25,   31.5, 40,   50,   63,   80,   100,  125,  160,  200,  250,   315,   400,   500,  630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};

struct Setting {
  const char* name;
  double lowType, lowFrequency, midType, midFrequency, highType, highFrequency;
};

Setting defaultSetting() {
  return {"Default",
          parameterDefault(kLowType),
          parameterDefault(kLowFrequency),
          parameterDefault(kMidType),
          parameterDefault(kMidFrequency),
          parameterDefault(kHighType),
          parameterDefault(kHighFrequency)};
}

constexpr Setting kExample = {"Example", 1.0, 100.0, 0.5, 1000.0, 0.0, 5000.0};

double binPosition(double frequency) { return frequency / kSampleRate * kFftSize; }

std::vector<double> curveOf(const Setting& setting) {
  const ControlPoint points[] = {{binPosition(setting.lowFrequency), setting.lowType},
                                 {binPosition(setting.midFrequency), setting.midType},
                                 {binPosition(setting.highFrequency), setting.highType}};
  std::vector<double> curve(kBinCount);
  computeCurve(curve.data(), points, 3, kBinCount);
  return curve;
}

// Linear between the two bins around the frequency.
double weightAt(const std::vector<double>& curve, double frequency) {
  const double position = binPosition(frequency);
  const int below = static_cast<int>(position);
  if (below >= kBinCount - 1) return curve[kBinCount - 1];
  const double fraction = position - below;
  return curve[below] * (1.0 - fraction) + curve[below + 1] * fraction;
}

std::string bar(double weight) {
  const int filled = static_cast<int>(std::lround(weight * kBarWidth));
  return std::string(filled, '#') + std::string(kBarWidth - filled, '.');
}

void printSetting(const Setting& s) {
  std::printf("%-8s Low %.2f at %g Hz, Mid %.2f at %g Hz, High %.2f at %g Hz\n", s.name, s.lowType,
              s.lowFrequency, s.midType, s.midFrequency, s.highType, s.highFrequency);
}

std::string padded(const std::string& text, std::size_t width) {
  return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

std::string number(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// One cell per setting: weight (five characters), pattern, bar.
std::string cell(const std::string& weight, const std::string& pattern, const std::string& bar) {
  return " | " + weight + "  " + padded(pattern, 13) + "  " + bar;
}

void printLine(std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  std::printf("%s\n", line.c_str());
}

}  // namespace

int main() {
  const Setting settings[] = {defaultSetting(), kExample};
  const std::vector<double> curves[] = {curveOf(settings[0]), curveOf(settings[1])};

  std::printf(
      "Directivity curve at %g kHz: omni weight w per frequency (1 = omni, 0.5 = cardioid, "
      "0 = figure-eight)\n\n",
      kSampleRate / 1000.0);
  for (const Setting& setting : settings) printSetting(setting);
  std::printf("\n");

  const std::string titleCell = cell("    w", "pattern", std::string(kBarWidth, ' '));
  std::string names(10, ' '), titles = "        Hz";
  for (const Setting& setting : settings) {
    names += padded(std::string(" | ") + setting.name, titleCell.size());
    titles += titleCell;
  }
  printLine(names);
  printLine(titles);
  for (double frequency : kFrequencies) {
    std::string row = number("%10g", frequency);
    for (const auto& curve : curves) {
      const double weight = weightAt(curve, frequency);
      row += cell(number("%5.3f", weight), nearestPatternName(weight), bar(weight));
    }
    printLine(row);
  }
  return 0;
}
