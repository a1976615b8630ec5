#pragma once
// The acoustic data of the four microphone models and the two proximity curves,
// computed on the document's grids.

#include <string>
#include <vector>

namespace polarxml {

struct ModelledMicrophone {
  std::string name;
  // Signed amplitude relative to on-axis at 0, 10, ... 350 degrees.
  std::vector<double> polar100Hz, polar1000Hz, polar10000Hz;
  // Level in dB at each grid frequency.
  std::vector<double> freefield, diffusefield;
};

struct ModelledFilter {
  std::string name;        // the figure-eight model the curve belongs to
  std::vector<double> dB;  // boost at each grid frequency
};

struct ModelledDocument {
  std::vector<ModelledMicrophone> omni;
  std::vector<ModelledMicrophone> eight;
  std::vector<ModelledFilter> filters;
};

ModelledDocument buildMicrophoneModels();

}  // namespace polarxml
