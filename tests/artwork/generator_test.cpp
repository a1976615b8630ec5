// The artwork generator's own parts: fonts, wrapped text and the editor's scales.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "tools/artwork/artwork.h"
#include "tools/artwork/fonts.h"
#include "tools/artwork/geometry.h"
#include "tools/artwork/text_flow.h"

namespace {

using namespace artwork;

class Fonts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(loadFonts(defaultFontDirectory(), error)) << error;
  }
  static void TearDownTestSuite() { unloadFonts(); }
};

// The rightmost column of the canvas with any ink, or -1.
int rightmostInk(const Canvas& canvas) {
  cairo_surface_flush(canvas.surface());
  const unsigned char* data = cairo_image_surface_get_data(canvas.surface());
  const int stride = cairo_image_surface_get_stride(canvas.surface());
  int rightmost = -1;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      std::uint32_t p;
      std::memcpy(&p, data + y * stride + x * 4, sizeof p);
      if ((p >> 24) != 0 && x > rightmost) rightmost = x;
    }
  return rightmost;
}

TEST(ArtworkFonts, AMissingFontFolderIsReportedByFileName) {
  std::string error;
  EXPECT_FALSE(loadFonts("/nonexistent-font-folder", error));
  EXPECT_NE(error.find("/nonexistent-font-folder/DejaVuSans.ttf"), std::string::npos) << error;
  unloadFonts();
}

TEST_F(Fonts, WrappedTextStaysInsideItsWidthAndBreaksWhereAsked) {
  const FlowStyle style{{Font::Condensed, 10.5, rgb(0)}, {Font::CondensedBold, 10.5, rgb(0)}, 13};
  const char* text =
      "*Drag* a handle; *Ctrl* moves it a tenth as far, *Shift* moves all three. "
      "*Alt-click* resets it to cardioid at 50 Hz, 1 kHz or 10 kHz.";
  Canvas wide(400, 200), narrow(400, 200);
  const double wideBottom = flowText(wide, style, 10, 0, 300, text);
  const double narrowBottom = flowText(narrow, style, 10, 0, 120, text);
  EXPECT_LE(rightmostInk(wide), 10 + 300);
  EXPECT_LE(rightmostInk(narrow), 10 + 120);
  EXPECT_GT(narrowBottom, wideBottom);

  Canvas lines(200, 60);
  EXPECT_DOUBLE_EQ(flowText(lines, style, 0, 0, 200, "one line"), 13);
  EXPECT_DOUBLE_EQ(flowText(lines, style, 0, 0, 200, "two\nlines"), 26);
}

TEST_F(Fonts, EveryBitmapDrawsInkInsideItsOwnSize) {
  for (const Piece& piece : pieces()) {
    SCOPED_TRACE(piece.name);
    const auto canvas = renderPiece(piece.name);
    ASSERT_NE(canvas, nullptr);
    ASSERT_TRUE(canvas->ok());
    EXPECT_EQ(canvas->width(), piece.width);
    EXPECT_EQ(canvas->height(), piece.height);
    EXPECT_GE(rightmostInk(*canvas), 0) << "nothing drawn";
  }
  EXPECT_EQ(renderPiece("unknown.png"), nullptr);
}

TEST(ArtworkGeometry, ScalesFollowTheEditorsFormulas) {
  // 580 pixels for three decades from 20 Hz; 1 kHz lands where the Mid handle sits.
  EXPECT_DOUBLE_EQ(geometry::frequencyToX(20), 0);
  EXPECT_NEAR(geometry::frequencyToX(20000), 580, 1e-9);
  EXPECT_NEAR(geometry::frequencyToX(1000), 328.47, 0.01);
  // 7.25 pixels per dB, +20 dB at the top edge; a figure-eight weight of 1 at the bottom.
  EXPECT_DOUBLE_EQ(geometry::levelToY(20), 0);
  EXPECT_DOUBLE_EQ(geometry::levelToY(-20), 290);
  EXPECT_DOUBLE_EQ(geometry::levelToY(0), geometry::weightToY(0.5));
  // Meters: full height at 0 dB, e^-1 of it at -25 dB.
  EXPECT_DOUBLE_EQ(geometry::meterY(0), 86);
  EXPECT_NEAR(geometry::meterY(-25), 86 + 171 * (1 - std::exp(-1.0)), 1e-9);
}

}  // namespace
