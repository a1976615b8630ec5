#pragma once
// What the directivity curve means for the chosen pair of microphones, over the whole
// frequency graph on a scale of +-20 dB around its middle: the combined free-field
// response (line B), the combined diffuse-field response drawn relative to it
// (line C) and, with proximity compensation on, the figure-eight microphone's
// compensation scaled by the figure-eight weight. Drawn at the back first: the
// proximity line, then B, then C.
//
// The measured responses are read by grid index (one value per display position).
// Data that cannot be drawn safely is not drawn: a response shorter than the omni
// free-field response, or one holding a level that is not finite, leaves out the
// response lines; a proximity curve in use that does not hold one finite value per
// display position leaves out everything, since it shifts line B as well.

#include <cstdint>
#include <vector>

#include "micdata/microphone_data.h"
#include "toolkit/cview.h"

class FreqDbPlot : public VSTGUI::CView {
 public:
  static constexpr int32_t kOmniMicrophone = 6;
  static constexpr int32_t kEightMicrophone = 7;

  // Holds a reference on the shared microphone data for its whole life, so the
  // records it is given stay valid.
  FreqDbPlot(const VSTGUI::CRect& size, VSTGUI::CFrame* frame);
  ~FreqDbPlot() override;

  // The display curve (owned by the graph); marks the plot dirty.
  void setCurve(const double* curve);
  // The omni (kind 6) or figure-eight (kind 7) microphone's responses; a figure-eight
  // microphone also brings its proximity curve, if the data has one. Marks dirty.
  void setMicrophone(int32_t kind, const MicrophoneRecord* record);
  void setProximityCompensation(bool on);

  void drawRect(VSTGUI::CDrawContext* context, const VSTGUI::CRect& updateRect) override;

  CLASS_METHODS_NOCOPY(FreqDbPlot, CView)

 private:
  // The proximity curve when compensation is on and the microphone has one.
  const std::vector<double>* proximityInUse() const;
  bool responsesDrawable() const;
  void drawProximityLine(VSTGUI::CDrawContext* context, const std::vector<double>& proximity);
  void drawResponseLines(VSTGUI::CDrawContext* context, const std::vector<double>* proximity);
  // Graph y of a level in dB.
  double levelToY(double dB) const;

  VSTGUI::CFrame* frame_;
  MicrophoneData* microphoneData_;
  const double* curve_ = nullptr;
  const std::vector<ResponsePoint>* omniFreeField_ = nullptr;
  const std::vector<ResponsePoint>* omniDiffuseField_ = nullptr;
  const std::vector<ResponsePoint>* eightFreeField_ = nullptr;
  const std::vector<ResponsePoint>* eightDiffuseField_ = nullptr;
  const std::vector<double>* proximityCurve_ = nullptr;
  bool compensationOn_ = false;
};
