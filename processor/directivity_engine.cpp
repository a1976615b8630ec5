#include "processor/directivity_engine.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

#include "controller/parameter_table.h"
#include "micdata/microphone_data.h"
#include "platform/diagnostics.h"
#include "processor/capsule_input.h"
#include "processor/fft/fft.h"
#include "processor/frame_passes/frame_passes.h"
#include "processor/portable_math.h"
#include "processor/sample_limits.h"

using sample_limits::finiteOrSilence;
using sample_limits::finiteOutput;
using sample_limits::isFinite;
using sample_limits::withinFloatRange;

namespace {

constexpr double kOutputScale = 1.0 / 4096.0;  // undoes the inverse transform's gain

constexpr std::align_val_t kCacheLine{64};

FrameBuffer zeroedBuffer(int length) { return FrameBuffer(new (kCacheLine) double[length]()); }

// The rising half of the analysis window: 0.5 - 0.5 cos(2 pi i / 8190). Its mirror
// is the falling half, and the two halves of overlapping frames sum to exactly one, so
// overlap-add at hop 4096 needs no synthesis window. It is the same for every engine,
// so one copy serves them all and the caches hold it once; it is computed when the
// first engine is created.
const double* analysisWindow() {
  struct alignas(64) Half {
    double values[PlugIn_DirectivityEngine::kHop];
  };
  static const Half half = [] {
    Half h;
    for (int i = 0; i < PlugIn_DirectivityEngine::kHop; ++i) {
      h.values[i] = 0.5 - 0.5 * portable_math::cosine(2.0 * std::numbers::pi * i / 8190.0);
    }
    return h;
  }();
  return half.values;
}

// A block's peak into the one the level timer takes: the larger stays.
inline void mergePeak(std::atomic<float>& peak, float blockPeak) {
  float current = peak.load(std::memory_order_relaxed);
  while (blockPeak > current &&
         !peak.compare_exchange_weak(current, blockPeak, std::memory_order_relaxed)) {
  }
}

constexpr ParameterId kTypeIds[3] = {kLowType, kMidType, kHighType};
constexpr ParameterId kFrequencyIds[3] = {kLowFrequency, kMidFrequency, kHighFrequency};

}  // namespace

void CacheLineDeleter::operator()(double* buffer) const { ::operator delete[](buffer, kCacheLine); }

PlugIn_DirectivityEngine::PlugIn_DirectivityEngine(double sampleRate)
    : microphoneData_(acquireMicrophoneData()),
      sampleRate_(sampleRate),
      omniGained_(new float[kHop]()),
      eightGained_(new float[kHop]()),
      outputRing_(kRingCapacity),
      omniRing_(kRingCapacity),
      eightRing_(kRingCapacity),
      omniFrame_(zeroedBuffer(kFrameLength)),
      eightFrame_(zeroedBuffer(kFrameLength)),
      spectrum_(zeroedBuffer(kFrameLength)),
      curve_(zeroedBuffer(kCurveLength)),
      window_(analysisWindow()) {
  // The control points start at their defaults, so the first curve is computed from
  // three valid points; applying the defaults below then finds nothing to change
  // but computes that curve.
  for (int point = 0; point < 3; ++point) {
    frequencies_[point] = static_cast<float>(parameterDefault(kFrequencyIds[point]));
    controlPoints_[point] = {binOf(frequencies_[point]),
                             static_cast<float>(parameterDefault(kTypeIds[point]))};
  }
  curveDirty_ = true;
  for (std::uint32_t id = 0; id < kLocalParameterCount; ++id) {
    updateParameter(id, static_cast<float>(parameterDefault(id)));
  }
  startAfterASilentHop();
}

PlugIn_DirectivityEngine::~PlugIn_DirectivityEngine() { releaseMicrophoneData(microphoneData_); }

double PlugIn_DirectivityEngine::binOf(double frequency) const {
  return frequency / sampleRate_ * kFrameLength;
}

