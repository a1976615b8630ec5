#include "tools/render/offline_render.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace render {

using namespace Steinberg;

namespace {

// A flat view of every channel of one direction, buses in order.
std::vector<float*> channelPointers(host::ProcessBuffers& buffers, bool inputs) {
  std::vector<float*> pointers;
  const int32 buses = inputs ? buffers.inputBusCount() : buffers.outputBusCount();
  for (int32 bus = 0; bus < buses; ++bus) {
    const int32 channels =
        inputs ? buffers.inputChannelCount(bus) : buffers.outputChannelCount(bus);
    for (int32 channel = 0; channel < channels; ++channel)
      pointers.push_back(inputs ? buffers.inputChannel(bus, channel)
                                : buffers.outputChannel(bus, channel));
  }
  return pointers;
}

// Where the stream stands: which stretch of the plug-in's timeline is warm-up silence,
// recording or flush, and which output frames are kept.
struct Timeline {
  std::int64_t recordingStart;  // = latency: the warm-up silence comes first
  std::int64_t recordingEnd;
  std::int64_t keptStart;  // = 2 × latency: warm-up and delay are dropped
  std::int64_t end;        // recording end + latency: the flush

  static Timeline of(std::int64_t frames, std::int64_t latency) {
    return {latency, latency + frames, 2 * latency, 2 * latency + frames};
  }
};

}  // namespace

host::Result<RenderResult> renderRecording(host::PluginInstance& plugin, std::int64_t frames,
                                           int blockSize, const FrameSource& source,
                                           const FrameSink& sink, const ProgressReport& progress) {
  using Rendered = host::Result<RenderResult>;
  if (!plugin.isActive()) return Rendered::failure("the plug-in is not active");
  if (blockSize <= 0 || blockSize > plugin.buffers().maxBlockSize())
    return Rendered::failure("block size " + std::to_string(blockSize) +
                             " is not what the plug-in was set up for");

  const std::vector<float*> inputs = channelPointers(plugin.buffers(), true);
  const std::vector<float*> outputs = channelPointers(plugin.buffers(), false);
  const auto inCount = inputs.size();
  const auto outCount = outputs.size();

  RenderResult result;
  result.frames = frames;
  result.latency = std::max<int32>(plugin.processor()->getLatencySamples(), 0);
  result.peaks.assign(outCount, 0.0f);
  const Timeline timeline = Timeline::of(frames, result.latency);

  std::vector<float> interleavedIn(static_cast<std::size_t>(blockSize) * inCount);
  std::vector<float> interleavedOut(static_cast<std::size_t>(blockSize) * outCount);

  for (std::int64_t position = 0; position < timeline.end; position += blockSize) {
    const auto count =
        static_cast<int32>(std::min<std::int64_t>(blockSize, timeline.end - position));

    // Input: silence around the stretch of the recording that falls into this block.
    for (float* channel : inputs) std::fill_n(channel, count, 0.0f);
    const std::int64_t from =
        std::clamp(timeline.recordingStart - position, std::int64_t{0}, std::int64_t{count});
    const std::int64_t to =
        std::clamp(timeline.recordingEnd - position, std::int64_t{0}, std::int64_t{count});
    if (to > from) {
      const std::int64_t wanted = to - from;
      auto read = source(interleavedIn.data(), wanted);
      if (!read) return Rendered::failure(read.error());
      const std::int64_t delivered = *read;
      if (delivered < wanted)
        return Rendered::failure(
            "the input ended after " +
            std::to_string(position + from + delivered - timeline.recordingStart) + " of " +
            std::to_string(frames) + " frames");
      for (std::int64_t frame = 0; frame < wanted; ++frame)
        for (std::size_t channel = 0; channel < inCount; ++channel)
          inputs[channel][from + frame] =
              interleavedIn[static_cast<std::size_t>(frame) * inCount + channel];
    }

    if (const tresult processed = plugin.process(count); processed != kResultOk)
      return Rendered::failure("the plug-in failed to process the block at input frame " +
                               std::to_string(position - timeline.recordingStart) + " (result " +
                               std::to_string(processed) + ")");

    // Output: only what belongs to the recording.
    const std::int64_t skipped =
        std::clamp(timeline.keptStart - position, std::int64_t{0}, std::int64_t{count});
    const std::int64_t kept = count - skipped;
    if (kept > 0) {
      for (std::int64_t frame = 0; frame < kept; ++frame)
        for (std::size_t channel = 0; channel < outCount; ++channel) {
          const float sample = outputs[channel][skipped + frame];
          interleavedOut[static_cast<std::size_t>(frame) * outCount + channel] = sample;
          result.peaks[channel] = std::max(result.peaks[channel], std::fabs(sample));
        }
      if (host::Status written = sink(interleavedOut.data(), kept); !written)
        return Rendered::failure(written.error());
    }
    if (progress)
      progress(std::clamp(position + count - timeline.recordingStart, std::int64_t{0}, frames),
               frames);
  }
  return Rendered::success(std::move(result));
}

}  // namespace render
