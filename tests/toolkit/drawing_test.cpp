#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "platform/diagnostics.h"
#include "toolkit/platform/font_faces.h"
#include "toolkit_fixture.h"

namespace {

using namespace toolkit_test;

// Channels within a small tolerance: anti-aliasing and premultiplication round.
::testing::AssertionResult near(const CColor& actual, const CColor& expected, int tolerance = 2) {
  auto off = [&](int a, int b) { return std::abs(a - b) > tolerance; };
  if (off(actual.red, expected.red) || off(actual.green, expected.green) ||
      off(actual.blue, expected.blue) || off(actual.alpha, expected.alpha))
    return ::testing::AssertionFailure()
           << "(" << int(actual.red) << ", " << int(actual.green) << ", " << int(actual.blue)
           << ", " << int(actual.alpha) << ")";
  return ::testing::AssertionSuccess();
}

TEST(Drawing, RectanglesFillAndOutlineInsideTheirBounds) {
  OffscreenFrame frame;
  frame->addView(new PaintedView(CRect(0, 0, 100, 100), [](CDrawContext* context, const CRect&) {
    context->setFillColor(kRedCColor);
    context->drawRect(CRect(2, 2, 6, 6), kDrawFilled);
    context->setFrameColor(kWhiteCColor);
    context->drawRect(CRect(10, 10, 20, 20));
    context->setFillColor(kGreenCColor);
    context->drawRect(CRect(30, 30, 40, 40), kDrawFilledAndStroked);
  }));
  EXPECT_EQ(frame.pixel(2, 2), kRedCColor);
  EXPECT_EQ(frame.pixel(5, 5), kRedCColor);
  EXPECT_EQ(frame.pixel(6, 6), kBackground);
  EXPECT_EQ(frame.pixel(10, 10), kWhiteCColor);
  EXPECT_EQ(frame.pixel(19, 15), kWhiteCColor);
  EXPECT_EQ(frame.pixel(15, 19), kWhiteCColor);
  EXPECT_EQ(frame.pixel(15, 15), kBackground);
  EXPECT_EQ(frame.pixel(20, 20), kBackground);
  EXPECT_EQ(frame.pixel(30, 30), kWhiteCColor);
  EXPECT_EQ(frame.pixel(35, 35), kGreenCColor);
}

TEST(Drawing, EachLineToStrokesItsSegmentWithTheColourOfTheMoment) {
  OffscreenFrame frame;
  frame->addView(new PaintedView(CRect(0, 0, 100, 100), [](CDrawContext* context, const CRect&) {
    context->moveTo(CPoint(0, 5));
    context->setFrameColor(kRedCColor);
    context->lineTo(CPoint(10, 5));
    context->setFrameColor(kGreenCColor);
    context->lineTo(CPoint(20, 5));
    EXPECT_EQ(context->getPenPosition(), CPoint(20, 5));
    context->setLineWidth(3);
    context->setFrameColor(kWhiteCColor);
    context->drawLine(CPoint(50, 0), CPoint(50, 20));
  }));
  EXPECT_EQ(frame.pixel(5, 5), kRedCColor);
  EXPECT_EQ(frame.pixel(15, 5), kGreenCColor);
  EXPECT_EQ(frame.pixel(15, 6), kBackground);
  EXPECT_EQ(frame.pixel(49, 10), kWhiteCColor);
  EXPECT_EQ(frame.pixel(51, 10), kWhiteCColor);
  EXPECT_EQ(frame.pixel(52, 10), kBackground);
}

TEST(Drawing, DrawingSettingsDoNotLeakFromOneViewToTheNext) {
  OffscreenFrame frame;
  frame->addView(new PaintedView(CRect(0, 0, 50, 50), [](CDrawContext* context, const CRect&) {
    context->setLineWidth(9);
    context->setFrameColor(kRedCColor);
  }));
  frame->addView(new PaintedView(CRect(50, 0, 100, 50), [](CDrawContext* context, const CRect&) {
    EXPECT_EQ(context->getLineWidth(), 1);
    EXPECT_EQ(context->getFrameColor(), kBlackCColor);
    EXPECT_EQ(context->getDrawMode(), kAliasing);
  }));
  frame->idle();
}

TEST(Drawing, OffscreenCopyShowsTheTargetWhereNothingWasDrawn) {
  OffscreenFrame frame;
  frame->addView(
      new PaintedView(CRect(30, 30, 50, 50), [&](CDrawContext* context, const CRect& size) {
        COffscreenContext* offscreen =
            COffscreenContext::create(frame.get(), size.getWidth(), size.getHeight());
        EXPECT_EQ(offscreen->getWidth(), 20);
        offscreen->setFrameColor(kRedCColor);
        offscreen->setDrawMode(kAntiAliasing);
        offscreen->beginDraw();
        offscreen->moveTo(CPoint(0, 10.5));
        offscreen->lineTo(CPoint(20, 10.5));
        offscreen->endDraw();
        offscreen->copyFrom(context, size);
        offscreen->forget();
      }));
  EXPECT_EQ(frame.pixel(35, 40), kRedCColor);
  EXPECT_EQ(frame.pixel(35, 35), kBackground);
  EXPECT_EQ(frame.pixel(49, 49), kBackground);
  EXPECT_EQ(frame.pixel(29, 40), kBackground);  // nothing outside the copied rectangle
}

TEST(Drawing, BitmapsLoadByNameInAnyCaseAndDrawFromASourceOffset) {
  OffscreenFrame frame;
  auto* stack = new CBitmap("STACKEDimages.PNG");
  ASSERT_TRUE(stack->isLoaded());
  EXPECT_EQ(stack->getWidth(), 8);
  EXPECT_EQ(stack->getHeight(), 24);
  frame->addView(
      new PaintedView(CRect(0, 0, 100, 100), [stack](CDrawContext* context, const CRect&) {
        stack->draw(context, CRect(0, 0, 8, 8));                   // the top image
        stack->draw(context, CRect(10, 0, 18, 8), CPoint(0, 8));   // the middle one
        stack->draw(context, CRect(20, 0, 28, 8), CPoint(0, 16));  // the bottom one
        stack->draw(context, CRect(30, 0, 38, 8), CPoint(0, 16), 0.5f);
        stack->draw(context, CRect(40, 0, 48, 30), CPoint(0, 16));  // nothing below the image's end
      }));
  EXPECT_EQ(frame.pixel(4, 4), kStackRed);
  EXPECT_EQ(frame.pixel(7, 7), kStackRed);
  EXPECT_EQ(frame.pixel(14, 0), kStackGreen);
  EXPECT_EQ(frame.pixel(17, 7), kStackGreen);
  EXPECT_EQ(frame.pixel(20, 0), kStackBlue);
  EXPECT_EQ(frame.pixel(27, 7), kStackBlue);
  EXPECT_TRUE(near(frame.pixel(34, 4), CColor(0, 0, 148, 255)));  // half blue over the background
  EXPECT_EQ(frame.pixel(44, 7), kStackBlue);
  EXPECT_EQ(frame.pixel(44, 8), kBackground);
  stack->forget();
}

TEST(Drawing, MissingOrDamagedBitmapsDrawNothingAndSaySo) {
  diag::takeLines();
  auto* missing = new CBitmap("noSuchBitmap.png");
  auto* broken = new CBitmap("broken.png");
  EXPECT_FALSE(missing->isLoaded());
  EXPECT_FALSE(broken->isLoaded());
  EXPECT_EQ(missing->getWidth(), 0);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("noSuchBitmap.png"), std::string::npos);
  EXPECT_NE(lines[1].find("broken.png"), std::string::npos);

