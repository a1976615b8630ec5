#pragma once
// One of the frequency graph's polar diagrams: the pattern the directivity curve
// gives at the plot's frequency, drawn as a line around the plot's centre, 0 degrees
// up and angles growing clockwise. With both microphones' polar values at hand it
// mixes the measured patterns with the curve's figure-eight weight; without them it
// draws the ideal first-order pattern of that weight. Scale rings and axes are in
// the editor's background.

#include <cstdint>
#include <vector>

#include "toolkit/cview.h"

class PolarPlot : public VSTGUI::CView {
 public:
  // Kinds of polar data, the parameter IDs of the two microphone selectors.
  static constexpr int32_t kOmniData = 6;
  static constexpr int32_t kEightData = 7;
  // Points of the ideal pattern drawn when there is no data.
  static constexpr int32_t kIdealSampleCount = 64;

  PolarPlot(const VSTGUI::CRect& size, VSTGUI::CFrame* frame);

  // The figure-eight weight, 0 = omni only, 1 = figure-eight only. No redraw.
  void setWeight(float weight) { weight_ = weight; }
  float getWeight() const { return weight_; }
  // One microphone's signed polar values, entry i at 360 degrees * i / n; the list is
  // not owned and must outlive the plot. An empty list counts as none. No redraw.
  void setPolarData(int32_t kind, const std::vector<double>* values);
  // Points on the line: the smaller count of the two lists, or 64 for the ideal pattern.
  int32_t getSampleCount() const { return sampleCount_; }

  void draw(VSTGUI::CDrawContext* context) override;

  CLASS_METHODS_NOCOPY(PolarPlot, CView)

 private:
  bool hasData() const { return omni_ != nullptr && eight_ != nullptr; }
  // Point i's angle (0 up, clockwise) and its distance from the centre in pixels.
  double angleAt(int32_t index) const;
  float radiusAt(int32_t index, double theta, float scale) const;

  VSTGUI::CFrame* frame_;
  float centreX_;
  float centreY_;
  float weight_ = 0.5f;
  int32_t sampleCount_ = kIdealSampleCount;
  const std::vector<double>* omni_ = nullptr;
  const std::vector<double>* eight_ = nullptr;
};
