// Bad input: one clear line on standard error, a non-zero exit, and no output left
// behind; an existing result and the input stay as they were.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "tests/render/scratch_folder.h"
#include "tests/render/tool_process.h"

namespace render_test {
namespace {

struct BadRun {
  const char* name;
  std::vector<std::string> arguments;  // "@" stands for the scratch folder
  const char* message;                 // part of the one line on standard error
  int exitStatus = 1;
};

class RenderErrorsTest : public ::testing::TestWithParam<BadRun> {
 protected:
  void SetUp() override {
    writeAudio(folder.file("stereo.wav"),
               {noise(5000, 1), noise(5000, 2), noise(5000, 3), noise(5000, 4)});
    writeAudio(folder.file("three.wav"), {noise(5000, 1), noise(5000, 2), noise(5000, 3)});
    writeBytes(folder.file("garbage.wav"), "RIFF this is no audio file at all");
    writeBytes(folder.file("short.state"), "0123456789");
    std::filesystem::create_directory(folder.file("folder"));
  }

  // "@" becomes the scratch folder, "BUNDLE:" the build tree's bundle folder.
  std::string expand(std::string text) const {
    for (std::size_t at = text.find('@'); at != std::string::npos;
         at = text.find('@', at + folder.path().size()))
      text.replace(at, 1, folder.path());
    if (text.rfind("BUNDLE:", 0) == 0) text = bundlePath(text.substr(7));
    return text;
  }
  std::vector<std::string> expand(const std::vector<std::string>& arguments) const {
    std::vector<std::string> expanded;
    for (const std::string& argument : arguments) expanded.push_back(expand(argument));
    return expanded;
  }

  ScratchFolder folder;
};

TEST_P(RenderErrorsTest, SaysWhatIsWrongInOneLineAndWritesNothing) {
  const BadRun& bad = GetParam();
  const auto before = folder.entries();
  const ToolRun run = runRenderTool(expand(bad.arguments));
  EXPECT_EQ(run.exitStatus, bad.exitStatus) << run.err;
  const auto lines = run.errorLines();
  ASSERT_EQ(lines.size(), 1u) << run.err;
  EXPECT_EQ(lines[0].rfind("lobeshift-render: ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(expand(bad.message)), std::string::npos) << lines[0];
  EXPECT_EQ(folder.entries(), before);  // no output, no state, no temporary file
  EXPECT_EQ(readAudio(folder.file("stereo.wav")).frames(), 5000u);
}

const BadRun kBadRuns[] = {
    {"MissingInput",
     {"--in", "@/none.wav", "--out", "@/out.wav"},
     "cannot read '@/none.wav': No such file"},
    {"InputIsNoAudio", {"--in", "@/garbage.wav", "--out", "@/out.wav"}, "as audio"},
    {"InputIsAFolder", {"--in", "@/folder", "--out", "@/out.wav"}, "it is a folder"},
    {"ThreeChannels",
     {"--in", "@/three.wav", "--out", "@/out.wav"},
     "has 3 channels; give 4 (MicL omni"},
    {"ChannelsOfAnotherBuild",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--plugin", "BUNDLE:Lobeshift64.vst3"},
     "has 4 channels; Lobeshift takes 2 (omni, figure-eight)"},
    {"UnknownTitle",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "Mid Tpye=0.5"},
     "unknown parameter \"Mid Tpye\""},
    {"TitleOfTheOtherBuild",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "Mic Omni Gain=1"},
     "unknown parameter"},
    {"ValueAboveRange",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "High Frequency=25 kHz"},
     "\"High Frequency\" takes 5000 to 20000 Hz, not '25 kHz'"},
    {"ValueBelowRange",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "MicL Omni Gain=-7 dB"},
     "takes -6 to 6 dB"},
    {"WrongUnit",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "Low Frequency=50 dB"},
     "takes 20 to 100 Hz"},
    {"NotANumber",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "Mid Type=nan"},
     "takes 0 to 1"},
    {"FractionalIndex",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "Mic Eight Type=0.5"},
     "a whole number from 0 to 2"},
    {"SwitchHalfOn",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "Proximity Compensation=0.5"},
     "on or off"},
    {"NormalizedAboveOne",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "2=1.5"},
     "normalized value from 0 to 1"},
    {"UnknownId",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "14=0.5"},
     "unknown parameter ID 14"},
    {"NoValue",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--set", "Mid Type"},
     "--set needs TITLE=VALUE"},
    {"OutputFolderMissing",
     {"--in", "@/stereo.wav", "--out", "@/missing/out.wav"},
     "cannot write '@/missing/out.wav'"},
    {"OutputIsAFolder", {"--in", "@/stereo.wav", "--out", "@/folder"}, "it is a folder"},
    {"SavedStateFolderMissing",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--save-state", "@/missing/s.state"},
     "cannot write '@/missing/s.state'"},
    {"StateOfTheWrongSize",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--state", "@/short.state"},
     "holds 10 bytes; a Lobeshift Stereo state holds 56"},
    {"StateMissing",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--state", "@/none.state"},
     "No such file"},
    {"UnknownPreset",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--preset", "Loud"},
     "unknown preset \"Loud\""},
    {"OutputIsTheInput", {"--in", "@/stereo.wav", "--out", "@/./stereo.wav"}, "is the input file"},
    {"SavedStateIsTheInput",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--save-state", "@/stereo.wav"},
     "is the input file"},
    {"BundleMissing",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--plugin", "@/None.vst3"},
     "cannot load plug-in"},
    {"OutMissing", {"--in", "@/stereo.wav"}, "--out FILE is required", 2},
    {"BlockTooLarge",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--block", "65537"},
     "--block takes",
     2},
    {"UnknownOption",
     {"--in", "@/stereo.wav", "--out", "@/out.wav", "--gain", "3"},
     "unknown option '--gain'",
     2},
};

INSTANTIATE_TEST_SUITE_P(BadInput, RenderErrorsTest, ::testing::ValuesIn(kBadRuns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RenderErrorsTest, AFailedRenderLeavesAnEarlierResultAlone) {
  ScratchFolder folder;
  writeAudio(folder.file("in.wav"), {noise(5000, 1), noise(5000, 2)});
  writeBytes(folder.file("out.wav"), "an earlier result");
  // The state file fails after the output has been claimed: the claim is given up.
  const ToolRun run = runRenderTool({"--in", folder.file("in.wav"), "--out", folder.file("out.wav"),
                                     "--save-state", folder.file("missing/s.state")});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(readText(folder.file("out.wav")), "an earlier result");
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"in.wav", "out.wav"}));
}

TEST(RenderErrorsTest, NeverWritesOverTheInputThroughAnotherName) {
  ScratchFolder folder;
  writeAudio(folder.file("in.wav"), {noise(5000, 1), noise(5000, 2)});
  ASSERT_EQ(link(folder.file("in.wav").c_str(), folder.file("linked.wav").c_str()), 0);
  const std::string before = readText(folder.file("in.wav"));
  const ToolRun run =
      runRenderTool({"--in", folder.file("in.wav"), "--out", folder.file("linked.wav")});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
  EXPECT_EQ(readText(folder.file("in.wav")), before);
}

}  // namespace
}  // namespace render_test