void PlugIn_DirectivityEngine::updateParameter(std::uint32_t id, float value) {
  diag::write("Processor: update parameter: %d \t value: %f\n", static_cast<int>(id),
              static_cast<double>(value));
  switch (id) {
    case kLowType:
    case kMidType:
    case kHighType:
      setControlPointType(static_cast<int>(id / 2), value);
      break;
    case kLowFrequency:
    case kMidFrequency:
    case kHighFrequency:
      setControlPointFrequency(static_cast<int>(id / 2), value);
      break;
    case kMicOmniType:
      omniType_ = parameterInteger(value);
      break;
    case kMicEightType:
      if (value != static_cast<float>(eightType_)) {
        eightType_ = parameterInteger(value);
        proximityState_.filterInput = 0.0;
        proximityState_.filterOutput = 0.0;
        chooseProximityFilter();
      }
      break;
    case kSoloState:
      setSoloState(parameterInteger(value));
      break;
    case kProximityCompensation:
      proximityOn_ = value == 1.0f;
      if (proximityOn_) chooseProximityFilter();
      break;
    case kMicLOmniGain:
      omniGain_ = static_cast<float>(portable_math::exp10(value / 20.0));
      break;
    case kMicLEightGain:
      eightGain_ = static_cast<float>(portable_math::exp10(value / 20.0));
      break;
    default:
      diag::write("trying to update parameter %d, which is not defined\n", static_cast<int>(id));
      break;
  }
  recomputeCurveIfDirty();
}

float PlugIn_DirectivityEngine::getParameter(std::uint32_t id) const {
  switch (id) {
    case kLowType:
    case kMidType:
    case kHighType:
      return static_cast<float>(controlPoints_[id / 2].type);
    case kLowFrequency:
    case kMidFrequency:
    case kHighFrequency:
      return static_cast<float>(frequencies_[id / 2]);
    case kMicOmniType:
      return static_cast<float>(omniType_);
    case kMicEightType:
      return static_cast<float>(eightType_);
    case kSoloState:
      return 0.0f;  // a solo is a listening aid, never part of the stored setting
    case kProximityCompensation:
      return proximityOn_ ? 1.0f : 0.0f;
    case kMicLOmniGain:
      return static_cast<float>(20.0 * std::log10(omniGain_));
    case kMicLEightGain:
      return static_cast<float>(20.0 * std::log10(eightGain_));
    default:
      diag::write("trying to get parameter %d, which is not defined\n", static_cast<int>(id));
      return 0.0f;
  }
}

void PlugIn_DirectivityEngine::setControlPointType(int point, double type) {
  if (type == controlPoints_[point].type) return;
  controlPoints_[point].type = type;
  curveDirty_ = true;
}

void PlugIn_DirectivityEngine::setControlPointFrequency(int point, double frequency) {
  if (frequency == frequencies_[point]) return;
  frequencies_[point] = frequency;
  const double position = binOf(frequency);
  if (position == controlPoints_[point].position) return;
  controlPoints_[point].position = position;
  curveDirty_ = true;
}

void PlugIn_DirectivityEngine::recomputeCurveIfDirty() {
  if (!curveDirty_) return;
  computeCurve(curve_.get(), controlPoints_, 3, kCurveLength);
  curveDirty_ = false;
}

void PlugIn_DirectivityEngine::setSoloState(std::int32_t state) {
  // Value:            0      1      2      3      4      5      6
  static constexpr SoloFlags kSoloTable[7] = {
      {false, false, false, false},  // weighted mix
      {true, false, false, false},   // omni alone, not weighted
      {true, true, false, false},    // half the sum of both, not weighted
      {false, true, false, false},   // figure-eight alone, not weighted
      {false, false, true, false},   // weighted omni part alone
      {false, false, true, true},    // weighted mix
      {false, false, false, true},   // weighted figure-eight part alone
  };
  if (state < 0 || state > 6) return;  // anything else keeps the solo in force
  solo_ = kSoloTable[state];
}

void PlugIn_DirectivityEngine::chooseProximityFilter() {
  if (microphoneData_ == nullptr) return;
  const MicrophoneRecord* microphone = microphoneData_->getMicrophone(kMicEightType, eightType_);
  if (microphone == nullptr || microphone->name.empty()) return;
  proximityFilter_ = proximityFilterForModel(microphone->name);
  refreshProximityPole();
}

void PlugIn_DirectivityEngine::refreshProximityPole() {
  const ProximityShelf* shelf = proximityShelfOf(proximityFilter_);
  proximityState_.pole = shelf ? proximityPole(*shelf, sampleRate_) : 0.0;
}

void PlugIn_DirectivityEngine::setSampleRate(double rate) {
  if (!(rate > 0.0) || rate == sampleRate_) return;
  sampleRate_ = rate;
  for (int point = 0; point < 3; ++point) {
    const double position = binOf(frequencies_[point]);
    if (position != controlPoints_[point].position) {
      controlPoints_[point].position = position;
      curveDirty_ = true;
    }
  }
  recomputeCurveIfDirty();
  refreshProximityPole();
}

void PlugIn_DirectivityEngine::reset() {
  outputRing_.clear();
  omniRing_.clear();
  eightRing_.clear();
  proximityState_.filterInput = 0.0;
  proximityState_.filterOutput = 0.0;
  outputCheckCountdown_ = 0;
  carefulCountdown_ = 0;
  startAfterASilentHop();
}