  OffscreenFrame frame;
  auto* view = new CView(CRect(0, 0, 10, 10));
  view->setBackground(broken);
  frame->addView(view);
  EXPECT_EQ(frame.pixel(5, 5), kBackground);
  missing->forget();
  broken->forget();
}

// The text "0.50 @ 1kHz" in white on black, as a label draws it.
std::vector<CColor> renderText(const char* family, int32_t style = kNormalFace) {
  OffscreenFrame frame(CRect(0, 0, 80, 20));
  auto* label = new CTextLabel(CRect(0, 0, 80, 20), "0.50 @ 1kHz");
  auto* font = new CFontDesc(family, 10, style);
  label->setFont(font);
  font->forget();
  label->setFontColor(kWhiteCColor);
  label->setBackColor(kBlackCColor);
  label->setStyle(kNoFrame);
  frame->addView(label);
  std::vector<CColor> pixels;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 80; ++x) pixels.push_back(frame.pixel(x, y));
  return pixels;
}

int inkOf(const std::vector<CColor>& pixels) {
  int inked = 0;
  for (const CColor& pixel : pixels) inked += pixel.red > 128 ? 1 : 0;
  return inked;
}

TEST(Drawing, TextInAMissingFamilyDrawsWithTheEmbeddedSansFace) {
  const auto verdana = renderText("Verdana");
  const auto dejaVu = renderText("DejaVu Sans");
  EXPECT_EQ(verdana, dejaVu);
  EXPECT_GT(inkOf(verdana), 40);  // the text is there
}

