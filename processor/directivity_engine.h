#pragma once
// One microphone pair's directivity: gains, proximity compensation and metering of
// the omni and figure-eight capsules, then a frequency-domain mix
// w * omni + (1 - w) * figure-eight with the per-bin weight w of the directivity
// curve. Frames of 8192 samples at a hop of 4096; the output is 8192 samples late.
//
// The mix is linear in w, so w * O + (1 - w) * E = E + w * (O - E): one forward
// transform of the difference, the weighting and one inverse transform, with the
// figure-eight frame added back in the time domain. A weighted solo transforms only
// the capsule it keeps; the unweighted solos transform nothing.

#include <atomic>
#include <cstdint>
#include <memory>

#include "controller/parameter_table.h"
#include "processor/curve.h"
#include "processor/proximity_filter.h"
#include "processor/ring_buffer.h"

class MicrophoneData;

// Frame and spectrum buffers sit on cache-line boundaries: the transforms run about
// a tenth faster on them than on the 16-byte alignment plain new[] guarantees.
struct CacheLineDeleter {
  void operator()(double* buffer) const;
};
using FrameBuffer = std::unique_ptr<double[], CacheLineDeleter>;

// Solo states: which capsule is heard, before (time domain) or after the weighting.
struct SoloFlags {
  bool omniPre = false;
  bool eightPre = false;
  bool omniPost = false;
  bool eightPost = false;
};

class PlugIn_DirectivityEngine {
 public:
  static constexpr int kFrameLength = 8192;
  static constexpr int kHop = 4096;
  static constexpr int kCurveLength = 4096;
  static constexpr int kRingCapacity = 12288;
  static constexpr int kLatency = 8192;
  // Engine-local parameter IDs: 0 to 11, the gains of either pair as 10 and 11.
  static constexpr std::uint32_t kLocalParameterCount = 12;
  // The kind of peak values the level timer asks for.
  static constexpr std::uint32_t kLevelTag = ::kLevelTag;

  explicit PlugIn_DirectivityEngine(double sampleRate);
  ~PlugIn_DirectivityEngine();
  PlugIn_DirectivityEngine(const PlugIn_DirectivityEngine&) = delete;
  PlugIn_DirectivityEngine& operator=(const PlugIn_DirectivityEngine&) = delete;

  // Applies a plain value by engine-local ID. Real-time safe.
  void updateParameter(std::uint32_t id, float value);
  // The plain value of an engine-local ID; frequencies in Hz as they were set.
  float getParameter(std::uint32_t id) const;

  // inputs: omni and figure-eight channels; outputs: one channel. A call whose input
  // channel count is not twice the output's is skipped. Real-time safe.
  void processBlock(const float* const* inputs, std::int32_t inputCount, float* const* outputs,
                    std::int32_t outputCount, std::int32_t sampleCount);

  // Empties the audio buffers and the filter state; parameters, curve, peaks and solo
  // stay. Like a fresh engine, it then runs as if it had already taken in a hop of
  // silence, so that its first frame has one to overlap: the input comes out whole
  // from its first sample on, 8192 samples late, with no fade-in.
  void reset();
  // Stores the rate; when it really changes, the control points keep their
  // frequencies in Hz and move to the bins those frequencies have at the new rate.
  // Only while processing is stopped.
  void setSampleRate(double rate);
  double getSampleRate() const { return sampleRate_; }
  std::int32_t getLatency() const { return kLatency; }

  // For kind kLevelTag: out[0] = omni peak, out[1] = figure-eight peak since the last
  // call, and both start again from 0. Safe against a concurrent processBlock: a peak
  // is reported at least once. Other kinds do nothing.
  void takePeaks(std::uint32_t kind, float out[2]);

  // The per-bin omni weight in force.
  const double* curve() const { return curve_.get(); }
  const SoloFlags& soloFlags() const { return solo_; }
  ProximityFilter proximityFilter() const { return proximityFilter_; }
  ProximityFilterState& proximityState() { return proximityState_; }

 private:
  void setControlPointType(int point, double type);
  void setControlPointFrequency(int point, double frequency);
  double binOf(double frequency) const;
  void recomputeCurveIfDirty();
  void chooseProximityFilter();
  void refreshProximityPole();
  void setSoloState(std::int32_t state);
  void startAfterASilentHop();
  void gainOmni(const float* omni, std::int32_t count, float& peak);
  void gainEight(const float* eight, std::int32_t count, float& peak);
  void takeCapsule(const float* samples, float gain, float* gained, std::int32_t count,
                   float& peak);
  void restartProximityStateIfNotFinite();
  void checkOutputAfterHugeInput();
  void processFrame();
  void windowFrames(bool difference);
  void addFrameToOutput(const double* a, double aScale, const double* b = nullptr,
                        double bScale = 1.0);
  void inverseOfWeightedSpectrum(bool eightWeight, double* out);

  MicrophoneData* microphoneData_ = nullptr;
  double sampleRate_;

  ProximityFilter proximityFilter_ = nullptr;
  ProximityFilterState proximityState_;
  bool proximityOn_ = false;

  // Samples still to be taken carefully after input out of the ordinary, and of output
  // still to be held finite after a huge input.
  std::int32_t carefulCountdown_ = 0;
  std::int32_t outputCheckCountdown_ = 0;

  float omniGain_ = 0.0f;
  float eightGain_ = 0.0f;
  std::int32_t omniType_ = 0;
  std::int32_t eightType_ = 0;
  SoloFlags solo_;

  // The gained capsule samples of a stretch of a block, on their way into the rings.
  std::unique_ptr<float[]> omniGained_;
  std::unique_ptr<float[]> eightGained_;

  Ringbuffer outputRing_;
  Ringbuffer omniRing_;
  Ringbuffer eightRing_;

  FrameBuffer omniFrame_;
  FrameBuffer eightFrame_;
  FrameBuffer spectrum_;
  FrameBuffer curve_;
  const double* window_;  // the rising half, shared by all engines

  ControlPoint controlPoints_[3];
  double frequencies_[3];  // Hz, as set; the positions follow from them and the rate
  bool curveDirty_ = false;

  std::atomic<float> omniPeak_{0.0f};
  std::atomic<float> eightPeak_{0.0f};
};
