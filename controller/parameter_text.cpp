#include "controller/parameter_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "controller/pattern_names.h"
#include "controller/text_words.h"
#include "micdata/microphone_data.h"

namespace {

enum class Kind { kPattern, kFrequency, kModel, kSolo, kSwitch, kGain, kNone };

Kind kindOf(ParameterId id) {
  switch (id) {
    case kLowType:
    case kMidType:
    case kHighType:
      return Kind::kPattern;
    case kLowFrequency:
    case kMidFrequency:
    case kHighFrequency:
      return Kind::kFrequency;
    case kMicOmniType:
    case kMicEightType:
      return Kind::kModel;
    case kSoloState:
      return Kind::kSolo;
    case kProximityCompensation:
      return Kind::kSwitch;
    default:
      return id < kParameterTableRows ? Kind::kGain : Kind::kNone;
  }
}

// The solo table's states: which capsule (O omni, 8 figure-eight, O+8 both) is heard
// before (pre) or after (post) the weighting.
constexpr std::array<const char*, 7> kSoloNames = {"off",    "O pre",    "O+8 pre", "8 pre",
                                                   "O post", "O+8 post", "8 post"};

// Fixed-point text whatever the host's locale.
std::string fixed(double value, int decimals) {
  char text[32];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return error == std::errc() ? std::string(text, end) : std::string("?");
}

double roundedTo(double value, double step) { return std::round(value / step) * step; }

std::string gainText(double plain) {
  double tenths = roundedTo(plain, 0.1);
  if (tenths == 0.0) tenths = 0.0;  // never "-0.0"
  std::string text(tenths > 0.0 ? "+" : "");
  text += fixed(tenths, 1);
  return text;
}

std::string frequencyText(double plain) {
  // Tenths of a hertz where they matter (the low point), whole hertz above.
  return plain < 99.95 ? fixed(plain, 1) : fixed(plain, 0);
}

std::string patternText(double plain) {
  const double shown = roundedTo(plain, 0.01);
  std::string text = fixed(shown, 2);
  text += ' ';
  text += nearestPatternName(shown);
  return text;
}

int indexOf(double plain) { return parameterInteger(static_cast<float>(plain)); }

std::string modelText(ParameterId id, double plain, const MicrophoneData* models) {
  const int index = indexOf(plain);
  const MicrophoneRecord* record =
      models != nullptr ? models->getMicrophone(static_cast<int>(id), index) : nullptr;
  return record != nullptr ? record->name : std::to_string(index);
}

double clampToRange(ParameterId id, double plain) {
  const double low = std::min(parameterMinimum(id), parameterMaximum(id));
  const double high = std::max(parameterMinimum(id), parameterMaximum(id));
  return std::clamp(plain, low, high);
}

// A plain decimal number at the start of the text ("-3", "1.25", ".5"); no exponent,
// no "nan" or "inf". `rest` gets what follows.
std::optional<double> leadingNumber(std::string_view text, std::string_view& rest) {
  std::size_t at = 0;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  const std::size_t start = at;
  std::size_t digits = 0;
  bool point = false;
  for (; at < text.size(); ++at) {
    if (std::isdigit(static_cast<unsigned char>(text[at]))) {
      ++digits;
    } else if (text[at] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data() + start, text.data() + at, value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + at || !std::isfinite(value)) return std::nullopt;
  rest = trimmedText(text.substr(at));
  return negative ? -value : value;
}

// A number with an optional "k" for thousands and the unit: "1.2 kHz", "1k", "-3 dB".
std::optional<double> numberInUnit(ParameterId id, std::string_view text) {
  std::string_view rest;
  auto value = leadingNumber(text, rest);
  if (!value) return std::nullopt;
  const std::string_view units = parameterUnits(id);
  if (!units.empty() && !rest.empty() && (rest.front() == 'k' || rest.front() == 'K')) {
    *value *= 1000.0;
    rest = trimmedText(rest.substr(1));
  }
  if (rest.empty() || (!units.empty() && equalIgnoringCase(rest, units))) return value;
  return std::nullopt;
}

// "0.50 cardioid", "0.5", "cardioid": the number wins where both are given.
std::optional<double> patternValue(std::string_view text) {
  if (auto named = patternWeightOfName(text)) return named;
  std::string_view rest;
  auto value = leadingNumber(text, rest);
  if (!value || !(rest.empty() || patternWeightOfName(rest))) return std::nullopt;
  return value;
}

std::optional<double> modelValue(ParameterId id, std::string_view text,
                                 const MicrophoneData* models) {
  if (models != nullptr) {
    const auto& list = id == kMicOmniType ? models->omniMicrophones() : models->eightMicrophones();
    for (std::size_t index = 0; index < list.size(); ++index)
      if (equalIgnoringCase(text, list[index].name)) return static_cast<double>(index);
  }
  return numberInUnit(id, text);
}

std::optional<double> soloValue(ParameterId id, std::string_view text) {
  for (std::size_t state = 0; state < kSoloNames.size(); ++state)
    if (equalIgnoringCase(text, kSoloNames[state])) return static_cast<double>(state);
  return numberInUnit(id, text);
}

std::optional<double> switchValue(ParameterId id, std::string_view text) {
  if (equalIgnoringCase(text, "on")) return parameterMaximum(id);
  if (equalIgnoringCase(text, "off")) return parameterMinimum(id);
  return numberInUnit(id, text);
}

}  // namespace

std::string parameterText(ParameterId id, double plain, const MicrophoneData* models) {
  switch (kindOf(id)) {
    case Kind::kPattern:
      return patternText(plain);
    case Kind::kFrequency:
      return frequencyText(plain);
    case Kind::kModel:
      return modelText(id, plain, models);
    case Kind::kSolo: {
      const int state = indexOf(plain);
      if (state >= 0 && state < static_cast<int>(kSoloNames.size())) return kSoloNames[state];
      return std::to_string(state);
    }
    case Kind::kSwitch:
      // On only at exactly the maximum, as the engine reads it.
      return static_cast<float>(plain) == static_cast<float>(parameterMaximum(id)) ? "on" : "off";
    case Kind::kGain:
      return gainText(plain);
    case Kind::kNone:
      break;
  }
  return fixed(plain, 4);
}

std::optional<double> parameterValueOfText(ParameterId id, std::string_view text,
                                           const MicrophoneData* models) {
  text = trimmedText(text);
  if (text.empty()) return std::nullopt;
  std::optional<double> plain;
  switch (kindOf(id)) {
    case Kind::kPattern:
      plain = patternValue(text);
      break;
    case Kind::kModel:
      plain = modelValue(id, text, models);
      break;
    case Kind::kSolo:
      plain = soloValue(id, text);
      break;
    case Kind::kSwitch:
      plain = switchValue(id, text);
      break;
    case Kind::kFrequency:
    case Kind::kGain:
      plain = numberInUnit(id, text);
      break;
    case Kind::kNone:
      return std::nullopt;
  }
  if (!plain) return std::nullopt;
  return clampToRange(id, *plain);
}
