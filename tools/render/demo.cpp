#include "tools/render/demo.h"

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "tools/render/audio_file.h"
#include "tools/render/band_levels.h"
#include "tools/render/bundle_locator.h"
#include "tools/render/demo_recording.h"
#include "tools/render/pending_file.h"
#include "tools/render/render_file.h"

namespace render {

namespace fs = std::filesystem;

namespace {

constexpr double kReportFloorDecibels = -100.0;

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
  const AudioFormat format{sampleRate, static_cast<int>(channels.size()), SF_FORMAT_WAV | SF_FORMAT_FLOAT};
  const std::size_t length = channels.front().size();
  auto writer = AudioWriter::create(std::move(*file), format, static_cast<std::int64_t>(length));
  if (!writer) return host::Status::failure(writer.error());
  std::vector<float> interleaved(length * channels.size());
  for (std::size_t n = 0; n < length; ++n)
    for (std::size_t channel = 0; channel < channels.size(); ++channel) interleaved[n * channels.size() + channel] = channels[channel][n];
  if (host::Status written = (*writer)->write(interleaved.data(), static_cast<std::int64_t>(length)); !written) return written;
  return (*writer)->commit();
}

host::Result<DemoChannels> readChannels(const std::string& path) {
  using Read = host::Result<DemoChannels>;
  auto reader = AudioReader::open(path);
  if (!reader) return Read::failure(reader.error());
  const auto channels = static_cast<std::size_t>((*reader)->format().channels);
  const auto length = static_cast<std::size_t>((*reader)->frames());
  std::vector<float> interleaved(length * channels);
  if ((*reader)->read(interleaved.data(), static_cast<std::int64_t>(length)) != static_cast<std::int64_t>(length))
    return Read::failure("cannot read '" + path + "' back");
  DemoChannels result(channels, std::vector<float>(length));
  for (std::size_t n = 0; n < length; ++n)
    for (std::size_t channel = 0; channel < channels; ++channel) result[channel][n] = interleaved[n * channels + channel];
  return Read::success(std::move(result));
}

// Band energies of several channels together.
std::vector<double> bandEnergies(const DemoChannels& channels, const std::vector<int>& which, double sampleRate) {
  std::vector<double> total(octaveBandCentres().size(), 0.0);
  for (int channel : which) {
    const auto energies = octaveBandEnergies(channels[static_cast<std::size_t>(channel)], sampleRate);
    for (std::size_t band = 0; band < total.size(); ++band) total[band] += energies[band];
  }
  return total;
}

std::string bandName(double centre) {
  char text[32];
  if (centre >= 1000.0) std::snprintf(text, sizeof text, "%g kHz", centre / 1000.0);
  else std::snprintf(text, sizeof text, "%g Hz", centre);
  return text;
}

std::string settingText() {
  std::string text;
  for (const auto& assignment : demoSetting()) text += (text.empty() ? "" : ", ") + assignment;
  return text;
}

// The report: what was recorded, the setting, and the table of changes.
std::string report(const std::vector<double>& onAxis, const std::vector<double>& side, const std::string& folder,
                   const std::string& pluginName) {
  std::ostringstream text;
  text << "\nLobeshift demo: two sources, recorded by two coincident pairs (omni + figure-eight)\n"
       << "  on-axis source: in front of the pairs (0°); omni and figure-eight both carry it in full\n"
       << "  side source:    at 90°; the omni carries it, the figure-eight not at all (cos 90° = 0)\n"
       << "Rendered with " << pluginName << ", omni in the lows, figure-eight in the highs:\n  " << settingText() << "\n\n"
       << "Change of each source in the output, relative to its level in the omni capsules:\n";
  char line[160];
  // "°" takes two bytes and one column: the header's field is one byte wider.
  std::snprintf(line, sizeof line, "  %-12s %16s %20s   %s\n", "Octave band", "On-axis source", "Side source (90°)",
                "Pattern it acts as");
  text << line;
  for (std::size_t band = 0; band < onAxis.size(); ++band) {
    std::snprintf(line, sizeof line, "  %-12s %16s %19s   %s\n", bandName(octaveBandCentres()[band]).c_str(),
                  changeText(onAxis[band]).c_str(), changeText(side[band]).c_str(), patternAt90Degrees(side[band]).c_str());
    text << line;
  }
  text << "\nThe on-axis source keeps its level in every band: omni, cardioid and figure-eight all\n"
       << "hear straight ahead alike. The side source keeps its level where the setting is omni,\n"
       << "loses 6 dB where it is cardioid and vanishes where it is figure-eight: the directivity\n"
       << "at work. Each source was rendered alone with the same setting to measure it.\n\n"
       << "Files in " << folder << ":\n"
       << "  demo-input.wav             the recording (MicL omni, MicR omni, MicL eight, MicR eight)\n"
       << "  demo-output.wav            its render (MicL, MicR)\n"
       << "  demo-*-on-axis.wav, demo-*-side.wav   each source alone, before and after\n"
       << "  demo-setting.vststate      the processor state of the setting (for --state or a DAW)\n"
       << "  report.txt                 this report\n";
  return text.str();
}

}  // namespace

