#include "tools/render/audio_file.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace render {

namespace {

std::string lowerCaseExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// libsndfile's own name of a container or an encoding.
std::string libraryName(int format) {
  SF_FORMAT_INFO info{};
  info.format = format;
  if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info) != 0 || info.name == nullptr)
    return "format " + std::to_string(format);
  return info.name;
}

std::string containerName(int format) {
  switch (format & SF_FORMAT_TYPEMASK) {
    case SF_FORMAT_WAV:
      return "WAV";
    case SF_FORMAT_RF64:
      return "RF64";
    case SF_FORMAT_W64:
      return "W64";
    case SF_FORMAT_AIFF:
      return "AIFF";
    case SF_FORMAT_FLAC:
      return "FLAC";
    case SF_FORMAT_CAF:
      return "CAF";
    default:
      return libraryName(format & SF_FORMAT_TYPEMASK);
  }
}

std::string encodingName(int format) {
  switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
      return "8-bit";
    case SF_FORMAT_PCM_16:
      return "16-bit";
    case SF_FORMAT_PCM_24:
      return "24-bit";
    case SF_FORMAT_PCM_32:
      return "32-bit";
    case SF_FORMAT_FLOAT:
      return "32-bit float";
    case SF_FORMAT_DOUBLE:
      return "64-bit float";
    default:
      return libraryName(format & SF_FORMAT_SUBMASK);
  }
}

// The data of a WAV file, with room to spare for the header chunks.
constexpr std::int64_t kLargestWavData = 0xFFFFFFFFLL - (1LL << 20);

std::int64_t bytesPerSample(int format) {
  switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
      return 1;
    case SF_FORMAT_PCM_16:
      return 2;
    case SF_FORMAT_PCM_24:
      return 3;
    case SF_FORMAT_DOUBLE:
      return 8;
    default:
      return 4;
  }
}

}  // namespace

bool holdsFloatSamples(int sndfileFormat) {
  const int encoding = sndfileFormat & SF_FORMAT_SUBMASK;
  return encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE;
}

std::string describeFormat(int sndfileFormat) {
  return containerName(sndfileFormat) + ", " + encodingName(sndfileFormat);
}

int outputFormatFor(const std::string& outputPath, int inputFormat, bool keepInputFormat) {
  if (keepInputFormat) return inputFormat;
  const std::string extension = lowerCaseExtension(outputPath);
  if (extension == ".flac") return SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
  if (extension == ".aif" || extension == ".aiff" || extension == ".aifc")
    return SF_FORMAT_AIFF | SF_FORMAT_FLOAT;
  return SF_FORMAT_WAV | SF_FORMAT_FLOAT;
}

//--- AudioReader

AudioReader::AudioReader(std::string path, SNDFILE* file, AudioFormat format, std::int64_t frames)
    : path_(std::move(path)), file_(file), format_(format), frames_(frames) {}

AudioReader::~AudioReader() { sf_close(file_); }

host::Result<std::unique_ptr<AudioReader>> AudioReader::open(const std::string& path) {
  using Opened = host::Result<std::unique_ptr<AudioReader>>;
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    return Opened::failure("cannot read '" + path + "': it is a folder");
  // The system's words for a missing or forbidden file; libsndfile's for what is inside.
  if (access(path.c_str(), R_OK) != 0)
    return Opened::failure("cannot read '" + path + "': " + std::strerror(errno));
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr)
    return Opened::failure("cannot read '" + path + "' as audio: " + sf_strerror(nullptr));
  if (info.channels <= 0 || info.samplerate <= 0 || info.frames < 0) {
    sf_close(file);
    return Opened::failure("cannot read '" + path +
                           "': the file declares no channels or no sample rate");
  }
  const AudioFormat format{info.samplerate, info.channels, info.format};
  return Opened::success(
      std::unique_ptr<AudioReader>(new AudioReader(path, file, format, info.frames)));
}

std::int64_t AudioReader::read(float* interleaved, std::int64_t frames) {
  const sf_count_t count = sf_readf_float(file_, interleaved, frames);
  if (count < frames && sf_error(file_) != SF_ERR_NO_ERROR) return -1;
  return count;
}

std::string AudioReader::lastError() const { return sf_strerror(file_); }

//--- AudioWriter

AudioWriter::AudioWriter(std::unique_ptr<PendingFile> file, SNDFILE* sndfile)
    : file_(std::move(file)), sndfile_(sndfile) {}

AudioWriter::~AudioWriter() {
  if (sndfile_ != nullptr) sf_close(sndfile_);
}

host::Result<std::unique_ptr<AudioWriter>> AudioWriter::create(std::unique_ptr<PendingFile> file,
                                                               const AudioFormat& format,
                                                               std::int64_t expectedFrames) {
  using Created = host::Result<std::unique_ptr<AudioWriter>>;
  const std::string& target = file->targetPath();
  SF_INFO info{};
  info.samplerate = format.sampleRate;
  info.channels = format.channels;
  info.format = format.sndfileFormat;
  const bool wav = (format.sndfileFormat & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV;
  if (wav &&
      expectedFrames * format.channels * bytesPerSample(format.sndfileFormat) > kLargestWavData)
    info.format = (format.sndfileFormat & ~SF_FORMAT_TYPEMASK) | SF_FORMAT_RF64;
  if (!sf_format_check(&info))
    return Created::failure("cannot write '" + target + "' as " +
                            describeFormat(format.sndfileFormat) + " with " +
                            std::to_string(format.channels) + " channels at " +
                            std::to_string(format.sampleRate) + " Hz");
  // The descriptor stays the pending file's: it syncs and closes it on commit.
  SNDFILE* sndfile = sf_open_fd(file->descriptor(), SFM_WRITE, &info, SF_FALSE);
  if (sndfile == nullptr)
    return Created::failure("cannot write '" + target + "': " + sf_strerror(nullptr));
  // Integer samples beyond full scale are clipped rather than wrapped around.
  if (!holdsFloatSamples(format.sndfileFormat))
    sf_command(sndfile, SFC_SET_CLIPPING, nullptr, SF_TRUE);
  return Created::success(std::unique_ptr<AudioWriter>(new AudioWriter(std::move(file), sndfile)));
}

host::Status AudioWriter::write(const float* interleaved, std::int64_t frames) {
  if (sf_writef_float(sndfile_, interleaved, frames) != frames)
    return host::Status::failure("cannot write '" + file_->targetPath() +
                                 "': " + sf_strerror(sndfile_));
  return host::Status::success();
}

host::Status AudioWriter::commit() {
  const int closed = sf_close(sndfile_);
  sndfile_ = nullptr;
  if (closed != 0)
    return host::Status::failure("cannot write '" + file_->targetPath() +
                                 "': " + sf_error_number(closed));
  return file_->commit();
}

}  // namespace render
