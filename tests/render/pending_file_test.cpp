#include "tools/render/pending_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "tests/render/scratch_folder.h"

namespace render {
namespace {

using render_test::readText;
using render_test::ScratchFolder;
using render_test::writeBytes;

std::vector<char> bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(PendingFileTest, TheTargetAppearsWholeAndOnlyOnCommit) {
  ScratchFolder folder;
  writeBytes(folder.file("result"), "old");
  auto file = PendingFile::create(folder.file("result"));
  ASSERT_TRUE(file.ok()) << file.error();
  ASSERT_TRUE(writeAll(**file, bytes("new contents")).ok());
  // Written, not yet committed: the old target stands, next to one hidden temporary file.
  EXPECT_EQ(readText(folder.file("result")), "old");
  const auto entries = folder.entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].rfind(".result.", 0), 0u);
  EXPECT_EQ(std::filesystem::path((*file)->temporaryPath()).parent_path(),
            std::filesystem::path(folder.path()));

  ASSERT_TRUE((*file)->commit().ok());
  EXPECT_EQ(readText(folder.file("result")), "new contents");
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"result"}));
  // New files get the usual permissions, not those of a private temporary file.
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(static_cast<mode_t>(std::filesystem::status(folder.file("result")).permissions()),
            0666 & ~mask);
}

TEST(PendingFileTest, ADroppedFileLeavesNothing) {
  ScratchFolder folder;
  {
    auto file = PendingFile::create(folder.file("result"));
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(writeAll(**file, bytes("half")).ok());
  }
  EXPECT_TRUE(folder.entries().empty());
}

TEST(PendingFileTest, AnInterruptedProcessLeavesNothing) {
  ScratchFolder folder;
  for (int signalNumber : {SIGINT, SIGTERM, SIGPIPE}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      auto file = PendingFile::create(folder.file("result"));
      if (file.ok()) (void)writeAll(**file, bytes("half a result"));
      raise(signalNumber);
      _exit(0);  // not reached: the signal still ends the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << signalNumber;
    EXPECT_TRUE(folder.entries().empty()) << signalNumber;
  }
}

TEST(PendingFileTest, RefusesFoldersAndMissingFolders) {
  ScratchFolder folder;
  auto intoFolder = PendingFile::create(folder.path());
  ASSERT_FALSE(intoFolder.ok());
  EXPECT_NE(intoFolder.error().find("it is a folder"), std::string::npos);
  auto missing = PendingFile::create(folder.file("none/result"));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error(),
            "cannot write '" + folder.file("none/result") + "': No such file or directory");
}

TEST(PendingFileTest, TellsOneFileUnderTwoNamesApart) {
  ScratchFolder folder;
  writeBytes(folder.file("a"), "a");
  writeBytes(folder.file("b"), "b");
  ASSERT_EQ(link(folder.file("a").c_str(), folder.file("hard").c_str()), 0);
  std::filesystem::create_symlink(folder.file("a"), folder.file("soft"));
  EXPECT_TRUE(isSameFile(
      folder.file("a"),
      folder.path() + "/../" + std::filesystem::path(folder.path()).filename().string() + "/a"));
  EXPECT_TRUE(isSameFile(folder.file("a"), folder.file("hard")));
  EXPECT_TRUE(isSameFile(folder.file("a"), folder.file("soft")));
  EXPECT_FALSE(isSameFile(folder.file("a"), folder.file("b")));
  EXPECT_FALSE(isSameFile(folder.file("a"), folder.file("none")));
}

}  // namespace
}  // namespace render
