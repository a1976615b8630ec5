#include "plots/freq_db_plot.h"

#include <algorithm>
#include <cmath>

#include "platform/diagnostics.h"
#include "plots/finite_polyline.h"
#include "plots/frequency_axis.h"
#include "toolkit/coffscreencontext.h"

using namespace VSTGUI;

namespace {

constexpr CColor kProximityColour{12, 12, 12, 40};
constexpr CColor kFreeFieldColour{0, 0, 240, 250};
constexpr CColor kDiffuseFieldColour{60, 60, 200, 160};
constexpr CCoord kResponseLineWidth = 1.5;
constexpr double kLevelSpan = 40.0;  // dB from the bottom edge to the top edge

constexpr const char* kMismatchedGridsLine =
    "Lobeshift: Error reading microphone data. This does not affect the performance of the "
    "plug-in, but may lead "
    "to incorrect presentation of microphone data on the screen\n";

double gainOf(double dB) { return std::pow(10.0, dB / 20.0); }
double levelOf(double gain) { return 20.0 * std::log10(gain); }

bool levelsFinite(const std::vector<ResponsePoint>& response, std::size_t count) {
  return std::all_of(response.begin(), response.begin() + static_cast<std::ptrdiff_t>(count),
                     [](const ResponsePoint& point) { return std::isfinite(point.level); });
}

CPoint gridPoint(int k, double y) { return CPoint(frequency_axis::kGridSpacing * k, y); }

COffscreenContext* lineSurface(CFrame* frame, const CView& view, const CColor& colour) {
  COffscreenContext* surface = COffscreenContext::create(frame, view.getWidth(), view.getHeight());
  surface->setFrameColor(colour);
  surface->setDrawMode(kAntiAliasing);
  return surface;
}

void copyAndRelease(COffscreenContext* surface, CDrawContext* target, const CRect& where) {
  surface->copyFrom(target, where);
  surface->forget();
}

}  // namespace

FreqDbPlot::FreqDbPlot(const CRect& rect, CFrame* frame)
    : CView(rect), frame_(frame), microphoneData_(acquireMicrophoneData()) {
  setMouseEnabled(false);
}

FreqDbPlot::~FreqDbPlot() { releaseMicrophoneData(microphoneData_); }

void FreqDbPlot::setCurve(const double* curve) {
  curve_ = curve;
  setDirty(true);
}

void FreqDbPlot::setMicrophone(int32_t kind, const MicrophoneRecord* record) {
  if (record != nullptr && kind == kOmniMicrophone) {
    omniFreeField_ = &record->freefield;
    omniDiffuseField_ = &record->diffusefield;
  } else if (record != nullptr && kind == kEightMicrophone) {
    eightFreeField_ = &record->freefield;
    eightDiffuseField_ = &record->diffusefield;
    proximityCurve_ = microphoneData_ ? microphoneData_->getFilterCurve(record->name) : nullptr;
  }
  setDirty(true);
}

void FreqDbPlot::setProximityCompensation(bool on) {
  compensationOn_ = on;
  setDirty(true);
}

const std::vector<double>* FreqDbPlot::proximityInUse() const {
  return compensationOn_ ? proximityCurve_ : nullptr;
}

double FreqDbPlot::levelToY(double dB) const {
  return getHeight() / 2 - dB * getHeight() / kLevelSpan;
}

bool FreqDbPlot::responsesDrawable() const {
  if (!omniFreeField_ || !omniDiffuseField_ || !eightFreeField_ || !eightDiffuseField_)
    return false;
  const std::size_t count = omniFreeField_->size();
  if (count != static_cast<std::size_t>(frequency_axis::kGridPoints)) return false;
  for (const auto* response : {omniDiffuseField_, eightFreeField_, eightDiffuseField_}) {
    if (response->size() < count) return false;
  }
  for (const auto* response :
       {omniFreeField_, omniDiffuseField_, eightFreeField_, eightDiffuseField_}) {
    if (!levelsFinite(*response, count)) return false;
  }
  return true;
}

void FreqDbPlot::drawRect(CDrawContext* context, const CRect& /*updateRect*/) {
  const std::vector<double>* proximity = proximityInUse();
  const bool proximityDrawable =
      proximity == nullptr ||
      (proximity->size() == static_cast<std::size_t>(frequency_axis::kGridPoints) &&
       std::all_of(proximity->begin(), proximity->end(),
                   [](double dB) { return std::isfinite(dB); }));
  if (curve_ != nullptr && proximityDrawable) {
    if (proximity != nullptr) drawProximityLine(context, *proximity);
    if (responsesDrawable()) drawResponseLines(context, proximity);
  }
  CView::draw(context);
}

void FreqDbPlot::drawProximityLine(CDrawContext* context, const std::vector<double>& proximity) {
  COffscreenContext* surface = lineSurface(frame_, *this, kProximityColour);
  surface->beginDraw();
  FinitePolyline line(surface);
  line.start(gridPoint(0, levelToY(proximity[0] * curve_[0])));
  for (int k = 0; k < frequency_axis::kGridPoints; ++k)
    line.to(gridPoint(k, levelToY(proximity[k] * curve_[k])));
  surface->endDraw();
  copyAndRelease(surface, context, size);
}

void FreqDbPlot::drawResponseLines(CDrawContext* context, const std::vector<double>* proximity) {
  COffscreenContext* freeField = lineSurface(frame_, *this, kFreeFieldColour);
  COffscreenContext* diffuseField = lineSurface(frame_, *this, kDiffuseFieldColour);
  freeField->setLineWidth(kResponseLineWidth);
  diffuseField->setLineWidth(kResponseLineWidth);
  freeField->beginDraw();
  diffuseField->beginDraw();

  // Line B is the weighted sum of both free-field responses, the compensation added
  // to the figure-eight part; line C lies the equally weighted diffuse-field values
  // away from it, as they are levels relative to the free-field response.
  double compensation = proximity != nullptr ? (*proximity)[0] : 0.0;
  struct LineRows {
    double freeField, diffuseField;
  };
  auto lineRows = [&](int k) {
    const double w = curve_[k];
    const double freeField = levelOf((1 - w) * gainOf((*omniFreeField_)[k].level) +
                                     w * gainOf((*eightFreeField_)[k].level + compensation));
    const double diffuse = levelOf((1 - w) * gainOf((*omniDiffuseField_)[k].level) +
                                   w * gainOf((*eightDiffuseField_)[k].level));
    const double yFree = levelToY(freeField);
    return LineRows{yFree, yFree - diffuse * getHeight() / kLevelSpan};
  };

  FinitePolyline freeLine(freeField), diffuseLine(diffuseField);
  const LineRows start = lineRows(0);
  freeLine.start(gridPoint(0, start.freeField));
  diffuseLine.start(gridPoint(0, start.diffuseField));
  bool gridsDiffer = false;
  const int count = static_cast<int>(omniFreeField_->size());
  for (int k = 0; k < count; ++k) {
    // Unequal (or unreadable) frequencies are still drawn by index; the user is told once.
    if (!((*omniFreeField_)[k].frequency == (*eightFreeField_)[k].frequency)) gridsDiffer = true;
    if (proximity != nullptr) compensation = (*proximity)[k];
    const LineRows rows = lineRows(k);
    freeLine.to(gridPoint(k, rows.freeField));
    diffuseLine.to(gridPoint(k, rows.diffuseField));
  }
  if (gridsDiffer) diag::write("%s", kMismatchedGridsLine);

  freeField->endDraw();
  diffuseField->endDraw();
  copyAndRelease(freeField, context, size);
  copyAndRelease(diffuseField, context, size);
}
