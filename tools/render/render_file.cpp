#include "tools/render/render_file.h"

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
    return host::Status::failure("--out '" + options.outputPath +
                                 "' is the input file; it would be overwritten");
  if (clash(options.outputPath, options.statePath))
    return host::Status::failure("--out '" + options.outputPath +
                                 "' is the state file given with --state");
  if (clash(options.saveStatePath, options.inputPath))
    return host::Status::failure("--save-state '" + options.saveStatePath +
                                 "' is the input file; it would be overwritten");
  if (clash(options.saveStatePath, options.outputPath))
    return host::Status::failure("--save-state and --out name the same file");
  return host::Status::success();
}

std::string wrongChannelsMessage(const AudioReader& reader) {
  return "'" + reader.path() + "' has " + std::to_string(reader.format().channels) +
         " channels; give 4 (MicL omni, MicR omni, MicL figure-eight, MicR figure-eight) for "
         "Lobeshift Stereo, "
         "2 (omni, figure-eight) for Lobeshift, or name a plug-in with --plugin";
}

// The plug-in for the recording: loaded, checked against the recording's channels,
// running at its sample rate, with the state file and the settings applied.
host::Result<std::unique_ptr<PluginSession>> preparePlugin(const Options& options,
                                                           const AudioReader& reader) {
  using Prepared = host::Result<std::unique_ptr<PluginSession>>;
  const AudioFormat& input = reader.format();
  if (options.pluginPath.empty() && bundleNameForChannels(input.channels) == nullptr)
    return Prepared::failure(wrongChannelsMessage(reader));
  auto bundle = bundleFor(options, input.channels);
  if (!bundle) return Prepared::failure(bundle.error());
  auto loaded = PluginSession::load(*bundle);
  if (!loaded) return loaded;
  PluginSession& session = **loaded;
  if (session.inputChannels() != input.channels) {
    const std::string order = session.inputChannelOrder();
    return Prepared::failure("'" + reader.path() + "' has " + std::to_string(input.channels) +
                             " channels; " + session.name() + " takes " +
                             std::to_string(session.inputChannels()) +
                             (order.empty() ? "" : " (" + order + ")"));
  }
  if (host::Status started = session.startProcessing(input.sampleRate, options.blockSize); !started)
    return Prepared::failure(started.error());
  if (!options.statePath.empty())
    if (host::Status loadedState = session.loadStateFile(options.statePath); !loadedState)
      return Prepared::failure(loadedState.error());
  if (!options.presetName.empty())
    if (host::Status loadedPreset = session.loadPreset(options.presetName); !loadedPreset)
      return Prepared::failure(loadedPreset.error());
  if (host::Status applied = session.applyAssignments(options.assignments); !applied)
    return Prepared::failure(applied.error());
  return loaded;
}

// The files a render writes, claimed before it starts so that an unwritable place
// fails at once rather than after the work.
struct ClaimedOutputs {
  std::unique_ptr<AudioWriter> audio;
  int format = 0;
  std::unique_ptr<PendingFile> state;  // already holding the state, when one is asked for
};

host::Result<ClaimedOutputs> claimOutputs(const Options& options, PluginSession& session,
                                          const AudioReader& reader) {
  using Claimed = host::Result<ClaimedOutputs>;
  ClaimedOutputs claimed;
  const AudioFormat output{
      reader.format().sampleRate, session.outputChannels(),
      outputFormatFor(options.outputPath, reader.format().sndfileFormat, options.keepFormat)};
  claimed.format = output.sndfileFormat;
  auto outputFile = PendingFile::create(options.outputPath);
  if (!outputFile) return Claimed::failure(outputFile.error());
  auto writer = AudioWriter::create(std::move(*outputFile), output, reader.frames());
  if (!writer) return Claimed::failure(writer.error());
  claimed.audio = std::move(*writer);
  if (options.saveStatePath.empty()) return Claimed::success(std::move(claimed));

  auto state = session.currentState();
  if (!state) return Claimed::failure(state.error());
  auto stateFile = PendingFile::create(options.saveStatePath);
  if (!stateFile) return Claimed::failure(stateFile.error());
  if (host::Status written = writeAll(**stateFile, *state); !written)
    return Claimed::failure(written.error());
  claimed.state = std::move(*stateFile);
  return Claimed::success(std::move(claimed));
}

}  // namespace

