// The user's settings file with the default zoom of new editors: where it lives, what it
// takes, and that a file that is missing, empty or garbled, or a folder that cannot be
// written, leaves 100 % and a working plug-in.

#include "controller/editor_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace Steinberg::Vst;
namespace fs = std::filesystem;

class EditorSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::path(::testing::TempDir()) /
           ("editor_settings_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::error_code ignored;
    fs::remove_all(root, ignored);
    setenv("XDG_CONFIG_HOME", root.c_str(), 1);
  }
  void writeFile(const std::string& contents) {
    fs::create_directories(root / "Lobeshift");
    std::ofstream(root / "Lobeshift" / "editor.conf", std::ios::binary) << contents;
  }
  fs::path root;
};

TEST_F(EditorSettings, LivesInTheUsersConfigFolder) {
  EXPECT_EQ(editorSettingsPath(), root / "Lobeshift" / "editor.conf");
  setenv("XDG_CONFIG_HOME", "relative/folder", 1);  // not absolute: ignored
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(editorSettingsPath(), fs::path("/home/someone/.config/Lobeshift/editor.conf"));
}

TEST_F(EditorSettings, AWrittenZoomIsReadBackAndReplacesTheOldOne) {
  EXPECT_DOUBLE_EQ(readDefaultEditorZoom(), 1.0) << "missing file";
  ASSERT_TRUE(writeDefaultEditorZoom(1.75));
  EXPECT_DOUBLE_EQ(readDefaultEditorZoom(), 1.75);
  ASSERT_TRUE(writeDefaultEditorZoom(2.5));
  EXPECT_DOUBLE_EQ(readDefaultEditorZoom(), 2.5);
  // Only the file itself is left behind, no temporary one.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(root / "Lobeshift"))
    files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST_F(EditorSettings, AFolderThatCannotBeMadeKeepsNothingAndSaysSo) {
  fs::create_directories(root);
  std::ofstream(root / "Lobeshift") << "a file where the folder belongs";
  EXPECT_FALSE(writeDefaultEditorZoom(2.0));
  EXPECT_DOUBLE_EQ(readDefaultEditorZoom(), 1.0);
}

class GarbledSettings : public EditorSettings, public ::testing::WithParamInterface<const char*> {};

TEST_P(GarbledSettings, ReadAsOneHundredPercent) {
  writeFile(GetParam());
  EXPECT_DOUBLE_EQ(readDefaultEditorZoom(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Files, GarbledSettings,
                         ::testing::Values("", "zoom=", "zoom=abc", "zoom=137", "zoom=150%",
                                           "zoom=-150", "zoom=99999999999999999999",
                                           "\x01\x02\xff\xfe", "150"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(EditorSettings, OtherLinesAroundTheZoomDoNotMatter) {
  writeFile("# Lobeshift\r\nzoom=300\r\n");
  EXPECT_DOUBLE_EQ(readDefaultEditorZoom(), 3.0);
}

}  // namespace
