#pragma once
// The microphone data model: the acoustic data of the microphone models the plug-in
// knows, loaded from the embedded microphone document. One instance is shared by
// every engine, editor view and plot in the module; it is reference-counted and never
// changes between loading and destruction, so readers need no lock.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ResponsePoint {
  double frequency;  // Hz
  double level;      // dB
};

struct MicrophoneRecord {
  std::string name;
  // Signed amplitude relative to on-axis; entry i belongs to 10 * i degrees.
  std::vector<double> polar100Hz, polar1000Hz, polar10000Hz;
  std::vector<ResponsePoint> freefield, diffusefield;
};

// Proximity compensation curves in dB, one value per grid point, by model name.
using FilterCurves = std::map<std::string, std::vector<double>>;

class MicrophoneData {
 public:
  MicrophoneData() = default;
  MicrophoneData(std::vector<MicrophoneRecord> omni, std::vector<MicrophoneRecord> eight,
                 FilterCurves filters);

  // group is the parameter ID of the selector: kMicOmniType picks the omni list, any
  // other value the figure-eight list. An index past the end reads the last model, a
  // negative one the first. nullptr when the list is empty.
  const MicrophoneRecord* getMicrophone(int group, int index) const;
  // The curve stored under exactly this name, or nullptr.
  const std::vector<double>* getFilterCurve(const std::string& name) const;

  const std::vector<MicrophoneRecord>& omniMicrophones() const { return omni_; }
  const std::vector<MicrophoneRecord>& eightMicrophones() const { return eight_; }
  const FilterCurves& filterCurves() const { return filters_; }

 private:
  std::vector<MicrophoneRecord> omni_;
  std::vector<MicrophoneRecord> eight_;
  FilterCurves filters_;
};

// The shared instance. The first acquire loads the embedded document "PolarXML.xml"
// (an empty model when that fails); the release that drops the last reference
// destroys it, and the next acquire loads it again. Main thread only in practice;
// safe from any non-audio thread.
MicrophoneData* acquireMicrophoneData();
void releaseMicrophoneData(MicrophoneData* model);

// How often the shared instance has been loaded since start-up, and how many
// references it has now (0 when there is none).
int microphoneDataLoadCount();
std::int32_t microphoneDataReferenceCount();