host::Result<std::string> bundleFor(const Options& options, int inputChannels) {
  if (!options.pluginPath.empty()) return host::Result<std::string>::success(options.pluginPath);
  const char* bundle = bundleNameForChannels(inputChannels);
  if (bundle == nullptr)
    return host::Result<std::string>::failure("no plug-in takes " + std::to_string(inputChannels) +
                                              " channels");
  return locateBundle(bundle);
}

host::Result<RenderSummary> renderFile(const Options& options) {
  if (host::Status spared = checkOutputsSpareInputs(options); !spared)
    return Rendered::failure(spared.error());
  auto reader = AudioReader::open(options.inputPath);
  if (!reader) return Rendered::failure(reader.error());
  auto session = preparePlugin(options, **reader);
  if (!session) return Rendered::failure(session.error());
  auto outputs = claimOutputs(options, **session, **reader);
  if (!outputs) return Rendered::failure(outputs.error());

  const double sampleRate = (*reader)->format().sampleRate;
  ProgressBar progress(stderr, options.showProgress, sampleRate);
  const FrameSource source = [&](float* interleaved,
                                 std::int64_t frames) -> host::Result<std::int64_t> {
    const std::int64_t read = (*reader)->read(interleaved, frames);
    if (read < 0)
      return host::Result<std::int64_t>::failure("cannot read '" + options.inputPath +
                                                 "': " + (*reader)->lastError());
    return host::Result<std::int64_t>::success(read);
  };
  const FrameSink sink = [&](const float* interleaved, std::int64_t frames) {
    return outputs->audio->write(interleaved, frames);
  };
  const auto started = std::chrono::steady_clock::now();
  auto result =
      renderRecording((*session)->instance(), (*reader)->frames(), options.blockSize, source, sink,
                      [&](std::int64_t done, std::int64_t total) { progress.update(done, total); });
  const auto finished = std::chrono::steady_clock::now();
  progress.finish();
  if (!result) return Rendered::failure(result.error());

  if (host::Status committed = outputs->audio->commit(); !committed)
    return Rendered::failure(committed.error());
  if (outputs->state)
    if (host::Status committed = outputs->state->commit(); !committed)
      return Rendered::failure(committed.error());

  RenderSummary summary;
  summary.pluginName = (*session)->name();
  summary.bundlePath = (*session)->bundlePath();
  summary.inputPath = options.inputPath;
  summary.outputPath = options.outputPath;
  summary.savedStatePath = options.saveStatePath;
  summary.input = (*reader)->format();
  summary.outputFormat = outputs->format;
  summary.outputNames = (*session)->outputChannelNames();
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
  out << "  " << summary.inputPath << " -> " << summary.outputPath << " ("
      << describeFormat(summary.outputFormat) << ")\n";
  std::snprintf(line, sizeof line,
                "  %.3f s at %d Hz (%lld frames), %d channels in, %zu out; latency of %lld samples "
                "compensated\n",
                duration, summary.input.sampleRate, static_cast<long long>(summary.result.frames),
                summary.input.channels, summary.result.peaks.size(),
                static_cast<long long>(summary.result.latency));
  out << line;
  if (summary.seconds > 0.0)
    std::snprintf(line, sizeof line, "  rendered in %.2f s, %.1f x real time\n", summary.seconds,
                  duration / summary.seconds);
  else
    std::snprintf(line, sizeof line, "  rendered in no measurable time\n");
  out << line;
  out << "  peak:";
  bool clipped = false;
  for (std::size_t channel = 0; channel < summary.result.peaks.size(); ++channel) {
    const std::string name = channel < summary.outputNames.size() ? summary.outputNames[channel]
                                                                  : std::to_string(channel + 1);
    out << (channel == 0 ? " " : ", ") << name << " " << peakText(summary.result.peaks[channel]);
    clipped = clipped || summary.result.peaks[channel] > 1.0f;
  }
  out << "\n";
  if (clipped)
    out << (holdsFloatSamples(summary.outputFormat)
                ? "  note: the result goes beyond full scale (kept: the file holds float samples)\n"
                : "  warning: samples beyond full scale were clipped in the file\n");
  if (!summary.savedStatePath.empty()) out << "  state saved to " << summary.savedStatePath << "\n";
}

}  // namespace render
