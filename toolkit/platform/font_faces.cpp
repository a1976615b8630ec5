#include "toolkit/platform/font_faces.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <strings.h>

#include <array>
#include <map>
#include <string>
#include <utility>

#include "platform/diagnostics.h"
#include "toolkit/cfont.h"

namespace VSTGUI {
namespace {

constexpr const char* kFontDirectory = "/usr/share/fonts/truetype/dejavu/";

enum class Family { kSans, kMono, kSerif };

Family familyOf(const char* name) {
  static const char* const mono[] = {"DejaVu Sans Mono", "monospace", "Courier", "Courier New", "Consolas",
                                     "Lucida Console", "Menlo", "Monaco"};
  static const char* const serif[] = {"DejaVu Serif", "serif", "Times", "Times New Roman", "Georgia"};
  for (const char* candidate : mono)
    if (strcasecmp(name, candidate) == 0) return Family::kMono;
  for (const char* candidate : serif)
    if (strcasecmp(name, candidate) == 0) return Family::kSerif;
  return Family::kSans;
}

const char* fileOf(Family family, bool bold, bool italic) {
  static const std::array<const char*, 4> sans = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                                                  "DejaVuSans-BoldOblique.ttf"};
  static const std::array<const char*, 4> mono = {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
                                                  "DejaVuSansMono-Oblique.ttf", "DejaVuSansMono-BoldOblique.ttf"};
  static const std::array<const char*, 4> serif = {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf",
                                                   "DejaVuSerif-BoldItalic.ttf"};
  const std::size_t index = (bold ? 1 : 0) + (italic ? 2 : 0);
  switch (family) {
    case Family::kMono: return mono[index];
    case Family::kSerif: return serif[index];
    case Family::kSans: break;
  }
  return sans[index];
}

const cairo_user_data_key_t kFreeTypeFaceKey{};

void releaseFreeTypeFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

// The loaded faces, one per file. Cairo may hold a face longer than the cache (its
// own caches of scaled fonts); the FreeType face goes with cairo's last reference.
class FaceCache {
 public:
  ~FaceCache() {
    for (auto& entry : faces_)
      if (entry.second) cairo_font_face_destroy(entry.second);
  }

  cairo_font_face_t* get(const char* file) {
    auto found = faces_.find(file);
    if (found != faces_.end()) return found->second;
    cairo_font_face_t* face = load(file);
    faces_.emplace(file, face);  // a file that failed is not tried again
    return face;
  }

 private:
  cairo_font_face_t* load(const char* file) {
    // The library is kept for the life of the process: faces that cairo still holds
    // after the cache has gone need it.
    static FT_Library library = nullptr;
    if (!library && FT_Init_FreeType(&library) != 0) return nullptr;
    const std::string path = std::string(kFontDirectory) + file;
    FT_Face ftFace = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &ftFace) != 0) {
      diag::write("Font file '%s' is missing; text uses the system's font matching\n", path.c_str());
      return nullptr;
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    if (cairo_font_face_set_user_data(face, &kFreeTypeFaceKey, ftFace, releaseFreeTypeFace) != CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(face);
      FT_Done_Face(ftFace);
      return nullptr;
    }
    return face;
  }

  std::map<std::string, cairo_font_face_t*> faces_;
};

}  // namespace

cairo_font_face_t* fontFaceFor(const char* family, int32_t style) {
  static FaceCache cache;
  return cache.get(fileOf(familyOf(family ? family : ""), (style & kBoldFace) != 0, (style & kItalicFace) != 0));
}

}  // namespace VSTGUI
