#pragma once
// A fresh folder under /tmp for one test, removed with everything in it afterwards;
// plus small audio-file helpers that go straight to libsndfile, independent of the
// tool's own file code.

#include <sndfile.h>

#include <string>
#include <vector>

namespace render_test {

using Channels = std::vector<std::vector<float>>;

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Every entry of the folder, hidden ones included, sorted.
  std::vector<std::string> entries() const;

 private:
  std::string path_;
};

struct Audio {
  int sampleRate = 0;
  int format = 0;
  Channels channels;
  std::size_t frames() const { return channels.empty() ? 0 : channels.front().size(); }
};

void writeAudio(const std::string& path, const Channels& channels, int sampleRate = 48000,
                int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT);
// Empty channels when the file cannot be read.
Audio readAudio(const std::string& path);

// Reproducible noise in [-amplitude, amplitude).
std::vector<float> noise(std::size_t length, unsigned seed, float amplitude = 0.25f);

std::string readText(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
bool exists(const std::string& path);

}  // namespace render_test
