#include "tests/render/scratch_folder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace render_test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "lobeshift-render-test.XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  if (!path_.empty()) fs::remove_all(path_, error);
}

std::vector<std::string> ScratchFolder::entries() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(path_, error))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void writeAudio(const std::string& path, const Channels& channels, int sampleRate, int format) {
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = static_cast<int>(channels.size());
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) return;
  const std::size_t length = channels.front().size();
  std::vector<float> interleaved(length * channels.size());
  for (std::size_t n = 0; n < length; ++n)
    for (std::size_t c = 0; c < channels.size(); ++c)
      interleaved[n * channels.size() + c] = channels[c][n];
  sf_writef_float(file, interleaved.data(), static_cast<sf_count_t>(length));
  sf_close(file);
}

Audio readAudio(const std::string& path) {
  Audio audio;
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) return audio;
  audio.sampleRate = info.samplerate;
  audio.format = info.format;
  std::vector<float> interleaved(static_cast<std::size_t>(info.frames * info.channels));
  const sf_count_t read = sf_readf_float(file, interleaved.data(), info.frames);
  sf_close(file);
  audio.channels.assign(static_cast<std::size_t>(info.channels),
                        std::vector<float>(static_cast<std::size_t>(read)));
  for (std::size_t n = 0; n < static_cast<std::size_t>(read); ++n)
    for (std::size_t c = 0; c < audio.channels.size(); ++c)
      audio.channels[c][n] = interleaved[n * audio.channels.size() + c];
  return audio;
}

std::vector<float> noise(std::size_t length, unsigned seed, float amplitude) {
  std::mt19937 generator(seed);
  std::vector<float> samples(length);
  for (auto& sample : samples)
    sample = amplitude * (static_cast<float>(generator() % 65536) / 32768.0f - 1.0f);
  return samples;
}

std::string readText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
}

bool exists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

}  // namespace render_test
