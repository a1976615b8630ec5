// The editor's bitmaps as the modules embed them: present under their names, with
// the sizes and image stacks the editor's views cut them by, lined up with what the
// graph draws over them, and reproduced exactly by the committed generator.

#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/resources.h"
#include "toolkit/bitmap_resolutions.h"

namespace {

struct Expected {
  const char* name;
  int width;
  int height;
  int images;          // stacked vertically
  double imageHeight;  // rows the editor shows of each image
};

// Sizes and stacks the editor's views rely on.
const Expected kBitmaps[] = {
    {"back.png", 780, 380, 1, 380},       {"meterOn.png", 21, 173, 1, 173},
    {"meterOff.png", 21, 173, 1, 173},    {"peakLED.png", 21, 26, 2, 13},
    {"poti.png", 24, 744, 31, 24},        {"onOffButton.png", 52, 39, 2, 17.5},
    {"PreButton.png", 51, 37, 2, 18},     {"PostButton.png", 52, 37, 2, 18},
    {"omniText.png", 56, 32, 2, 16},      {"omniSelector.png", 56, 205, 1, 205},
    {"eightText.png", 56, 32, 2, 16},     {"eightSelector.png", 56, 205, 1, 205},
    {"helpStereo.png", 780, 380, 1, 380}, {"creditsStereo.png", 780, 380, 1, 380},
    {"helpMono.png", 780, 380, 1, 380},   {"creditsMono.png", 780, 380, 1, 380},
    {"gain.png", 32, 11, 1, 11},
};

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

struct MemoryReader {
  const unsigned char* data;
  std::size_t size;
  std::size_t offset = 0;
};

cairo_status_t readFromMemory(void* closure, unsigned char* out, unsigned int length) {
  auto* reader = static_cast<MemoryReader*>(closure);
  if (reader->size - reader->offset < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, reader->data + reader->offset, length);
  reader->offset += length;
  return CAIRO_STATUS_SUCCESS;
}

// The embedded bitmap decoded, or null when it is missing or not a readable PNG.
Surface embedded(const char* name) {
  platform::Resource resource;
  if (!platform::findResource(name, "PNG", resource)) return {nullptr, cairo_surface_destroy};
  MemoryReader reader{resource.data, resource.size};
  Surface surface(cairo_image_surface_create_from_png_stream(readFromMemory, &reader),
                  cairo_surface_destroy);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) surface.reset();
  return surface;
}

// Pixels as premultiplied ARGB words, as cairo keeps them.
std::uint32_t pixel(cairo_surface_t* surface, int x, int y) {
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  std::uint32_t value;
  std::memcpy(&value, data + y * stride + x * 4, sizeof value);
  return value;
}

int brightness(cairo_surface_t* surface, int x, int y) {
  const std::uint32_t p = pixel(surface, x, y);
  return static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF));
}

bool rowsEqual(cairo_surface_t* a, int rowA, cairo_surface_t* b, int rowB) {
  for (int x = 0; x < cairo_image_surface_get_width(a); ++x)
    if (pixel(a, x, rowA) != pixel(b, x, rowB)) return false;
  return true;
}

bool imagesEqual(cairo_surface_t* surface, int topA, int topB, int height) {
  for (int row = 0; row < height; ++row)
    if (!rowsEqual(surface, topA + row, surface, topB + row)) return false;
  return true;
}

