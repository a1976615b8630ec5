#include "tools/artwork/fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>

namespace artwork {
namespace {

constexpr std::array<const char*, 4> kFiles = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf",
                                               "DejaVuSansCondensed.ttf",
                                               "DejaVuSansCondensed-Bold.ttf"};

FT_Library library = nullptr;
std::array<cairo_font_face_t*, kFiles.size()> faces{};
const cairo_user_data_key_t kFaceKey{};

void releaseFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

}  // namespace

const char* defaultFontDirectory() { return LOBESHIFT_FONT_DIR; }

bool loadFonts(const std::string& directory, std::string& error) {
  if (library == nullptr && FT_Init_FreeType(&library) != 0) {
    library = nullptr;
    error = "FreeType could not be initialised";
    return false;
  }
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    if (faces[i] != nullptr) continue;
    const std::string path = directory + "/" + kFiles[i];
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
      error = "cannot read font file " + path;
      return false;
    }
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    // cairo may keep the face in its caches after we drop it, so the FreeType face
    // is released by cairo when the last reference goes.
    if (cairo_font_face_set_user_data(cairoFace, &kFaceKey, face, releaseFace) !=
        CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(cairoFace);
      FT_Done_Face(face);
      error = "cairo could not take font " + path;
      return false;
    }
    faces[i] = cairoFace;
  }
  return true;
}

void unloadFonts() {
  for (auto& face : faces) {
    if (face != nullptr) cairo_font_face_destroy(face);
    face = nullptr;
  }
  cairo_debug_reset_static_data();
  if (library != nullptr) FT_Done_FreeType(library);
  library = nullptr;
}

cairo_font_face_t* fontFace(Font font) { return faces[static_cast<std::size_t>(font)]; }

}  // namespace artwork
