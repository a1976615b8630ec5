#include "tools/toolkit-snapshot/demo_panel.h"

#include <cmath>
#include <numbers>

namespace snapshot {
namespace {

using namespace VSTGUI;

constexpr CColor kPanelColour{38, 42, 48, 255};
constexpr CColor kCaptionColour{220, 220, 220, 255};

// A reference-counted bitmap handed to views, released by the panel at once.
class Bitmap {
 public:
  explicit Bitmap(const char* name) : bitmap_(new CBitmap(name)) {}
  ~Bitmap() { bitmap_->forget(); }
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  operator CBitmap*() const { return bitmap_; }  // NOLINT: handed straight to views

 private:
  CBitmap* bitmap_;
};

void caption(CFrame* frame, const CRect& area, const char* text, CHoriTxtAlign align = kLeftText) {
  auto* label = new CTextLabel(area, text);
  label->setTransparency(true);
  label->setFontColor(kCaptionColour);
  auto* font = new CFontDesc("Verdana", 11, kBoldFace);
  label->setFont(font);
  font->forget();
  label->setHoriAlign(align);
  frame->addView(label);
}

// A view drawn by a function: the demo's drawing-context section.
class Sketch : public CView {
 public:
  using Paint = void (*)(CDrawContext*, const CRect&, CFrame*);
  Sketch(const CRect& size, Paint paint) : CView(size), paint_(paint) {}
  void draw(CDrawContext* context) override {
    paint_(context, getViewSize(), getFrame());
    setDirty(false);
  }

