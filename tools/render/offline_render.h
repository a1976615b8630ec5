#pragma once
// Runs a whole recording through an active plug-in instance, block by block, and
// lines the result up with the input: output frame n belongs to input frame n, and
// there are exactly as many output frames as input frames.
//
// Before the recording the plug-in gets `latency` frames of silence, as in a DAW that
// plays from before the region, so that whatever the plug-in does when it starts (a
// fade-in, filters settling) happens before frame 0. After the recording it gets
// `latency` more frames of silence to flush what it still holds. The first 2 × latency
// output frames (the warm-up and the delay) are dropped.

#include <cstdint>
#include <functional>
#include <vector>

#include "host/plugin_instance.h"
#include "host/result.h"

namespace render {

// Delivers up to `frames` interleaved input frames; returns how many it delivered
// (fewer only at the end of the recording), or why it could not.
using FrameSource =
    std::function<host::Result<std::int64_t>(float* interleaved, std::int64_t frames)>;
// Takes interleaved output frames.
using FrameSink = std::function<host::Status(const float* interleaved, std::int64_t frames)>;
// Input frames done so far, of the total.
using ProgressReport = std::function<void(std::int64_t done, std::int64_t total)>;

struct RenderResult {
  std::int64_t frames = 0;
  std::int64_t latency = 0;
  std::vector<float> peaks;  // largest absolute output sample per output channel
};

// `plugin` must be set up (block size `blockSize`) and active. `frames` is the length
// of the recording; a source that runs dry earlier is a failure.
host::Result<RenderResult> renderRecording(host::PluginInstance& plugin, std::int64_t frames,
                                           int blockSize, const FrameSource& source,
                                           const FrameSink& sink,
                                           const ProgressReport& progress = {});

}  // namespace render