TEST(Artwork, EveryBitmapIsEmbeddedWithItsSizeAndImageStack) {
  for (const Expected& bitmap : kBitmaps) {
    SCOPED_TRACE(bitmap.name);
    const Surface surface = embedded(bitmap.name);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(surface.get()), bitmap.width);
    EXPECT_EQ(cairo_image_surface_get_height(surface.get()), bitmap.height);
    // Every image fits; where the stack has no spare rows it divides exactly.
    EXPECT_LE(bitmap.images * bitmap.imageHeight, bitmap.height);
    if (bitmap.height % bitmap.images == 0) {
      EXPECT_EQ(bitmap.height / bitmap.images, bitmap.imageHeight);
    }
  }
  // Each also at twice the resolution, for editors drawn at a factor above 1.
  for (const Expected& bitmap : kBitmaps) {
    const std::string name = VSTGUI::doubleResolutionName(bitmap.name);
    SCOPED_TRACE(name);
    const Surface surface = embedded(name.c_str());
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(surface.get()), 2 * bitmap.width);
    EXPECT_EQ(cairo_image_surface_get_height(surface.get()), 2 * bitmap.height);
  }
  // The editor looks bitmaps up by name without regard to case.
  platform::Resource resource;
  EXPECT_TRUE(platform::findResource("PREBUTTON.PNG", "PNG", resource));
  EXPECT_TRUE(platform::findResource("BACK.PNG", "png", resource));
}

TEST(Artwork, StackedImagesShowDifferentStates) {
  for (const Expected& bitmap : kBitmaps) {
    if (bitmap.images < 2) continue;
    SCOPED_TRACE(bitmap.name);
    const Surface surface = embedded(bitmap.name);
    ASSERT_NE(surface, nullptr);
    // The second image starts where the editor's view offsets to (17.5 rows rounds to 18).
    const int step = static_cast<int>(std::lround(bitmap.imageHeight));
    const int shown = static_cast<int>(std::floor(bitmap.imageHeight));
    for (int image = 1; image < bitmap.images; ++image)
      EXPECT_FALSE(imagesEqual(surface.get(), (image - 1) * step, image * step, shown))
          << "image " << image << " repeats the one before it";
  }
}

TEST(Artwork, MeterSegmentsChangeOnlyAwayFromTheCuts) {
  // The meter cuts between its unlit and lit bitmaps at k/17 of its 171 rows. The
  // row that holds the cut must look the same in both bitmaps: then a cut rounded
  // down, rounded up or blended never slices a segment.
  const Surface on = embedded("meterOn.png");
  const Surface off = embedded("meterOff.png");
  ASSERT_NE(on, nullptr);
  ASSERT_NE(off, nullptr);
  for (int k = 1; k < 17; ++k) {
    const int row = static_cast<int>(std::floor(171.0 * k / 17));
    EXPECT_TRUE(rowsEqual(on.get(), row, off.get(), row)) << "row " << row << " at cut " << k;
  }
  // Between the cuts every segment lights up.
  for (int k = 0; k < 17; ++k) {
    const int middle = static_cast<int>(171.0 * (k + 0.5) / 17);
    EXPECT_GT(brightness(on.get(), 10, middle), brightness(off.get(), 10, middle))
        << "segment " << k;
  }
}

TEST(Artwork, OverlaysAndBackgroundAreOpaque) {
  for (const char* name :
       {"back.png", "helpStereo.png", "helpMono.png", "creditsStereo.png", "creditsMono.png"}) {
    SCOPED_TRACE(name);
    const Surface surface = embedded(name);
    ASSERT_NE(surface, nullptr);
    int seeThrough = 0;
    for (int y = 0; y < 380; ++y)
      for (int x = 0; x < 780; ++x)
        if ((pixel(surface.get(), x, y) >> 24) != 0xFF) ++seeThrough;
    EXPECT_EQ(seeThrough, 0);
  }
}

// The graph lies at (181, 54) in the editor and spans 20 Hz to 20 kHz over 580 pixels
// and +20 to -20 dB over 290; a grid line must fall on the pixel that holds the
// exact position, where the graph draws that frequency or level.
int frequencyColumn(double hz) {
  return static_cast<int>(std::floor(181 + 580 * std::log10(hz / 20) / 3));
}
int levelRow(double dB) { return static_cast<int>(std::floor(54 + 145 - dB * 290 / 40)); }