// Without a frame before it, the first frame's rising half would come out alone,
// fading the start of the input in. A hop of silence already taken in gives it that
// frame: the first frame completes after 4096 input samples, its first half (the
// silence and what the weighting spreads into it) is released then, and from output
// sample 8192 on the input comes out whole. Nothing has been output yet, so the
// latency stays 8192; it is the engine as it stands after a silent hop.
void PlugIn_DirectivityEngine::startAfterASilentHop() {
  for (int j = 0; j < kHop; ++j) {
    omniRing_.push(0.0f);
    eightRing_.push(0.0f);
  }
}

void PlugIn_DirectivityEngine::takePeaks(std::uint32_t kind, float out[2]) {
  if (kind != kLevelTag) return;
  out[0] = omniPeak_.exchange(0.0f, std::memory_order_relaxed);
  out[1] = eightPeak_.exchange(0.0f, std::memory_order_relaxed);
}

void PlugIn_DirectivityEngine::processBlock(const float* const* inputs, std::int32_t inputCount,
                                            float* const* outputs, std::int32_t outputCount,
                                            std::int32_t sampleCount) {
  if (inputCount != 2 * outputCount || outputCount < 1 || sampleCount <= 0) return;
  const float* omni = inputs[0];
  const float* eight = inputs[1];
  float* output = outputs[0];
  float blockOmniPeak = 0.0f;
  float blockEightPeak = 0.0f;

  // In stretches that end at the latest where a frame completes: each stretch's
  // samples go into the rings and its output comes out of the output ring, and only
  // then is the frame processed, so a frame's output is released from the sample
  // after the one that completed it, as sample by sample.
  for (std::int32_t done = 0; done < sampleCount;) {
    const std::int32_t untilFrame = std::max(kFrameLength - omniRing_.size(), 1);
    const std::int32_t count = std::min({sampleCount - done, untilFrame, kHop});
    gainOmni(omni + done, count, blockOmniPeak);
    gainEight(eight + done, count, blockEightPeak);
    omniRing_.pushBlock(omniGained_.get(), count);
    eightRing_.pushBlock(eightGained_.get(), count);
    const std::int32_t held = outputRing_.popBlock(output + done, count);
    std::fill(output + done + held, output + done + count, 0.0f);
    done += count;
    if (omniRing_.size() >= kFrameLength) processFrame();
  }
  if (outputCheckCountdown_ > 0) {
    for (std::int32_t k = 0; k < sampleCount; ++k) output[k] = finiteOutput(output[k]);
    outputCheckCountdown_ -= sampleCount;
  }
  if (carefulCountdown_ > 0) carefulCountdown_ -= sampleCount;

  mergePeak(omniPeak_, blockOmniPeak);
  mergePeak(eightPeak_, blockEightPeak);
}

// The input is taken here, and only here: a sample that is not a number is silence from
// this point on, and a gained value beyond the float range is held at its edge, so the
// filter, the meters, the rings and the transforms only ever see finite values. After a
// stretch out of the ordinary the input is taken carefully for a while at once, without
// trying the ordinary path first; after a huge number, the output is checked for as long
// as the number can reach it.
void PlugIn_DirectivityEngine::gainOmni(const float* omni, std::int32_t count, float& peak) {
  takeCapsule(omni, omniGain_, omniGained_.get(), count, peak);
}

void PlugIn_DirectivityEngine::takeCapsule(const float* samples, float gain, float* gained,
                                           std::int32_t count, float& peak) {
  if (carefulCountdown_ <= 0) {
    if (capsule_input::gainOrdinary(samples, gain, gained, count, peak)) return;
    carefulCountdown_ = kFrameLength;
  }
  if (capsule_input::gainCarefully(samples, gain, gained, count, peak)) checkOutputAfterHugeInput();
}

void PlugIn_DirectivityEngine::gainEight(const float* eight, std::int32_t count, float& peak) {
  float* gained = eightGained_.get();
  if (proximityOn_ && proximityFilter_ != nullptr) {
    restartProximityStateIfNotFinite();
    bool unusual = false;
    for (std::int32_t k = 0; k < count; ++k) {
      unusual |= !(std::fabs(eight[k]) <= capsule_input::kOrdinaryLimit);
      const double filtered =
          proximityFilter_(*this, static_cast<double>(finiteOrSilence(eight[k])));
      gained[k] = withinFloatRange(filtered * eightGain_);
    }
    capsule_input::raisePeak(peak, gained, count);
    if (unusual) checkOutputAfterHugeInput();  // or a NaN: no matter, it is rare
  } else {
    takeCapsule(eight, eightGain_, gained, count, peak);
  }
}

