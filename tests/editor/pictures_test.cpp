// The README's pictures of the editor are what editor-snapshot draws today: the
// script that made them runs again into a scratch folder, and every picture must match
// the committed one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "png_picture.h"

namespace {

TEST(EditorPictures, TheCommittedPicturesAreWhatTheToolDraws) {
  const char* folder = std::getenv("TMPDIR");
  const std::string scratch = std::string(folder ? folder : "/tmp") + "/lobeshift_editor_pictures";
  const std::string command =
      "BUILD_DIR='" BUILD_FOLDER "' '" SOURCE_FOLDER "/scripts/editor-pictures' '" + scratch + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (const char* name :
       {"editor-stereo-default.png", "editor-stereo-shaped.png", "editor-mono-default.png",
        "editor-mono-shaped.png", "editor-stereo-2x.png"}) {
    const auto committed = editor_test::readPng(std::string(SOURCE_FOLDER "/docs/") + name);
    const auto drawn = editor_test::readPng(scratch + "/" + name);
    ASSERT_GT(drawn.width, 0) << name;
    EXPECT_EQ(editor_test::differingShare(committed, drawn, 2), 0.0)
        << name << " is out of date: run scripts/editor-pictures";
  }
}

}  // namespace
