#include "micdata/microphone_data.h"

#include <utility>

#include "controller/parameter_table.h"

MicrophoneData::MicrophoneData(std::vector<MicrophoneRecord> omni,
                               std::vector<MicrophoneRecord> eight, FilterCurves filters)
    : omni_(std::move(omni)), eight_(std::move(eight)), filters_(std::move(filters)) {}

const MicrophoneRecord* MicrophoneData::getMicrophone(int group, int index) const {
  const std::vector<MicrophoneRecord>& list =
      group == static_cast<int>(kMicOmniType) ? omni_ : eight_;
  if (list.empty()) return nullptr;
  if (index < 0) return &list.front();
  if (static_cast<std::size_t>(index) >= list.size()) return &list.back();
  return &list[static_cast<std::size_t>(index)];
}

const std::vector<double>* MicrophoneData::getFilterCurve(const std::string& name) const {
  const auto found = filters_.find(name);
  return found == filters_.end() ? nullptr : &found->second;
}