// Until the last frame that holds the stretch has left the output ring.
void PlugIn_DirectivityEngine::checkOutputAfterHugeInput() {
  outputCheckCountdown_ = kLatency + 2 * kFrameLength;
}

// The filter only ever takes finite input, so its state stays finite; should it ever not
// be, it starts again from rest rather than keep the figure-eight signal silent for good.
void PlugIn_DirectivityEngine::restartProximityStateIfNotFinite() {
  if (!isFinite(proximityState_.filterInput) || !isFinite(proximityState_.filterOutput)) {
    proximityState_.filterInput = 0.0;
    proximityState_.filterOutput = 0.0;
  }
}

void PlugIn_DirectivityEngine::processFrame() {
  double* omniFrame = omniFrame_.get();
  double* eightFrame = eightFrame_.get();
  const bool pre = solo_.omniPre || solo_.eightPre;
  const bool mix = !pre && solo_.omniPost == solo_.eightPost;
  windowFrames(mix);
  omniRing_.discard(kHop);
  eightRing_.discard(kHop);

  if (pre) {
    // Before the weighting: the windowed capsule signals, in the time domain, unscaled.
    if (solo_.omniPre && solo_.eightPre) {
      addFrameToOutput(eightFrame, 0.5, omniFrame, 0.5);
    } else {
      addFrameToOutput(solo_.omniPre ? omniFrame : eightFrame, 1.0);
    }
  } else if (mix) {
    // The weighted mix as E + w (O - E): the inverse transform of E would be the
    // figure-eight frame itself, so only the difference goes through the transforms.
    // The transformed frame is scratch afterwards and takes the inverse's output,
    // which keeps one frame less in the caches.
    realFFTForward(omniFrame, spectrum_.get());
    inverseOfWeightedSpectrum(false, omniFrame);
    addFrameToOutput(omniFrame, kOutputScale, eightFrame, 1.0);
  } else {
    // One capsule's weighted part alone: only that capsule is transformed, and its
    // frame takes the inverse's output.
    double* heard = solo_.omniPost ? omniFrame : eightFrame;
    realFFTForward(heard, spectrum_.get());
    inverseOfWeightedSpectrum(solo_.eightPost, heard);
    addFrameToOutput(heard, kOutputScale);
  }
  // Only the first half is complete; the second half waits beyond the write
  // position for the next frame to add onto it.
  outputRing_.unwrite(kHop);
}

// The windowed frames, read from the rings in the same pass: with `difference`, the
// omni frame becomes the windowed omni frame minus the windowed figure-eight frame.
// The rising half of the window, then its mirror image.
void PlugIn_DirectivityEngine::windowFrames(bool difference) {
  double* omniFrame = omniFrame_.get();
  double* eightFrame = eightFrame_.get();
  const double* window = window_;
  for (bool falling : {false, true}) {
    Ringbuffer::peekStretches(omniRing_, eightRing_, falling ? kHop : 0, kHop,
                              [=](int j, const float* omni, const float* eight, int length) {
                                const double* first =
                                    falling ? window + (kFrameLength - 1 - j) : window + j;
                                windowStretch(omni, eight, first, falling, difference, length,
                                              omniFrame + j, eightFrame + j);
                              });
  }
}

// A frame overlap-added into the output ring: a * aScale (+ b * bScale), rounded to
// float as it is added.
void PlugIn_DirectivityEngine::addFrameToOutput(const double* a, double aScale, const double* b,
                                                double bScale) {
  outputRing_.pushAddStretches(kFrameLength, [=](int j, float* slots, int length) {
    addIntoStretch(slots, a + j, aScale, b != nullptr ? b + j : nullptr, bScale, length);
  });
}

// The inverse transform, into out, of the spectrum with every bin weighted by its
// omni weight w, or by its figure-eight weight 1 - w. The Nyquist bin shares the last
// bin's weight.
void PlugIn_DirectivityEngine::inverseOfWeightedSpectrum(bool eightWeight, double* out) {
  constexpr int last = kCurveLength - 1;
  const double* curve = curve_.get();
  double* bins = spectrum_.get();
  if (!eightWeight) {
    // The omni weights are the curve itself: the transform applies them as it reads.
    realFFTInverseWeighted(bins, curve, curve[last], out);
    return;
  }
  bins[0] *= 1.0 - curve[0];
  bins[1] *= 1.0 - curve[last];
  for (int k = 1; k <= last; ++k) {
    const double weight = 1.0 - curve[k];
    bins[2 * k] *= weight;
    bins[2 * k + 1] *= weight;
  }
  realFFTInverse(bins, out);
}
