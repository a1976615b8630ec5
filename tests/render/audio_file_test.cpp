#include "tools/render/audio_file.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include "tests/render/scratch_folder.h"

namespace render {
namespace {

using render_test::ScratchFolder;

TEST(AudioFileTest, ChoosesTheOutputFormat) {
  const int input = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
  EXPECT_EQ(outputFormatFor("x.wav", input, false), SF_FORMAT_WAV | SF_FORMAT_FLOAT);
  EXPECT_EQ(outputFormatFor("x", input, false), SF_FORMAT_WAV | SF_FORMAT_FLOAT);
  EXPECT_EQ(outputFormatFor("x.AIFF", input, false), SF_FORMAT_AIFF | SF_FORMAT_FLOAT);
  EXPECT_EQ(outputFormatFor("x.aif", input, false), SF_FORMAT_AIFF | SF_FORMAT_FLOAT);
  EXPECT_EQ(outputFormatFor("x.flac", input, false), SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
  EXPECT_EQ(outputFormatFor("x.wav", input, true), input);
  EXPECT_EQ(describeFormat(SF_FORMAT_WAV | SF_FORMAT_FLOAT), "WAV, 32-bit float");
  EXPECT_EQ(describeFormat(SF_FORMAT_FLAC | SF_FORMAT_PCM_24), "FLAC, 24-bit");
}

TEST(AudioFileTest, WritesAndReadsBackEverySample) {
  ScratchFolder folder;
  const std::string path = folder.file("x.wav");
  const std::vector<float> interleaved = {0.5f,  -0.25f, 1.5f,
                                          -1.0f, 0.0f,   0.125f};  // 3 frames of 2
  auto pending = PendingFile::create(path);
  ASSERT_TRUE(pending.ok());
  auto writer =
      AudioWriter::create(std::move(*pending), {44100, 2, SF_FORMAT_WAV | SF_FORMAT_FLOAT}, 3);
  ASSERT_TRUE(writer.ok()) << writer.error();
  ASSERT_TRUE((*writer)->write(interleaved.data(), 3).ok());
  EXPECT_FALSE(render_test::exists(path));
  ASSERT_TRUE((*writer)->commit().ok());

  auto reader = AudioReader::open(path);
  ASSERT_TRUE(reader.ok()) << reader.error();
  EXPECT_EQ((*reader)->format().sampleRate, 44100);
  EXPECT_EQ((*reader)->format().channels, 2);
  EXPECT_EQ((*reader)->format().sndfileFormat, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
  ASSERT_EQ((*reader)->frames(), 3);
  std::vector<float> back(6);
  EXPECT_EQ((*reader)->read(back.data(), 10), 3);
  EXPECT_EQ(back, interleaved);  // beyond full scale kept: float samples
}

TEST(AudioFileTest, IntegerFilesClipInsteadOfWrapping) {
  ScratchFolder folder;
  const std::string path = folder.file("x.wav");
  const std::vector<float> samples = {1.5f, -1.5f};
  auto pending = PendingFile::create(path);
  ASSERT_TRUE(pending.ok());
  auto writer =
      AudioWriter::create(std::move(*pending), {48000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16}, 2);
  ASSERT_TRUE(writer.ok());
  ASSERT_TRUE((*writer)->write(samples.data(), 2).ok());
  ASSERT_TRUE((*writer)->commit().ok());
  const auto audio = render_test::readAudio(path);
  ASSERT_EQ(audio.frames(), 2u);
  EXPECT_GT(audio.channels[0][0], 0.99f);
  EXPECT_LT(audio.channels[0][1], -0.99f);
}

TEST(AudioFileTest, WavTooLongForItsHeaderBecomesRf64) {
  ScratchFolder folder;
  auto pending = PendingFile::create(folder.file("long.wav"));
  ASSERT_TRUE(pending.ok());
  // Only the header is written; the declared length decides the container.
  auto writer = AudioWriter::create(std::move(*pending),
                                    {48000, 4, SF_FORMAT_WAV | SF_FORMAT_FLOAT}, 300'000'000);
  ASSERT_TRUE(writer.ok());
  ASSERT_TRUE((*writer)->commit().ok());
  EXPECT_EQ(render_test::readAudio(folder.file("long.wav")).format & SF_FORMAT_TYPEMASK,
            SF_FORMAT_RF64);
}

TEST(AudioFileTest, RefusesFormatsTheContainerCannotHold) {
  ScratchFolder folder;
  auto pending = PendingFile::create(folder.file("x.flac"));
  ASSERT_TRUE(pending.ok());
  auto writer =
      AudioWriter::create(std::move(*pending), {48000, 2, SF_FORMAT_FLAC | SF_FORMAT_FLOAT}, 0);
  ASSERT_FALSE(writer.ok());
  EXPECT_NE(writer.error().find("cannot write"), std::string::npos);
  EXPECT_TRUE(folder.entries().empty());
}

TEST(AudioFileTest, SaysWhyAFileCannotBeRead) {
  ScratchFolder folder;
  render_test::writeBytes(folder.file("text.wav"), "no audio here");
  EXPECT_EQ(AudioReader::open(folder.file("none.wav")).error(),
            "cannot read '" + folder.file("none.wav") + "': No such file or directory");
  EXPECT_NE(AudioReader::open(folder.file("text.wav")).error().find("as audio"), std::string::npos);
  EXPECT_NE(AudioReader::open(folder.path()).error().find("it is a folder"), std::string::npos);
}

}  // namespace
}  // namespace render
