#pragma once
// Audio files through libsndfile: a reader that delivers interleaved float frames, a
// writer that writes them into a PendingFile, and the choice of the output format.

#include <cstdint>
#include <memory>
#include <string>

#include "host/result.h"
#include "tools/render/pending_file.h"

typedef struct sf_private_tag SNDFILE;

namespace render {

struct AudioFormat {
  int sampleRate = 0;
  int channels = 0;
  int sndfileFormat = 0;  // libsndfile's container | encoding | endianness
};

// "WAV, 32-bit float", "FLAC, 24-bit", ...
std::string describeFormat(int sndfileFormat);

// Whether the encoding holds samples beyond full scale (float) or clips them (integer).
bool holdsFloatSamples(int sndfileFormat);

class AudioReader {
 public:
  static host::Result<std::unique_ptr<AudioReader>> open(const std::string& path);
  ~AudioReader();
  AudioReader(const AudioReader&) = delete;
  AudioReader& operator=(const AudioReader&) = delete;

  const AudioFormat& format() const { return format_; }
  std::int64_t frames() const { return frames_; }
  const std::string& path() const { return path_; }

  // Reads up to `frames` interleaved frames; returns how many it read, -1 on a read error.
  std::int64_t read(float* interleaved, std::int64_t frames);
  // The library's description of the last error.
  std::string lastError() const;

 private:
  AudioReader(std::string path, SNDFILE* file, AudioFormat format, std::int64_t frames);
  std::string path_;
  SNDFILE* file_;
  AudioFormat format_;
  std::int64_t frames_;
};

class AudioWriter {
 public:
  // Writes into the pending file; nothing reaches the target before commit(). A WAV
  // file too long for the WAV header's 32-bit sizes is written as RF64.
  static host::Result<std::unique_ptr<AudioWriter>> create(std::unique_ptr<PendingFile> file,
                                                           const AudioFormat& format,
                                                           std::int64_t expectedFrames);
  ~AudioWriter();
  AudioWriter(const AudioWriter&) = delete;
  AudioWriter& operator=(const AudioWriter&) = delete;

  host::Status write(const float* interleaved, std::int64_t frames);
  // Finishes the file (header included) and renames it into place.
  host::Status commit();

 private:
  AudioWriter(std::unique_ptr<PendingFile> file, SNDFILE* sndfile);
  std::unique_ptr<PendingFile> file_;
  SNDFILE* sndfile_;
};

// The format of the result: 32-bit float, in the container the output name asks for
// (WAV unless it ends in .aif/.aiff/.aifc or .flac, which holds 24-bit samples); with
// keepInputFormat the input's own container and encoding.
int outputFormatFor(const std::string& outputPath, int inputFormat, bool keepInputFormat);

}  // namespace render
