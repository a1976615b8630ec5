#include "tools/render/command_line.h"

#include <gtest/gtest.h>

namespace render {
namespace {

std::string refusal(const std::vector<std::string>& arguments) {
  auto parsed = parseCommandLine(arguments);
  return parsed.ok() ? std::string("accepted") : parsed.error();
}

TEST(CommandLineTest, ReadsARenderWithEveryOption) {
  auto parsed =
      parseCommandLine({"--in", "a.wav", "--out=b.wav", "--plugin", "X.vst3", "--set",
                        "Mid Type=0.8", "--set=2=0.5", "--state", "s", "--save-state", "t",
                        "--block", "256", "--keep-format", "--no-progress", "--plugin-messages"});
  ASSERT_TRUE(parsed.ok()) << parsed.error();
  EXPECT_EQ(parsed->command, Command::kRender);
  EXPECT_EQ(parsed->inputPath, "a.wav");
  EXPECT_EQ(parsed->outputPath, "b.wav");
  EXPECT_EQ(parsed->pluginPath, "X.vst3");
  EXPECT_EQ(parsed->assignments, (std::vector<std::string>{"Mid Type=0.8", "2=0.5"}));  // in order
  EXPECT_EQ(parsed->statePath, "s");
  EXPECT_EQ(parsed->saveStatePath, "t");
  EXPECT_EQ(parsed->blockSize, 256);
  EXPECT_TRUE(parsed->keepFormat);
  EXPECT_FALSE(parsed->showProgress);
  EXPECT_TRUE(parsed->pluginMessages);
}

TEST(CommandLineTest, DefaultsAndOtherCommands) {
  auto render = parseCommandLine({"--in", "a.wav", "--out", "b.wav"});
  ASSERT_TRUE(render.ok());
  EXPECT_EQ(render->blockSize, 1024);
  EXPECT_FALSE(render->keepFormat);
  EXPECT_TRUE(render->showProgress);

  EXPECT_EQ(parseCommandLine({"--in", "a.wav", "--help"})->command, Command::kHelp);
  EXPECT_EQ(parseCommandLine({"--list-parameters", "--plugin", "X.vst3"})->command,
            Command::kListParameters);
  auto demo = parseCommandLine({"--demo"});
  ASSERT_TRUE(demo.ok());
  EXPECT_EQ(demo->command, Command::kDemo);
  EXPECT_TRUE(demo->demoFolder.empty());
  EXPECT_EQ(parseCommandLine({"--demo", "here", "--block", "64"})->demoFolder, "here");
  EXPECT_EQ(parseCommandLine({"--demo=there"})->demoFolder, "there");
}

TEST(CommandLineTest, SaysWhatIsWrong) {
  EXPECT_EQ(refusal({}), "--in FILE is required (see --help)");
  EXPECT_EQ(refusal({"--in", "a.wav"}), "--out FILE is required (see --help)");
  EXPECT_EQ(refusal({"--in", "--out", "b.wav"}), "--in needs a value");  // a forgotten value
  EXPECT_EQ(refusal({"--in", "a.wav", "--out"}), "--out needs a value");
  EXPECT_EQ(refusal({"--in", "a.wav", "--in", "c.wav", "--out", "b.wav"}), "--in is given twice");
  EXPECT_EQ(refusal({"--in", "a.wav", "--out", "b.wav", "--speed", "2"}),
            "unknown option '--speed' (see --help)");
  EXPECT_EQ(refusal({"a.wav", "b.wav"}), "unknown option 'a.wav' (see --help)");
  EXPECT_EQ(refusal({"--in", "a.wav", "--out", "b.wav", "--keep-format=yes"}),
            "--keep-format takes no value");
  for (const char* block : {"0", "65537", "-1", "12x", "1e3"})
    EXPECT_NE(refusal({"--in", "a.wav", "--out", "b.wav", "--block", block})
                  .find("--block takes a whole number"),
              std::string::npos)
        << block;
  EXPECT_NE(refusal({"--demo", "--in", "a.wav"}).find("--demo makes its own input"),
            std::string::npos);
  EXPECT_NE(refusal({"--list-parameters", "--out", "b.wav"}).find("takes only --in or --plugin"),
            std::string::npos);
  EXPECT_NE(refusal({"--list-parameters", "--demo"}).find("exclude each other"), std::string::npos);
  EXPECT_EQ(refusal({"--list-presets", "--plugin", "X.vst3"}),
            "--list-presets takes no other option");
  EXPECT_EQ(refusal({"--in", "a.wav", "--out", "b.wav", "--preset"}), "--preset needs a value");
}

TEST(CommandLine, TakesAPresetByNameAndListsThePresets) {
  auto options = parseCommandLine({"--in", "a.wav", "--out", "b.wav", "--preset", "Close Vocal"});
  ASSERT_TRUE(options.ok()) << options.error();
  EXPECT_EQ(options->presetName, "Close Vocal");
  EXPECT_EQ(parseCommandLine({"--list-presets"})->command, Command::kListPresets);
}

}  // namespace
}  // namespace render
