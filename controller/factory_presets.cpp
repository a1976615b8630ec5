#include "controller/factory_presets.h"

#include "controller/text_words.h"
#include "processor/state_stream.h"
#include "public.sdk/source/common/memorystream.h"

namespace {

// Each row: name and purpose; then low, mid and high point (omni weight, Hz), omni and
// figure-eight model, proximity compensation, omni and figure-eight gain (dB).
// clang-format off
constexpr FactoryPreset kPresets[] = {
    {"Cardioid", "The plain cardioid at every frequency: the plug-in's default, a neutral start",
     0.5, 50,   0.5, 1000,  0.5, 10000,   0, 0, false,   0, 0},
    {"Omni", "A true omni at every frequency: the room and the full low end, no off-axis colour",
     1.0, 50,   1.0, 1000,  1.0, 10000,   0, 0, false,   0, 0},
    {"Figure-Eight", "Front and back alike with deep side nulls, for Blumlein pairs",
     0.0, 50,   0.0, 1000,  0.0, 10000,   0, 0, false,   0, 0},
    {"Wide Cardioid", "A little more room than a cardioid, with gentle rejection at the back",
     0.7, 50,   0.7, 1000,  0.7, 10000,   0, 0, false,   0, 0},
    {"Supercardioid", "The most front-to-back contrast, for spot miking on a busy stage",
     0.37, 50,  0.37, 1000, 0.37, 10000,  0, 0, false,   0, 0},
    {"Hypercardioid", "The narrowest first-order pickup, the most rejection at the sides",
     0.25, 50,  0.25, 1000, 0.25, 10000,  0, 0, false,   0, 0},
    {"Full Lows, Focused Highs", "Omni lows for weight, narrowing to supercardioid in the highs",
     1.0, 80,   0.7, 600,   0.37, 7000,   0, 0, false,   0, 0},
    {"Narrowing Cardioid", "A cardioid that narrows with frequency, for an even off-axis sound",
     0.62, 40,  0.5, 1200,  0.3, 12000,   0, 0, false,   0, 0},
    {"Eight With Full Lows", "A figure-eight whose lows the omni fills in, for a fuller sound",
     0.85, 60,  0.1, 400,   0.0, 5000,    0, 0, false,   0, 0},
    {"Close Vocal", "A voice up close: supercardioid, the proximity boost compensated",
     0.5, 60,   0.4, 1000,  0.35, 10000,  0, 0, true,    0, 0},
    {"Close Guitar Cabinet", "A speaker a hand's width away: hypercardioid, proximity compensated",
     0.4, 90,   0.25, 2000, 0.25, 8000,   0, 0, true,    0, 0},
    {"Drum Overheads", "Wide in the lows for the kit's body, cardioid over the cymbals",
     0.75, 100, 0.55, 2500, 0.45, 12000,  0, 0, false,   0, 0},
    {"Room Ambience", "Room microphones: omni lows and mids, opening to wide cardioid in the highs",
     1.0, 50,   0.9, 1500,  0.7, 9000,    0, 0, false,   0, 0},
    {"Side of a Mid-Side Pair", "The side signal of a mid-side pair: figure-eight, 1.5 dB up",
     0.0, 20,   0.0, 1000,  0.0, 20000,   0, 0, false,   0, 1.5},
};
// clang-format on

}  // namespace

std::span<const FactoryPreset> factoryPresets() { return kPresets; }

const FactoryPreset* findFactoryPreset(std::string_view name) {
  for (const FactoryPreset& preset : kPresets)
    if (equalIgnoringCase(name, preset.name)) return &preset;
  return nullptr;
}

double presetPlainValue(const FactoryPreset& preset, ParameterId id) {
  switch (id) {
    case kLowType:
      return preset.lowType;
    case kLowFrequency:
      return preset.lowFrequency;
    case kMidType:
      return preset.midType;
    case kMidFrequency:
      return preset.midFrequency;
    case kHighType:
      return preset.highType;
    case kHighFrequency:
      return preset.highFrequency;
    case kMicOmniType:
      return preset.omniModel;
    case kMicEightType:
      return preset.eightModel;
    case kSoloState:
      return 0.0;
    case kProximityCompensation:
      return preset.proximityCompensation ? 1.0 : 0.0;
    default:
      // The gains: omni, eight, omni, eight for the pairs in order.
      return (id - kMicLOmniGain) % 2 == 0 ? preset.omniGain : preset.eightGain;
  }
}

std::vector<char> presetState(const FactoryPreset& preset, ParameterId parameterCount) {
  Steinberg::MemoryStream stream;
  for (ParameterId id = 0; id < parameterCount; ++id)
    writeStateValue(&stream,
                    static_cast<float>(plainToNormalized(id, presetPlainValue(preset, id))));
  return std::vector<char>(stream.getData(), stream.getData() + stream.getSize());
}
