// The demo end to end: it renders through the stereo bundle and reports the
// directivity per octave band in numbers that match the setting.

#include <gtest/gtest.h>

#include <sstream>

#include "tests/render/scratch_folder.h"
#include "tests/render/tool_process.h"

namespace render_test {
namespace {

// The report's row of a band: "  1 kHz   +0.0 dB   -6.0 dB   cardioid (…)".
std::string rowOf(const std::string& report, const std::string& band) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("  " + band + " ", 0) == 0) return line;
  return {};
}

// The numbers of a row: on-axis change, side change (or -1000 for "< -100 dB").
std::pair<double, double> changesOf(const std::string& row) {
  std::istringstream words(row);
  std::string word;
  std::vector<double> numbers;
  while (words >> word) {
    if (word == "<") {
      words >> word;  // the floor
      numbers.push_back(-1000.0);
    } else if ((word[0] == '+' || word[0] == '-') && word.size() > 1) {
      numbers.push_back(std::stod(word));
    }
  }
  return numbers.size() >= 2 ? std::pair{numbers[0], numbers[1]} : std::pair{999.0, 999.0};
}

TEST(RenderDemoTest, ShowsTheSideSourceFadingFromOmniToFigureEightWhileTheOnAxisSourceStays) {
  ScratchFolder folder;
  const ToolRun run = runRenderTool({"--demo", folder.path()});
  ASSERT_EQ(run.exitStatus, 0) << run.err;

  for (const char* band : {"31.5 Hz", "63 Hz", "125 Hz", "250 Hz", "500 Hz", "1 kHz", "2 kHz",
                           "4 kHz", "8 kHz", "16 kHz"}) {
    const auto [onAxis, side] = changesOf(rowOf(run.out, band));
    EXPECT_NEAR(onAxis, 0.0, 0.1) << band;  // straight ahead every pattern hears alike
    EXPECT_LE(side, 0.05) << band;
  }
  EXPECT_NEAR(changesOf(rowOf(run.out, "31.5 Hz")).second, 0.0,
              0.1);                                                   // omni: the side source stays
  EXPECT_NEAR(changesOf(rowOf(run.out, "1 kHz")).second, -6.0, 0.5);  // cardioid: half at 90°
  EXPECT_EQ(changesOf(rowOf(run.out, "16 kHz")).second, -1000.0);     // figure-eight: gone
  EXPECT_NE(rowOf(run.out, "1 kHz").find("cardioid"), std::string::npos);

  for (const char* file :
       {"demo-input.wav", "demo-output.wav", "demo-input-side.wav", "demo-output-side.wav",
        "demo-input-on-axis.wav", "demo-output-on-axis.wav", "report.txt"})
    EXPECT_TRUE(exists(folder.file(file))) << file;
  EXPECT_EQ(readText(folder.file("demo-setting.vststate")).size(), 56u);
  EXPECT_NE(run.out.find(readText(folder.file("report.txt"))), std::string::npos);
  const Audio input = readAudio(folder.file("demo-input.wav"));
  const Audio output = readAudio(folder.file("demo-output.wav"));
  EXPECT_EQ(input.channels.size(), 4u);
  EXPECT_EQ(output.channels.size(), 2u);
  EXPECT_EQ(output.frames(), input.frames());
}

}  // namespace
}  // namespace render_test
