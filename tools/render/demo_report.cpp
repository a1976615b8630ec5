#include "tools/render/demo_report.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "controller/pattern_names.h"
#include "tools/render/band_levels.h"
#include "tools/render/demo.h"

namespace render {

namespace {

constexpr double kReportFloorDecibels = -100.0;

std::string bandName(double centre) {
  char text[32];
  if (centre >= 1000.0)
    std::snprintf(text, sizeof text, "%g kHz", centre / 1000.0);
  else
    std::snprintf(text, sizeof text, "%g Hz", centre);
  return text;
}

std::string settingText() {
  std::string text;
  for (const auto& assignment : demoSetting()) text += (text.empty() ? "" : ", ") + assignment;
  return text;
}

}  // namespace

std::string demoReport(const std::vector<double>& onAxis, const std::vector<double>& side,
                       const std::string& folder, const std::string& pluginName) {
  std::ostringstream text;
  text << "\nLobeshift demo: two sources, recorded by two coincident pairs (omni + figure-eight)\n"
       << "  on-axis source: in front of the pairs (0°); omni and figure-eight both carry it in "
          "full\n"
       << "  side source:    at 90°; the omni carries it, the figure-eight not at all (cos 90° = "
          "0)\n"
       << "Rendered with " << pluginName << ", omni in the lows, figure-eight in the highs:\n  "
       << settingText() << "\n\n"
       << "Change of each source in the output, relative to its level in the omni capsules:\n";
  char line[160];
  // "°" takes two bytes and one column: the header's field is one byte wider.
  std::snprintf(line, sizeof line, "  %-12s %16s %20s   %s\n", "Octave band", "On-axis source",
                "Side source (90°)", "Pattern it acts as");
  text << line;
  for (std::size_t band = 0; band < onAxis.size(); ++band) {
    std::snprintf(line, sizeof line, "  %-12s %16s %19s   %s\n",
                  bandName(octaveBandCentres()[band]).c_str(), changeText(onAxis[band]).c_str(),
                  changeText(side[band]).c_str(), patternAt90Degrees(side[band]).c_str());
    text << line;
  }
  text
      << "\nThe on-axis source keeps its level in every band: omni, cardioid and figure-eight all\n"
      << "hear straight ahead alike. The side source keeps its level where the setting is omni,\n"
      << "loses 6 dB where it is cardioid and vanishes where it is figure-eight: the directivity\n"
      << "at work. Each source was rendered alone with the same setting to measure it.\n\n"
      << "Files in " << folder << ":\n"
      << "  demo-input.wav             the recording (MicL omni, MicR omni, MicL eight, MicR "
         "eight)\n"
      << "  demo-output.wav            its render (MicL, MicR)\n"
      << "  demo-*-on-axis.wav, demo-*-side.wav   each source alone, before and after\n"
      << "  demo-setting.vststate      the processor state of the setting (for --state or a DAW)\n"
      << "  report.txt                 this report\n";
  return text.str();
}

std::string changeText(double decibels) {
  if (decibels < kReportFloorDecibels)
    return "< " + std::to_string(static_cast<int>(kReportFloorDecibels)) + " dB";
  char text[24];
  std::snprintf(text, sizeof text, "%+.1f dB", std::fabs(decibels) < 0.05 ? 0.0 : decibels);
  return text;
}

std::string patternAt90Degrees(double decibels) {
  const double weight = std::pow(10.0, decibels / 20.0);
  char text[48];
  std::snprintf(text, sizeof text, "%s (omni weight %.2f)", nearestPatternName(weight), weight);
  return text;
}

}  // namespace render
