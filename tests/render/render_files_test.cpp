// Formats, state files, the summary, and the choice of plug-in.

#include <gtest/gtest.h>

#include <cstring>

#include "controller/factory_presets.h"
#include "tests/render/scratch_folder.h"
#include "tests/render/tool_process.h"

namespace render_test {
namespace {

constexpr std::size_t kLength = 12000;

class RenderFilesTest : public ::testing::Test {
 protected:
  ToolRun render(const std::string& input, const std::string& output,
                 std::vector<std::string> extra = {}) {
    std::vector<std::string> arguments{"--in", folder.file(input), "--out", folder.file(output)};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return runRenderTool(arguments);
  }
  Channels stereoRecording() {
    return {noise(kLength, 21), noise(kLength, 22), noise(kLength, 23), noise(kLength, 24)};
  }

  ScratchFolder folder;
};

float storedValue(const std::string& state, int id) {
  float value = 0.0f;
  std::memcpy(&value, state.data() + 4 * id, sizeof value);
  return value;
}

TEST_F(RenderFilesTest, WritesFloatWavAtTheInputsRateUnlessTheNameOrKeepFormatSaysOtherwise) {
  writeAudio(folder.file("in.wav"), stereoRecording(), 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  struct Case {
    std::string output;
    std::vector<std::string> extra;
    int format;
  };
  const Case cases[] = {
      {"out.wav", {}, SF_FORMAT_WAV | SF_FORMAT_FLOAT},
      {"out.aiff", {}, SF_FORMAT_AIFF | SF_FORMAT_FLOAT},
      {"out.flac", {}, SF_FORMAT_FLAC | SF_FORMAT_PCM_24},
      {"kept.wav", {"--keep-format"}, SF_FORMAT_WAV | SF_FORMAT_PCM_16},
  };
  for (const Case& c : cases) {
    const ToolRun run = render("in.wav", c.output, c.extra);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const Audio output = readAudio(folder.file(c.output));
    EXPECT_EQ(output.format & (SF_FORMAT_TYPEMASK | SF_FORMAT_SUBMASK), c.format) << c.output;
    EXPECT_EQ(output.sampleRate, 44100) << c.output;
    EXPECT_EQ(output.frames(), kLength) << c.output;
  }
}

TEST_F(RenderFilesTest, KeepsTheFormatOfFlacAndAiffInputs) {
  writeAudio(folder.file("in.flac"), stereoRecording(), 96000, SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
  writeAudio(folder.file("in.aif"), stereoRecording(), 48000, SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
  ASSERT_EQ(render("in.flac", "out.flac", {"--keep-format"}).exitStatus, 0);
  ASSERT_EQ(render("in.aif", "out.aif", {"--keep-format"}).exitStatus, 0);
  const Audio flac = readAudio(folder.file("out.flac"));
  EXPECT_EQ(flac.format, SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
  EXPECT_EQ(flac.sampleRate, 96000);
  EXPECT_EQ(flac.frames(), kLength);
  EXPECT_EQ(readAudio(folder.file("out.aif")).format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
}

TEST_F(RenderFilesTest, SavedStateHoldsTheSettingsAndReproducesTheRender) {
  writeAudio(folder.file("in.wav"), stereoRecording());
  const ToolRun first = render("in.wav", "first.wav",
                               {"--set", "Mid Type=0.8", "--set", "High Frequency=12500", "--set",
                                "Solo State=3", "--save-state", folder.file("setting.state")});
  ASSERT_EQ(first.exitStatus, 0) << first.err;
  const std::string state = readText(folder.file("setting.state"));
  ASSERT_EQ(state.size(), 56u);  // 14 float32 values, no header
  EXPECT_EQ(storedValue(state, 2), 0.8f);
  EXPECT_NEAR(storedValue(state, 5), 0.5f, 1e-6f);
  EXPECT_EQ(storedValue(state, 8), 0.0f);  // a solo is never stored

  // The same setting by ID with normalized values sounds the same; from the state file
  // too, up to the float32 precision the state keeps values in (the solo aside, which
  // the state does not keep).
  ASSERT_EQ(
      render("in.wav", "nosolo.wav", {"--set", "Mid Type=0.8", "--set", "High Frequency=12500"})
          .exitStatus,
      0);
  ASSERT_EQ(
      render("in.wav", "from-state.wav", {"--state", folder.file("setting.state")}).exitStatus, 0);
  ASSERT_EQ(render("in.wav", "by-id.wav", {"--set", "2=0.8", "--set", "5=0.5"}).exitStatus, 0);
  const Channels expected = readAudio(folder.file("nosolo.wav")).channels;
  const Channels fromState = readAudio(folder.file("from-state.wav")).channels;
  ASSERT_EQ(fromState.size(), expected.size());
  for (std::size_t channel = 0; channel < expected.size(); ++channel) {
    ASSERT_EQ(fromState[channel].size(), kLength);
    for (std::size_t n = 0; n < kLength; ++n)
      ASSERT_NEAR(fromState[channel][n], expected[channel][n], 1e-6f) << n;
  }
  EXPECT_EQ(readAudio(folder.file("by-id.wav")).channels, expected);
  EXPECT_NE(readAudio(folder.file("first.wav")).channels, expected);
}

TEST_F(RenderFilesTest, SettingsAfterAStateFileWin) {
  writeAudio(folder.file("in.wav"), {noise(kLength, 31), noise(kLength, 32)});
  ASSERT_EQ(render("in.wav", "a.wav",
                   {"--set", "Low Type=0.9", "--save-state", folder.file("mono.state")})
                .exitStatus,
            0);
  EXPECT_EQ(readText(folder.file("mono.state")).size(), 48u);  // 12 values in the mono build
  ASSERT_EQ(render("in.wav", "b.wav",
                   {"--state", folder.file("mono.state"), "--set", "Low Type=0.2", "--save-state",
                    folder.file("after.state")})
                .exitStatus,
            0);
  EXPECT_NEAR(storedValue(readText(folder.file("after.state")), 0), 0.2f, 1e-6f);
}

TEST_F(RenderFilesTest, APresetIsTheStartingPointAndSettingsAfterItWin) {
  writeAudio(folder.file("in.wav"), stereoRecording());
  ASSERT_EQ(render("in.wav", "a.wav",
                   {"--preset", "close VOCAL", "--save-state", folder.file("preset.state")})
                .exitStatus,
            0);
  const FactoryPreset& closeVocal = *findFactoryPreset("Close Vocal");
  const std::vector<char> expected = presetState(closeVocal, 14);
  EXPECT_EQ(readText(folder.file("preset.state")), std::string(expected.begin(), expected.end()));
  ASSERT_EQ(render("in.wav", "b.wav",
                   {"--preset", "Close Vocal", "--set", "Low Type=0.2", "--save-state",
                    folder.file("after.state")})
                .exitStatus,
            0);
  const std::string after = readText(folder.file("after.state"));
  EXPECT_NEAR(storedValue(after, 0), 0.2f, 1e-6f);
  EXPECT_EQ(storedValue(after, 9), 1.0f);  // the preset's proximity compensation stays

  const ToolRun listed = runRenderTool({"--list-presets"});
  ASSERT_EQ(listed.exitStatus, 0) << listed.err;
  for (const FactoryPreset& preset : factoryPresets())
    EXPECT_NE(listed.out.find(std::string(preset.name) + " "), std::string::npos) << preset.name;
}

TEST_F(RenderFilesTest, ReplacesAnEarlierResultAndLeavesNoTemporaryFile) {
  writeAudio(folder.file("in.wav"), stereoRecording());
  writeBytes(folder.file("out.wav"), "an earlier result");
  const ToolRun run = render("in.wav", "out.wav");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(readAudio(folder.file("out.wav")).frames(), kLength);
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"in.wav", "out.wav"}));
}

TEST_F(RenderFilesTest, SummarySaysWhatRanAndHowLoud) {
  Channels input = stereoRecording();
  std::fill(input[1].begin(), input[1].end(), 0.0f);  // MicR silent: its result too
  std::fill(input[3].begin(), input[3].end(), 0.0f);
  writeAudio(folder.file("in.wav"), input);
  const ToolRun run = render("in.wav", "out.wav");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;  // no progress bar without a terminal
  EXPECT_NE(run.out.find("Lobeshift Stereo (" + bundlePath("LobeshiftStereo64.vst3") + ")"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("0.250 s at 48000 Hz (12000 frames), 4 channels in, 2 out"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("latency of 8192 samples compensated"), std::string::npos);
  EXPECT_NE(run.out.find("x real time"), std::string::npos);
  EXPECT_NE(run.out.find("peak: MicL -"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("MicR silent"), std::string::npos) << run.out;
  // The plug-in's own diagnostic lines stay out of the report unless asked for.
  EXPECT_EQ(run.out.find("Processor:"), std::string::npos);
  const ToolRun chatty = render("in.wav", "out.wav", {"--plugin-messages"});
  EXPECT_NE(chatty.err.find("Processor: update parameter"), std::string::npos);
  EXPECT_EQ(chatty.out.find("Processor:"), std::string::npos);
}

TEST_F(RenderFilesTest, ShowsProgressOnATerminalAndClearsItAtTheEnd) {
  writeAudio(folder.file("in.wav"), stereoRecording());
  const ToolRun run =
      runRenderTool({"--in", folder.file("in.wav"), "--out", folder.file("out.wav")}, true);
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.err.find("] 100.0%  0.2 of 0.2 s"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.substr(run.err.size() - 4), "\r\033[K");  // the line is left clean
  EXPECT_NE(run.out.find("peak:"), std::string::npos);  // the summary stays on standard output

  const ToolRun quiet = runRenderTool(
      {"--in", folder.file("in.wav"), "--out", folder.file("out.wav"), "--no-progress"}, true);
  EXPECT_EQ(quiet.exitStatus, 0);
  EXPECT_EQ(quiet.err, "");
}

TEST_F(RenderFilesTest, RunsAnyNamedBundleWithItsOwnParameters) {
  // The test gain plug-in: stereo in and out, no latency, gain = 2 × normalized value.
  const Channels input = {noise(kLength, 41), noise(kLength, 42)};
  writeAudio(folder.file("in.wav"), input);
  const ToolRun run =
      render("in.wav", "out.wav",
             {"--plugin", bundlePath("LobeshiftTestGain.vst3"), "--set", "Gain=0.25"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const Audio output = readAudio(folder.file("out.wav"));
  ASSERT_EQ(output.frames(), kLength);
  for (std::size_t n = 0; n < kLength; ++n)
    ASSERT_FLOAT_EQ(output.channels[1][n], 0.5f * input[1][n]) << n;
}

TEST_F(RenderFilesTest, HelpStatesTheChannelOrdersAndWhereBundlesAreFound) {
  const ToolRun run = runRenderTool({"--help"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_NE(run.out.find("1 MicL omni, 2 MicR omni, 3 MicL figure-eight, 4 MicR figure-eight"),
            std::string::npos);
  EXPECT_NE(run.out.find("1 omni, 2 figure-eight"), std::string::npos);
  EXPECT_NE(run.out.find("~/.vst3"), std::string::npos);
}

TEST_F(RenderFilesTest, ListsTheParametersOfTheBuildForTheRecording) {
  writeAudio(folder.file("mono.wav"), {noise(100, 1), noise(100, 2)});
  const ToolRun stereo = runRenderTool({"--list-parameters"});
  EXPECT_EQ(stereo.exitStatus, 0) << stereo.err;
  EXPECT_NE(stereo.out.find("MicR Eight Gain"), std::string::npos);
  EXPECT_NE(stereo.out.find("5000 to 20000 Hz"), std::string::npos);
  const ToolRun mono = runRenderTool({"--list-parameters", "--in", folder.file("mono.wav")});
  EXPECT_EQ(mono.exitStatus, 0) << mono.err;
  EXPECT_NE(mono.out.find("Mic Omni Gain"), std::string::npos);
  EXPECT_EQ(mono.out.find("MicR"), std::string::npos);
}

}  // namespace
}  // namespace render_test