 private:
  Paint paint_;
};

void addMeters(CFrame* frame) {
  caption(frame, CRect(20, 10, 200, 26), "CVuMeter");
  Bitmap on("meterOn.png");
  Bitmap off("meterOff.png");
  const float levels[] = {0.f, 0.25f, 0.5f, 0.75f, 1.f};
  CCoord x = 20;
  for (float level : levels) {
    auto* meter = new CVuMeter(CRect(x, 30, x + 21, 203), on, off, 17, kVertical);
    meter->setDecreaseStepValue(0.06f);
    meter->setValue(level);
    frame->addView(meter);
    x += 30;
  }
  // One meter caught falling: full, then silence and five redraws.
  auto* falling = new CVuMeter(CRect(x, 30, x + 21, 203), on, off, 17, kVertical);
  falling->setDecreaseStepValue(0.06f);
  falling->setValue(1.f);
  frame->addView(falling);
  frame->idle();
  falling->setValue(0.f);
  for (int redraw = 0; redraw < 5; ++redraw) frame->idle();
  caption(frame, CRect(20, 205, 200, 221), "0  .25  .5  .75  1  falling", kLeftText);
}

void addButtons(CFrame* frame) {
  caption(frame, CRect(230, 10, 460, 26), "CMovieButton (off, on)");
  struct Row {
    const char* bitmap;
    CCoord width;
    CCoord height;
  };
  const Row rows[] = {{"onOffButton.png", 52, 17.5},
                      {"PreButton.png", 52, 18},
                      {"PostButton.png", 52, 18},
                      {"peakLED.png", 21, 13}};
  CCoord y = 32;
  for (const Row& row : rows) {
    Bitmap bitmap(row.bitmap);
    for (int state = 0; state < 2; ++state) {
      const CCoord x = 230 + state * 70;
      auto* button =
          new CMovieButton(CRect(x, y, x + row.width, y + row.height), nullptr, 0, bitmap);
      button->setValue(static_cast<float>(state));
      frame->addView(button);
    }
    y += 28;
  }
}

void addLabels(CFrame* frame) {
  caption(frame, CRect(400, 10, 680, 26), "CTextLabel");
  auto* knobValue = new CTextLabel(CRect(400, 32, 438, 48), "+6.00");
  knobValue->setBackColor(CColor(180, 180, 180, 255));
  knobValue->setFontColor(CColor(10, 10, 10, 200));
  auto* verdana = new CFontDesc("Verdana", 10, kNormalFace);
  knobValue->setFont(verdana);
  frame->addView(knobValue);

  auto* hint = new CTextLabel(CRect(450, 32, 550, 48), "0.50 @ 1.00kHz");
  hint->setTransparency(true);
  hint->setFontColor(CColor(230, 230, 230, 200));
  hint->setFont(verdana);
  frame->addView(hint);

  auto* framed = new CTextLabel(CRect(560, 32, 680, 48), "framed, centred");
  framed->setBackColor(CColor(70, 80, 95, 255));
  framed->setFrameColor(CColor(200, 200, 200, 255));
  framed->setFontColor(kWhiteCColor);
  frame->addView(framed);
  verdana->forget();
}

void addBitmapViews(CFrame* frame) {
  caption(frame, CRect(400, 62, 680, 78), "CView backgrounds, filmstrip 0/15/30");
  Bitmap poti("poti.png");
  for (int index = 0; index < 3; ++index) {
    const CCoord x = 400 + index * 34;
    auto* knobFrame = new CView(CRect(x, 84, x + 24, 108));
    knobFrame->setBackground(poti);
    knobFrame->setBackOffset(CPoint(0, 24.0 * 15 * index));
    frame->addView(knobFrame);
  }
  Bitmap gain("gain.png");
  auto* gainCaption = new CView(CRect(510, 90, 542, 101));
  gainCaption->setBackground(gain);
  frame->addView(gainCaption);
  Bitmap omni("omniText.png");
  for (int index = 0; index < 2; ++index) {
    auto* label = new CView(CRect(560 + index * 60, 88, 616 + index * 60, 104));
    label->setBackground(omni);
    label->setBackOffset(CPoint(0, 16.0 * index));
    frame->addView(label);
  }
}

void paintShapes(CDrawContext* context, const CRect& size, CFrame*) {
  const CPoint origin = size.getTopLeft();
  // Handle squares as the graph draws them: idle, then dragged.
  context->setFrameColor(kBlackCColor);
  context->setFillColor(CColor(127, 127, 127, 255));
  context->drawRect(CRect(0, 0, 12, 12).offset(origin.x + 10, origin.y + 10),
                    kDrawFilledAndStroked);
  context->setFillColor(CColor(90, 90, 90, 255));
  context->drawRect(CRect(0, 0, 12, 12).offset(origin.x + 30, origin.y + 10),
                    kDrawFilledAndStroked);
  // A translucent highlight row, as the selector's hover.
  context->setFillColor(CColor(50, 50, 50, 40));
  context->drawRect(CRect(0, 0, 80, 16).offset(origin.x + 55, origin.y + 8), kDrawFilled);
  // One polyline whose colour changes between segments, aliased and smoothed.
  context->setLineWidth(2);
  context->moveTo(CPoint(origin.x + 10, origin.y + 60));
  context->setFrameColor(CColor(80, 80, 80, 255));
  context->lineTo(CPoint(origin.x + 10, origin.y + 60));
  context->setFrameColor(CColor(100, 100, 100, 255));
  context->lineTo(CPoint(origin.x + 14, origin.y + 58));
  context->setFrameColor(CColor(160, 160, 160, 255));
  context->setDrawMode(kAntiAliasing);
  for (int k = 2; k <= 40; ++k)
    context->lineTo(CPoint(origin.x + 10 + 4 * k, origin.y + 60 - 25 * std::sin(k / 6.0)));
}

void paintPolar(CDrawContext* context, const CRect& size, CFrame* frame) {
  // Grid lines in the target, the pattern on a transparent offscreen copied over them.
  context->setFrameColor(CColor(90, 95, 105, 255));
  context->drawLine(CPoint(size.left, size.top + 60), CPoint(size.right, size.top + 60));
  context->drawLine(CPoint(size.left + 60, size.top), CPoint(size.left + 60, size.bottom));
  COffscreenContext* offscreen =
      COffscreenContext::create(frame, size.getWidth(), size.getHeight());
  offscreen->setFrameColor(CColor(120, 120, 120, 255));
  offscreen->setDrawMode(kAntiAliasing);
  offscreen->setLineWidth(1.5);
  constexpr int kPoints = 64;
  auto point = [](int i) {
    const float theta = 2.f * std::numbers::pi_v<float> * (static_cast<float>(i) / kPoints);
    const float radius = std::fabs((0.5f + 0.5f * std::cos(theta)) * 58.f);
    return CPoint(60 + std::sin(theta) * radius, 60 - std::cos(theta) * radius);
  };
  offscreen->moveTo(point(kPoints - 1));
  offscreen->beginDraw();
  for (int i = kPoints - 2; i >= 0; --i) offscreen->lineTo(point(i));
  offscreen->lineTo(point(kPoints - 1));
  offscreen->endDraw();
  offscreen->copyFrom(context, size);
  offscreen->forget();
}

void addDrawing(CFrame* frame) {
  caption(frame, CRect(230, 150, 390, 166), "CDrawContext");
  frame->addView(new Sketch(CRect(230, 170, 400, 250), paintShapes));
  caption(frame, CRect(420, 130, 680, 146), "COffscreenContext copy");
  frame->addView(new Sketch(CRect(420, 150, 540, 270), paintPolar));
}

void addSplash(CFrame* frame) {
  caption(frame, CRect(20, 240, 400, 256), "CSplashScreen: clicked hotspot, overlay shown below");
  Bitmap credits("creditsStereo.png");
  auto* hotspot = new CSplashScreen(CRect(20, 260, 120, 280), nullptr, 30, credits,
                                    CRect(20, 290, 680, 390), CPoint(60, 120));
  frame->addView(hotspot);
  auto* hotspotLabel = new CTextLabel(CRect(20, 260, 120, 280), "hotspot");
  hotspotLabel->setBackColor(CColor(70, 80, 95, 255));
  hotspotLabel->setMouseEnabled(false);
  frame->addView(hotspotLabel);
  CPoint where(30, 270);
  frame->platformOnMouseDown(where, kLButton);
}

}  // namespace

void buildDemoPanel(CFrame* frame) {
  frame->setBackgroundColor(kPanelColour);
  addMeters(frame);
  addButtons(frame);
  addLabels(frame);
  addBitmapViews(frame);
  addDrawing(frame);
  addSplash(frame);
}

}  // namespace snapshot
