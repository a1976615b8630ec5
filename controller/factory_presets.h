#pragma once
// The factory presets: named settings for recording engineers to start from. They are
// written once, here, in plain values; the build turns them into the VST 3 preset files
// of each build (tools/presets), the VST 2 entry offers them as its programs, and the
// renderer takes them by name. Each name fits a VST 2 program name (24 characters), so
// both formats show the same names.

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "controller/parameter_table.h"

struct FactoryPreset {
  const char* name;
  const char* purpose;  // one line, for menus, the README and --list-presets
  // The control points: pattern type (omni weight) and frequency in Hz.
  double lowType, lowFrequency;
  double midType, midFrequency;
  double highType, highFrequency;
  int omniModel, eightModel;  // indexes into the omni and figure-eight lists
  bool proximityCompensation;
  double omniGain, eightGain;  // dB, for every pair
};

constexpr std::size_t kLongestPresetName = 24;

std::span<const FactoryPreset> factoryPresets();

// The preset of this name, ignoring case; null when there is none.
const FactoryPreset* findFactoryPreset(std::string_view name);

// The plain value the preset gives a parameter (solo off; every pair's gains alike).
double presetPlainValue(const FactoryPreset& preset, ParameterId id);

// The processor state of the preset for a build with `parameterCount` parameters: the
// state stream's bytes, as the processor writes them.
std::vector<char> presetState(const FactoryPreset& preset, ParameterId parameterCount);