TEST(Artwork, GraphGridLinesSitWhereTheGraphDrawsTheirValues) {
  const Surface back = embedded("back.png");
  ASSERT_NE(back, nullptr);
  // A row near the top of the plot, clear of the polar plots' rings.
  const int row = 54 + 20;
  for (double hz : {30.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0}) {
    const int column = frequencyColumn(hz);
    SCOPED_TRACE(hz);
    EXPECT_LT(brightness(back.get(), column, row), brightness(back.get(), column - 1, row));
    EXPECT_LT(brightness(back.get(), column, row), brightness(back.get(), column + 1, row));
  }
  // A column between the 20 Hz edge and the 30 Hz line.
  const int column = 181 + 20;
  for (double dB : {15.0, 10.0, 5.0, 0.0, -5.0, -10.0, -15.0}) {
    const int line = levelRow(dB);
    SCOPED_TRACE(dB);
    EXPECT_LT(brightness(back.get(), column, line), brightness(back.get(), column, line - 1));
    EXPECT_LT(brightness(back.get(), column, line), brightness(back.get(), column, line + 1));
  }
}

class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "artwork-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

int runGenerator(const std::string& arguments) {
  const std::string command = std::string("\"") + ARTWORK_GEN + "\" " + arguments + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Artwork, GeneratorReproducesTheCommittedBitmaps) {
  TemporaryFolder folder;
  ASSERT_FALSE(folder.path().empty());
  ASSERT_EQ(runGenerator("\"" + folder.path() + "\""), 0);
  for (const Expected& bitmap : kBitmaps)
    for (int resolution : {1, 2}) {
      const std::string name =
          resolution == 1 ? bitmap.name : VSTGUI::doubleResolutionName(bitmap.name);
      SCOPED_TRACE(name);
      const std::string path = folder.path() + "/" + name;
      const Surface generated(cairo_image_surface_create_from_png(path.c_str()),
                              cairo_surface_destroy);
      ASSERT_EQ(cairo_surface_status(generated.get()), CAIRO_STATUS_SUCCESS) << path;
      const Surface committed = embedded(name.c_str());
      ASSERT_NE(committed, nullptr);
      const int width = resolution * bitmap.width, height = resolution * bitmap.height;
      ASSERT_EQ(cairo_image_surface_get_width(generated.get()), width);
      ASSERT_EQ(cairo_image_surface_get_height(generated.get()), height);
      int differing = 0, firstX = -1, firstY = -1;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          if (pixel(generated.get(), x, y) != pixel(committed.get(), x, y)) {
            if (differing++ == 0) firstX = x, firstY = y;
          }
      EXPECT_EQ(differing, 0) << "first difference at (" << firstX << ", " << firstY
                              << "); rerun artwork-gen into resource/ and commit";
    }
}

TEST(Artwork, GeneratorRejectsMisuseAndRendersThePreview) {
  EXPECT_EQ(runGenerator(""), 2);
  EXPECT_EQ(runGenerator("--no-such-option out"), 2);
  EXPECT_EQ(runGenerator("/nonexistent-folder"), 1);
  TemporaryFolder folder;
  ASSERT_FALSE(folder.path().empty());
  EXPECT_EQ(runGenerator("--fonts /nonexistent-folder \"" + folder.path() + "\""), 1);

  const std::string preview = folder.path() + "/panel.png";
  ASSERT_EQ(runGenerator("--preview \"" + preview + "\" --mono --selector-open"), 0);
  const Surface panel(cairo_image_surface_create_from_png(preview.c_str()), cairo_surface_destroy);
  ASSERT_EQ(cairo_surface_status(panel.get()), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(panel.get()), 780);
  EXPECT_EQ(cairo_image_surface_get_height(panel.get()), 380);
  // The open omni list sits over the background at the selector's place.
  const Surface back = embedded("back.png");
  ASSERT_NE(back, nullptr);
  EXPECT_NE(pixel(panel.get(), 30, 52 + 5 + 24), pixel(back.get(), 30, 52 + 5 + 24));
}

}  // namespace