const std::vector<std::string>& demoSetting() {
  static const std::vector<std::string> setting = {
      "Low Type=1",  "Low Frequency=100 Hz",  "Mid Type=0.5", "Mid Frequency=1000 Hz",
      "High Type=0", "High Frequency=5000 Hz"};
  return setting;
}

std::string changeText(double decibels) {
  if (decibels < kReportFloorDecibels) return "< " + std::to_string(static_cast<int>(kReportFloorDecibels)) + " dB";
  char text[24];
  std::snprintf(text, sizeof text, "%+.1f dB", std::fabs(decibels) < 0.05 ? 0.0 : decibels);
  return text;
}

std::string patternAt90Degrees(double decibels) {
  const double weight = std::pow(10.0, decibels / 20.0);
  struct Named {
    double weight;
    const char* name;
  };
  static const Named patterns[] = {{1.0, "omni"},         {0.75, "wide cardioid"}, {0.5, "cardioid"},
                                   {0.37, "supercardioid"}, {0.25, "hypercardioid"}, {0.0, "figure-eight"}};
  const Named* nearest = &patterns[0];
  for (const Named& pattern : patterns)
    if (std::fabs(pattern.weight - weight) < std::fabs(nearest->weight - weight)) nearest = &pattern;
  char text[48];
  std::snprintf(text, sizeof text, "%s (omni weight %.2f)", nearest->name, weight);
  return text;
}

host::Status runDemo(const Options& options, std::ostream& out) {
  const std::string folder = options.demoFolder.empty() ? kDefaultDemoFolder : options.demoFolder;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return host::Status::failure("cannot make the demo folder '" + folder + "': " + error.message());

  const DemoRecording recording = synthesiseDemoRecording();
  const DemoPart parts[] = {{"the recording (both sources)", "demo-input.wav", "demo-output.wav", &recording.both},
                            {"the on-axis source alone", "demo-input-on-axis.wav", "demo-output-on-axis.wav", &recording.onAxis},
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
    if (host::Status written = writeChannels(input, *part.channels, recording.sampleRate); !written) return written;
    Options render;
    render.inputPath = input;
    render.outputPath = (fs::path(folder) / part.outputName).string();
    render.pluginPath = bundle;
    render.assignments = demoSetting();
    render.blockSize = options.blockSize;
    render.showProgress = false;
    if (&part == &parts[0]) render.saveStatePath = (fs::path(folder) / "demo-setting.vststate").string();
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
    const auto before = bandEnergies(*parts[source + 1].channels, omniChannels, recording.sampleRate);
    const auto after = bandEnergies(outputs[static_cast<std::size_t>(source + 1)], outputChannels, recording.sampleRate);
    for (std::size_t band = 0; band < before.size(); ++band) changes[source].push_back(levelChange(before[band], after[band]));
  }
  const std::string text = report(changes[0], changes[1], folder, pluginName);
  out << text;
  const std::string reportPath = (fs::path(folder) / "report.txt").string();
  auto reportFile = PendingFile::create(reportPath);
  if (!reportFile) return host::Status::failure(reportFile.error());
  if (host::Status written = writeAll(**reportFile, std::vector<char>(text.begin(), text.end())); !written) return written;
  return (*reportFile)->commit();
}

}  // namespace render