TEST(Drawing, StylesThatAreNotEmbeddedAreMadeFromTheSansFace) {
  // Only DejaVuSans.ttf is embedded; bold and oblique are cairo's renderings of it.
  EXPECT_STREQ(fontResourceFor("Verdana", kBoldFace), "DejaVuSans-Bold.ttf");
  EXPECT_STREQ(fontResourceFor("Courier New", kNormalFace), "DejaVuSansMono.ttf");
  const auto regular = renderText("Verdana");
  const auto bold = renderText("Verdana", kBoldFace);
  const auto italic = renderText("Verdana", kItalicFace);
  EXPECT_GT(inkOf(bold), inkOf(regular) + 20);
  EXPECT_NE(italic, regular);
  EXPECT_GT(inkOf(italic), 40);
  EXPECT_GT(inkOf(renderText("monospace")), 40);  // another family still draws text
}

}  // namespace

namespace {

// A stack of two 4 x 4 images, red over blue, drawn at twice the resolution.
CBitmap* doubleResolutionStack() {
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 16);
  cairo_surface_set_device_scale(image, 2, 2);
  cairo_t* cairo = cairo_create(image);
  cairo_set_source_rgb(cairo, 1, 0, 0);
  cairo_rectangle(cairo, 0, 0, 4, 4);
  cairo_fill(cairo);
  cairo_set_source_rgb(cairo, 0, 0, 1);
  cairo_rectangle(cairo, 0, 4, 4, 4);
  cairo_fill(cairo);
  cairo_destroy(cairo);
  auto* bitmap = new CBitmap(image);
  cairo_surface_destroy(image);
  return bitmap;
}

class ScaledFrame : public ::testing::TestWithParam<double> {};

TEST_P(ScaledFrame, DrawsInItsOwnCoordinatesAndNoFilmstripImageBleedsIntoAnother) {
  const double scale = GetParam();
  OffscreenFrame frame(CRect(0, 0, 20, 10));
  ASSERT_TRUE(frame->setZoom(scale));
  CBitmap* stack = doubleResolutionStack();
  EXPECT_EQ(stack->getWidth(), 4);
  EXPECT_EQ(stack->getHeight(), 8);
  frame->addView(new PaintedView(CRect(0, 0, 20, 10), [stack](CDrawContext* context, const CRect&) {
    context->drawBitmap(stack, CRect(2, 2, 6, 6), CPoint(0, 4));  // the blue image
    context->setFillColor(kGreenCColor);
    context->drawRect(CRect(10, 2, 14, 6), kDrawFilled);
  }));
  auto* offscreen = OffscreenPlatformFrame::of(frame.get());
  frame->idle();
  EXPECT_EQ(offscreen->getWidth(), static_cast<int>(std::lround(20 * scale)));
  for (int y = 0; y < offscreen->getHeight(); ++y)
    for (int x = 0; x < offscreen->getWidth(); ++x)
      EXPECT_LT(offscreen->getPixel(x, y).red, 128) << x << ", " << y << ": red bled in";
  // The panel's point (4, 4) and (12, 4), wherever they land in device pixels.
  EXPECT_TRUE(
      near(frame.pixel(static_cast<int>(4 * scale), static_cast<int>(4 * scale)), kBlueCColor, 8));
  EXPECT_TRUE(
      near(frame.pixel(static_cast<int>(12 * scale), static_cast<int>(4 * scale)), kGreenCColor));
  stack->forget();
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledFrame, ::testing::Values(1.0, 1.5, 2.0, 3.0),
                         [](const ::testing::TestParamInfo<double>& info) {
                           return "Percent" + std::to_string(std::lround(info.param * 100));
                         });

}  // namespace
