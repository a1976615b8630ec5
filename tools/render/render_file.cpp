#include "tools/render/render_file.h"

#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdio>

#include "tools/render/bundle_locator.h"
#include "tools/render/pending_file.h"
#include "tools/render/plugin_session.h"
#include "tools/render/progress_bar.h"

namespace render {

namespace {

using Rendered = host::Result<RenderSummary>;

// Outputs may replace files, but never one the run reads from, nor each other.
host::Status checkOutputsSpareInputs(const Options& options) {
  auto clash = [](const std::string& output, const std::string& input) {
    return !output.empty() && !input.empty() && (output == input || isSameFile(output, input));
  };
  if (clash(options.outputPath, options.inputPath))
    return host::Status::failure("--out '" + options.outputPath + "' is the input file; it would be overwritten");
  if (clash(options.outputPath, options.statePath))
    return host::Status::failure("--out '" + options.outputPath + "' is the state file given with --state");
  if (clash(options.saveStatePath, options.inputPath))
    return host::Status::failure("--save-state '" + options.saveStatePath + "' is the input file; it would be overwritten");
  if (clash(options.saveStatePath, options.outputPath))
    return host::Status::failure("--save-state and --out name the same file");
  return host::Status::success();
}

std::string wrongChannelsMessage(const AudioReader& reader) {
  return "'" + reader.path() + "' has " + std::to_string(reader.format().channels) +
         " channels; give 4 (MicL omni, MicR omni, MicL figure-eight, MicR figure-eight) for Lobeshift Stereo, "
         "2 (omni, figure-eight) for Lobeshift, or name a plug-in with --plugin";
}

}  // namespace

host::Result<std::string> bundleFor(const Options& options, int inputChannels) {
  if (!options.pluginPath.empty()) return host::Result<std::string>::success(options.pluginPath);
  const char* bundle = bundleNameForChannels(inputChannels);
  if (bundle == nullptr) return host::Result<std::string>::failure("no plug-in takes " + std::to_string(inputChannels) + " channels");
  return locateBundle(bundle);
}

host::Result<RenderSummary> renderFile(const Options& options) {
  if (host::Status spared = checkOutputsSpareInputs(options); !spared) return Rendered::failure(spared.error());

  auto reader = AudioReader::open(options.inputPath);
  if (!reader) return Rendered::failure(reader.error());
  const AudioFormat input = (*reader)->format();
  if (options.pluginPath.empty() && bundleNameForChannels(input.channels) == nullptr)
    return Rendered::failure(wrongChannelsMessage(**reader));

  auto bundle = bundleFor(options, input.channels);
  if (!bundle) return Rendered::failure(bundle.error());
  auto loaded = PluginSession::load(*bundle);
  if (!loaded) return Rendered::failure(loaded.error());
  PluginSession& session = **loaded;
  if (session.inputChannels() != input.channels) {
    const std::string order = session.inputChannelOrder();
    return Rendered::failure("'" + options.inputPath + "' has " + std::to_string(input.channels) + " channels; " +
                             session.name() + " takes " + std::to_string(session.inputChannels()) +
                             (order.empty() ? "" : " (" + order + ")"));
  }

  if (host::Status started = session.startProcessing(input.sampleRate, options.blockSize); !started)
    return Rendered::failure(started.error());
  if (!options.statePath.empty())
    if (host::Status loadedState = session.loadStateFile(options.statePath); !loadedState)
      return Rendered::failure(loadedState.error());
  if (host::Status applied = session.applyAssignments(options.assignments); !applied)
    return Rendered::failure(applied.error());

  // Both outputs are claimed before the render, so an unwritable place fails at once.
  const AudioFormat output{input.sampleRate, session.outputChannels(),
                           outputFormatFor(options.outputPath, input.sndfileFormat, options.keepFormat)};
  auto outputFile = PendingFile::create(options.outputPath);
  if (!outputFile) return Rendered::failure(outputFile.error());
  auto writer = AudioWriter::create(std::move(*outputFile), output, (*reader)->frames());
  if (!writer) return Rendered::failure(writer.error());
  std::unique_ptr<PendingFile> stateFile;
  if (!options.saveStatePath.empty()) {
    auto state = session.currentState();
    if (!state) return Rendered::failure(state.error());
    auto created = PendingFile::create(options.saveStatePath);
    if (!created) return Rendered::failure(created.error());
    stateFile = std::move(*created);
    if (host::Status written = writeAll(*stateFile, *state); !written) return Rendered::failure(written.error());
  }

  ProgressBar progress(stderr, options.showProgress, input.sampleRate);
  const FrameSource source = [&](float* interleaved, std::int64_t frames) -> host::Result<std::int64_t> {
    const std::int64_t read = (*reader)->read(interleaved, frames);
    if (read < 0) return host::Result<std::int64_t>::failure("cannot read '" + options.inputPath + "': " + (*reader)->lastError());
    return host::Result<std::int64_t>::success(read);
  };
  const FrameSink sink = [&](const float* interleaved, std::int64_t frames) { return (*writer)->write(interleaved, frames); };
  const auto started = std::chrono::steady_clock::now();
  auto result = renderRecording(session.instance(), (*reader)->frames(), options.blockSize, source, sink,
                                [&](std::int64_t done, std::int64_t total) { progress.update(done, total); });
  const auto finished = std::chrono::steady_clock::now();
  progress.finish();
  if (!result) return Rendered::failure(result.error());

  if (host::Status committed = (*writer)->commit(); !committed) return Rendered::failure(committed.error());
  if (stateFile)
    if (host::Status committed = stateFile->commit(); !committed) return Rendered::failure(committed.error());

  RenderSummary summary;
  summary.pluginName = session.name();
  summary.bundlePath = session.bundlePath();
  summary.inputPath = options.inputPath;
  summary.outputPath = options.outputPath;
  summary.savedStatePath = options.saveStatePath;
  summary.input = input;
  summary.outputFormat = output.sndfileFormat;
  summary.outputNames = session.outputChannelNames();
  summary.result = std::move(*result);
  summary.seconds = std::chrono::duration<double>(finished - started).count();
  return Rendered::success(std::move(summary));
}

std::string peakText(float peak) {
  if (peak <= 0.0f) return "silent";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f dBFS", 20.0 * std::log10(peak));
  return text;
}

void printSummary(const RenderSummary& summary, std::ostream& out) {
  const double duration = static_cast<double>(summary.result.frames) / summary.input.sampleRate;
  char line[160];
  out << summary.pluginName << " (" << summary.bundlePath << ")\n";
  out << "  " << summary.inputPath << " -> " << summary.outputPath << " (" << describeFormat(summary.outputFormat) << ")\n";
  std::snprintf(line, sizeof line, "  %.3f s at %d Hz (%lld frames), %d channels in, %zu out; latency of %lld samples compensated\n",
                duration, summary.input.sampleRate, static_cast<long long>(summary.result.frames), summary.input.channels,
                summary.result.peaks.size(), static_cast<long long>(summary.result.latency));
  out << line;
  if (summary.seconds > 0.0)
    std::snprintf(line, sizeof line, "  rendered in %.2f s, %.1f x real time\n", summary.seconds, duration / summary.seconds);
  else
    std::snprintf(line, sizeof line, "  rendered in no measurable time\n");
  out << line;
  out << "  peak:";
  const bool integerSamples = (summary.outputFormat & SF_FORMAT_SUBMASK) != SF_FORMAT_FLOAT &&
                              (summary.outputFormat & SF_FORMAT_SUBMASK) != SF_FORMAT_DOUBLE;
  bool clipped = false;
  for (std::size_t channel = 0; channel < summary.result.peaks.size(); ++channel) {
    const std::string name = channel < summary.outputNames.size() ? summary.outputNames[channel] : std::to_string(channel + 1);
    out << (channel == 0 ? " " : ", ") << name << " " << peakText(summary.result.peaks[channel]);
    clipped = clipped || summary.result.peaks[channel] > 1.0f;
  }
  out << "\n";
  if (clipped)
    out << (integerSamples ? "  warning: samples beyond full scale were clipped in the file\n"
                           : "  note: the result goes beyond full scale (kept, the file holds float samples)\n");
  if (!summary.savedStatePath.empty()) out << "  state saved to " << summary.savedStatePath << "\n";
}

}  // namespace render
