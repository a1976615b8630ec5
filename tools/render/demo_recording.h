#pragma once
// The demo recording: two sound sources captured by Lobeshift's stereo set-up, two
// coincident pairs of an omni and a figure-eight capsule (MicL and MicR).
//
// The model:
// - The pairs stand 0.5 m apart on a line across the stage; every figure-eight faces
//   the stage (0°). A capsule's pickup of a far source at angle θ is 1 for the omni
//   and cos θ for the figure-eight, the same at every frequency.
// - The on-axis source is far ahead on the centre line: 0° for both pairs, reaching
//   both at once. Omni and figure-eight capsules both carry it in full (cos 0° = 1).
// - The side source is far out to the left on the line through both pairs: 90° for
//   both. The omni capsules carry it, the figure-eights not at all (cos 90° = 0);
//   it reaches MicR 0.5 m / 343 m/s after MicL (a whole number of samples).
// - Both sources are pink noise (equal energy per octave across the audio band),
//   each about -20 dBFS RMS; the side source sounds in bursts (0.5 s on, 0.25 s off)
//   so the two can be told apart by ear.
//
// Channel order is the stereo build's input: MicL omni, MicR omni, MicL eight, MicR eight.

#include <cstdint>
#include <vector>

namespace render {

using DemoChannels = std::vector<std::vector<float>>;

struct DemoRecording {
  int sampleRate = 0;
  DemoChannels onAxis;  // what the four capsules picked up of the on-axis source alone
  DemoChannels side;    // … of the side source alone
  DemoChannels both;    // the recording: the sum of the two
};

constexpr int kDemoChannelCount = 4;
constexpr int kDemoOmniChannels[] = {0, 1};  // MicL omni, MicR omni

// The same recording every time (fixed seeds).
DemoRecording synthesiseDemoRecording(int sampleRate = 48000, double seconds = 5.0);

// The delay of the side source from MicL to MicR, in samples.
int sideSourceDelay(int sampleRate);

}  // namespace render
