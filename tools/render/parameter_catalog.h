#pragma once
// The parameters of a plug-in instance as a user names them: title, units, plain range.
//
// Titles, units and IDs come from the plug-in's controller. Plain values follow
// Lobeshift's own parameter table (which its controller's conversions follow too), and
// the controller's conversion for any other plug-in.

#include <string>
#include <string_view>
#include <vector>

#include "host/plugin_instance.h"
#include "host/result.h"

namespace render {

enum class ValueKind {
  kContinuous,  // any value in the range
  kWhole,       // model index, solo state: whole numbers only
  kSwitch,      // on/off: on is the maximum
};

struct ParameterDescription {
  Steinberg::Vst::ParamID id = 0;
  std::string title;
  std::string units;
  double minimum = 0.0;  // plain
  double maximum = 1.0;
  double defaultPlain = 0.0;
  ValueKind kind = ValueKind::kContinuous;
  bool readOnly = false;
};

// A value for the processor, as the host sends it.
struct ParameterChange {
  Steinberg::Vst::ParamID id = 0;
  double normalized = 0.0;
};

class ParameterCatalog {
 public:
  // `processorClassId` tells Lobeshift's processors apart from other plug-ins.
  static ParameterCatalog of(host::PluginInstance& plugin, const Steinberg::FUID& processorClassId);

  const std::vector<ParameterDescription>& parameters() const { return parameters_; }
  // Exact title first, then ignoring case; null when there is none.
  const ParameterDescription* findByTitle(std::string_view title) const;
  const ParameterDescription* findById(Steinberg::Vst::ParamID id) const;

  double toNormalized(const ParameterDescription& parameter, double plain) const;

  // Reads "Title=plain value" or "ID=normalized value" (see --help).
  host::Result<ParameterChange> resolve(std::string_view assignment) const;

 private:
  host::Result<ParameterChange> resolveByTitle(const ParameterDescription& parameter,
                                               std::string_view valueText) const;

  std::vector<ParameterDescription> parameters_;
  Steinberg::Vst::IEditController* controller_ =
      nullptr;  // conversions of plug-ins other than Lobeshift
  bool lobeshiftTable_ = false;
};

// "%g" without a trailing exponent for everyday numbers: 1000, 0.5, -6.
std::string formatNumber(double value);

}  // namespace render
