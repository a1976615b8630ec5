#include "tools/render/parameter_catalog.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "controller/parameter_table.h"
#include "controller/text_words.h"
#include "tools/render/lobeshift_classes.h"

namespace render {

using namespace Steinberg;

namespace {

using Resolved = host::Result<ParameterChange>;

std::string utf8Of(const Vst::TChar* text, std::size_t capacity) {
  std::string result;
  for (std::size_t i = 0; i < capacity && text[i] != 0; ++i) {
    const auto unit = static_cast<char32_t>(text[i]);
    if (unit < 0x80) {
      result += static_cast<char>(unit);
    } else if (unit < 0x800) {
      result += static_cast<char>(0xC0 | (unit >> 6));
      result += static_cast<char>(0x80 | (unit & 0x3F));
    } else {  // the basic plane is all a parameter title needs
      result += static_cast<char>(0xE0 | (unit >> 12));
      result += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      result += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return result;
}

// A finite number at the start of the text; `rest` gets what follows it.
std::optional<double> leadingNumber(std::string_view text, std::string_view& rest) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  rest = text.substr(static_cast<std::size_t>(end - text.data()));
  return value;
}

std::optional<double> wholeNumber(std::string_view text) {
  std::string_view rest;
  auto value = leadingNumber(text, rest);
  if (!value || !trimmedText(rest).empty()) return std::nullopt;
  return value;
}

std::optional<bool> switchWord(std::string_view text) {
  for (const char* word : {"on", "true", "yes"})
    if (equalIgnoringCase(text, word)) return true;
  for (const char* word : {"off", "false", "no"})
    if (equalIgnoringCase(text, word)) return false;
  return std::nullopt;
}

// A plain value, with an optional trailing unit: the parameter's own, or kHz for Hz.
std::optional<double> plainNumber(std::string_view text, const std::string& units) {
  std::string_view rest;
  auto value = leadingNumber(text, rest);
  if (!value) return std::nullopt;
  rest = trimmedText(rest);
  if (rest.empty() || (!units.empty() && equalIgnoringCase(rest, units))) return value;
  if (units == "Hz" && equalIgnoringCase(rest, "kHz")) return *value * 1000.0;
  return std::nullopt;
}

std::string rangeText(const ParameterDescription& parameter) {
  std::string text;
  switch (parameter.kind) {
    case ValueKind::kSwitch:
      text = "on or off";
      break;
    case ValueKind::kWhole:
      text = "a whole number from " + formatNumber(parameter.minimum) + " to " +
             formatNumber(parameter.maximum);
      break;
    case ValueKind::kContinuous:
      text = formatNumber(parameter.minimum) + " to " + formatNumber(parameter.maximum);
      break;
  }
  if (!parameter.units.empty() && parameter.kind != ValueKind::kSwitch)
    text += " " + parameter.units;
  return text;
}

ValueKind lobeshiftKind(ParameterId id) {
  switch (id) {
    case kMicOmniType:
    case kMicEightType:
    case kSoloState:
      return ValueKind::kWhole;
    case kProximityCompensation:
      return ValueKind::kSwitch;
    default:
      return ValueKind::kContinuous;
  }
}

ValueKind kindFromSteps(int32 stepCount) {
  if (stepCount == 1) return ValueKind::kSwitch;
  return stepCount > 1 ? ValueKind::kWhole : ValueKind::kContinuous;
}

}  // namespace

std::string formatNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

ParameterCatalog ParameterCatalog::of(host::PluginInstance& plugin, const FUID& processorClassId) {
  ParameterCatalog catalog;
  catalog.controller_ = plugin.controller();
  catalog.lobeshiftTable_ = lobeshiftClassOf(processorClassId) != nullptr;
  Vst::IEditController* controller = catalog.controller_;
  if (controller == nullptr) return catalog;

  for (int32 index = 0; index < controller->getParameterCount(); ++index) {
    Vst::ParameterInfo info{};
    if (controller->getParameterInfo(index, info) != kResultOk) continue;
    ParameterDescription parameter;
    parameter.id = info.id;
    parameter.title = utf8Of(info.title, std::size(info.title));
    parameter.units = utf8Of(info.units, std::size(info.units));
    parameter.readOnly = (info.flags & Vst::ParameterInfo::kIsReadOnly) != 0;
    if (catalog.lobeshiftTable_ && info.id < kParameterTableRows) {
      parameter.minimum = parameterMinimum(info.id);
      parameter.maximum = parameterMaximum(info.id);
      parameter.defaultPlain = parameterDefault(info.id);
      parameter.kind = lobeshiftKind(info.id);
    } else {
      parameter.minimum = controller->normalizedParamToPlain(info.id, 0.0);
      parameter.maximum = controller->normalizedParamToPlain(info.id, 1.0);
      parameter.defaultPlain =
          controller->normalizedParamToPlain(info.id, info.defaultNormalizedValue);
      parameter.kind = kindFromSteps(info.stepCount);
    }
    catalog.parameters_.push_back(parameter);
  }
  return catalog;
}

const ParameterDescription* ParameterCatalog::findByTitle(std::string_view title) const {
  for (const auto& parameter : parameters_)
    if (parameter.title == title) return &parameter;
  for (const auto& parameter : parameters_)
    if (equalIgnoringCase(parameter.title, title)) return &parameter;
  return nullptr;
}

const ParameterDescription* ParameterCatalog::findById(Vst::ParamID id) const {
  for (const auto& parameter : parameters_)
    if (parameter.id == id) return &parameter;
  return nullptr;
}

double ParameterCatalog::toNormalized(const ParameterDescription& parameter, double plain) const {
  if (lobeshiftTable_ && parameter.id < kParameterTableRows)
    return plainToNormalized(parameter.id, plain);
  return controller_ != nullptr ? controller_->plainParamToNormalized(parameter.id, plain) : plain;
}

host::Result<ParameterChange> ParameterCatalog::resolve(std::string_view assignment) const {
  const auto equals = assignment.find('=');
  const std::string_view name = trimmedText(assignment.substr(0, equals));
  if (equals == std::string_view::npos || name.empty() ||
      trimmedText(assignment.substr(equals + 1)).empty())
    return Resolved::failure("--set needs TITLE=VALUE or ID=VALUE, not '" +
                             std::string(assignment) + "'");
  const std::string_view valueText = trimmedText(assignment.substr(equals + 1));

  const bool byId = std::all_of(name.begin(), name.end(),
                                [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  const ParameterDescription* parameter = nullptr;
  if (byId) {
    Vst::ParamID id = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
    if (error == std::errc() && end == name.data() + name.size()) parameter = findById(id);
    if (parameter == nullptr)
      return Resolved::failure("unknown parameter ID " + std::string(name) +
                               " (--list-parameters shows the IDs)");
  } else {
    parameter = findByTitle(name);
    if (parameter == nullptr)
      return Resolved::failure("unknown parameter \"" + std::string(name) +
                               "\" (--list-parameters shows the titles)");
  }
  if (parameter->readOnly)
    return Resolved::failure("parameter \"" + parameter->title + "\" is read-only");

  if (!byId) return resolveByTitle(*parameter, valueText);
  const auto normalized = wholeNumber(valueText);
  if (!normalized || *normalized < 0.0 || *normalized > 1.0)
    return Resolved::failure("parameter ID " + std::string(name) + " (\"" + parameter->title +
                             "\") takes a normalized value from 0 to 1, not '" +
                             std::string(valueText) + "'");
  return Resolved::success({parameter->id, *normalized});
}

host::Result<ParameterChange> ParameterCatalog::resolveByTitle(
    const ParameterDescription& parameter, std::string_view valueText) const {
  std::optional<double> plain;
  if (parameter.kind == ValueKind::kSwitch) {
    if (auto on = switchWord(valueText)) plain = *on ? parameter.maximum : parameter.minimum;
  }
  if (!plain) plain = plainNumber(valueText, parameter.units);

  const double low = std::min(parameter.minimum, parameter.maximum);
  const double high = std::max(parameter.minimum, parameter.maximum);
  const bool fits = plain && *plain >= low && *plain <= high &&
                    (parameter.kind != ValueKind::kWhole || std::floor(*plain) == *plain) &&
                    (parameter.kind != ValueKind::kSwitch || *plain == low || *plain == high);
  if (!fits)
    return Resolved::failure("\"" + parameter.title + "\" takes " + rangeText(parameter) +
                             ", not '" + std::string(valueText) + "'");
  return Resolved::success({parameter.id, std::clamp(toNormalized(parameter, *plain), 0.0, 1.0)});
}

}  // namespace render
