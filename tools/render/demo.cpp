#include "tools/render/demo.h"

#include <sndfile.h>

#include <filesystem>

#include "tools/render/audio_file.h"
#include "tools/render/band_levels.h"
#include "tools/render/bundle_locator.h"
#include "tools/render/demo_recording.h"
#include "tools/render/demo_report.h"
#include "tools/render/pending_file.h"
#include "tools/render/render_file.h"

namespace render {

namespace fs = std::filesystem;

namespace {

// The files of one source: what the capsules picked up, and what the plug-in made of it.
struct DemoPart {
  const char* label;
  const char* inputName;
  const char* outputName;
  const DemoChannels* channels;
};

host::Status writeChannels(const std::string& path, const DemoChannels& channels, int sampleRate) {
  auto file = PendingFile::create(path);
  if (!file) return host::Status::failure(file.error());
  const AudioFormat format{sampleRate, static_cast<int>(channels.size()),
                           SF_FORMAT_WAV | SF_FORMAT_FLOAT};
  const std::size_t length = channels.front().size();
  auto writer = AudioWriter::create(std::move(*file), format, static_cast<std::int64_t>(length));
  if (!writer) return host::Status::failure(writer.error());
  std::vector<float> interleaved(length * channels.size());
  for (std::size_t n = 0; n < length; ++n)
    for (std::size_t channel = 0; channel < channels.size(); ++channel)
      interleaved[n * channels.size() + channel] = channels[channel][n];
  if (host::Status written =
          (*writer)->write(interleaved.data(), static_cast<std::int64_t>(length));
      !written)
    return written;
  return (*writer)->commit();
}

host::Result<DemoChannels> readChannels(const std::string& path) {
  using Read = host::Result<DemoChannels>;
  auto reader = AudioReader::open(path);
  if (!reader) return Read::failure(reader.error());
  const auto channels = static_cast<std::size_t>((*reader)->format().channels);
  const auto length = static_cast<std::size_t>((*reader)->frames());
  std::vector<float> interleaved(length * channels);
  if ((*reader)->read(interleaved.data(), static_cast<std::int64_t>(length)) !=
      static_cast<std::int64_t>(length))
    return Read::failure("cannot read '" + path + "' back");
  DemoChannels result(channels, std::vector<float>(length));
  for (std::size_t n = 0; n < length; ++n)
    for (std::size_t channel = 0; channel < channels; ++channel)
      result[channel][n] = interleaved[n * channels + channel];
  return Read::success(std::move(result));
}

// Band energies of several channels together.
std::vector<double> bandEnergies(const DemoChannels& channels, const std::vector<int>& which,
                                 double sampleRate) {
  std::vector<double> total(octaveBandCentres().size(), 0.0);
  for (int channel : which) {
    const auto energies =
        octaveBandEnergies(channels[static_cast<std::size_t>(channel)], sampleRate);
    for (std::size_t band = 0; band < total.size(); ++band) total[band] += energies[band];
  }
  return total;
}

}  // namespace

const std::vector<std::string>& demoSetting() {
  static const std::vector<std::string> setting = {"Low Type=1",   "Low Frequency=100 Hz",
                                                   "Mid Type=0.5", "Mid Frequency=1000 Hz",
                                                   "High Type=0",  "High Frequency=5000 Hz"};
  return setting;
}

host::Status runDemo(const Options& options, std::ostream& out) {
  const std::string folder = options.demoFolder.empty() ? kDefaultDemoFolder : options.demoFolder;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    return host::Status::failure("cannot make the demo folder '" + folder +
                                 "': " + error.message());

  const DemoRecording recording = synthesiseDemoRecording();
  const DemoPart parts[] = {
      {"the recording (both sources)", "demo-input.wav", "demo-output.wav", &recording.both},
      {"the on-axis source alone", "demo-input-on-axis.wav", "demo-output-on-axis.wav",
       &recording.onAxis},
      {"the side source alone", "demo-input-side.wav", "demo-output-side.wav", &recording.side}};

  std::string bundle = options.pluginPath;
  if (bundle.empty()) {
    auto located = locateBundle(kStereoBundleName);
    if (!located) return host::Status::failure(located.error());
    bundle = *located;
  }

  std::vector<DemoChannels> outputs;
  std::string pluginName;
  for (const DemoPart& part : parts) {
    const std::string input = (fs::path(folder) / part.inputName).string();
    if (host::Status written = writeChannels(input, *part.channels, recording.sampleRate); !written)
      return written;
    Options render;
    render.inputPath = input;
    render.outputPath = (fs::path(folder) / part.outputName).string();
    render.pluginPath = bundle;
    render.assignments = demoSetting();
    render.blockSize = options.blockSize;
    render.showProgress = false;
    if (&part == &parts[0])
      render.saveStatePath = (fs::path(folder) / "demo-setting.vststate").string();
    auto summary = renderFile(render);
    if (!summary) return host::Status::failure(summary.error());
    out << "Rendered " << part.label << " with ";
    printSummary(*summary, out);
    pluginName = summary->pluginName;
    auto rendered = readChannels(render.outputPath);
    if (!rendered) return host::Status::failure(rendered.error());
    outputs.push_back(std::move(*rendered));
  }

  // Each source alone: its energy in the two omni capsules against the two outputs.
  const std::vector<int> omniChannels(std::begin(kDemoOmniChannels), std::end(kDemoOmniChannels));
  const std::vector<int> outputChannels = {0, 1};
  std::vector<double> changes[2];
  for (int source = 0; source < 2; ++source) {
    const auto before =
        bandEnergies(*parts[source + 1].channels, omniChannels, recording.sampleRate);
    const auto after = bandEnergies(outputs[static_cast<std::size_t>(source + 1)], outputChannels,
                                    recording.sampleRate);
    for (std::size_t band = 0; band < before.size(); ++band)
      changes[source].push_back(levelChange(before[band], after[band]));
  }
  const std::string text = demoReport(changes[0], changes[1], folder, pluginName);
  out << text;
  const std::string reportPath = (fs::path(folder) / "report.txt").string();
  auto reportFile = PendingFile::create(reportPath);
  if (!reportFile) return host::Status::failure(reportFile.error());
  if (host::Status written = writeAll(**reportFile, std::vector<char>(text.begin(), text.end()));
      !written)
    return written;
  return (*reportFile)->commit();
}

}  // namespace render
