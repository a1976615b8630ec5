#include "toolkit/platform/font_faces.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cctype>
#include <map>
#include <string>

#include "platform/diagnostics.h"
#include "platform/resources.h"
#include "toolkit/cfont.h"

namespace VSTGUI {
namespace {

constexpr const char* kFontResourceType = "FONT";
constexpr const char* kFallbackResource = "DejaVuSans.ttf";

enum class Family { kSans, kMono, kSerif };

bool sameName(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (std::tolower(static_cast<unsigned char>(*a)) !=
        std::tolower(static_cast<unsigned char>(*b)))
      return false;
  return *a == *b;
}

Family familyOf(const char* name) {
  static const char* const mono[] = {"DejaVu Sans Mono", "monospace",      "Courier", "Courier New",
                                     "Consolas",         "Lucida Console", "Menlo",   "Monaco"};
  static const char* const serif[] = {"DejaVu Serif", "serif", "Times", "Times New Roman",
                                      "Georgia"};
  for (const char* candidate : mono)
    if (sameName(name, candidate)) return Family::kMono;
  for (const char* candidate : serif)
    if (sameName(name, candidate)) return Family::kSerif;
  return Family::kSans;
}

const char* fileOf(Family family, bool bold, bool italic) {
  static const std::array<const char*, 4> sans = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf",
                                                  "DejaVuSans-Oblique.ttf",
                                                  "DejaVuSans-BoldOblique.ttf"};
  static const std::array<const char*, 4> mono = {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
                                                  "DejaVuSansMono-Oblique.ttf",
                                                  "DejaVuSansMono-BoldOblique.ttf"};
  static const std::array<const char*, 4> serif = {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf",
                                                   "DejaVuSerif-Italic.ttf",
                                                   "DejaVuSerif-BoldItalic.ttf"};
  const std::size_t index = (bold ? 1 : 0) + (italic ? 2 : 0);
  switch (family) {
    case Family::kMono:
      return mono[index];
    case Family::kSerif:
      return serif[index];
    case Family::kSans:
      break;
  }
  return sans[index];
}

const cairo_user_data_key_t kFreeTypeFaceKey{};

void releaseFreeTypeFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

// The loaded faces, one per resource name (and, for the fallback, per synthesized style).
// Cairo may hold a face longer than the cache (its own caches of scaled fonts); the
// FreeType face goes with cairo's last reference.
class FaceCache {
 public:
  FaceCache() {
    // A static cairo (the Windows build) has no DllMain to set up its locks; creating a
    // pattern does it, and it must happen before the first FreeType font face.
    cairo_pattern_destroy(cairo_pattern_create_rgb(0, 0, 0));
  }
  ~FaceCache() {
    for (auto& entry : faces_)
      if (entry.second) cairo_font_face_destroy(entry.second);
  }

  cairo_font_face_t* get(const char* resourceName, bool bold, bool italic) {
    std::string key = resourceName;
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    cairo_font_face_t* face = load(resourceName, 0);
    if (!face && !sameName(resourceName, kFallbackResource)) {
      // The fallback face, made bold or slanted as asked.
      const unsigned synthesize = (bold ? unsigned{CAIRO_FT_SYNTHESIZE_BOLD} : 0u) |
                                  (italic ? unsigned{CAIRO_FT_SYNTHESIZE_OBLIQUE} : 0u);
      const std::string fallbackKey =
          std::string(kFallbackResource) + "#" + std::to_string(synthesize);
      auto fallback = faces_.find(fallbackKey);
      if (fallback != faces_.end()) {
        face = cairo_font_face_reference(fallback->second);
      } else {
        face = load(kFallbackResource, synthesize);
        faces_.emplace(fallbackKey, face ? cairo_font_face_reference(face) : nullptr);
      }
    }
    faces_.emplace(key, face);  // a face that is missing is not looked for again
    return face;
  }

 private:
  cairo_font_face_t* load(const char* resourceName, unsigned synthesize) {
    platform::Resource resource;
    if (!platform::findResource(resourceName, kFontResourceType, resource)) {
      if (sameName(resourceName, kFallbackResource))
        diag::write("Font '%s' is not embedded; text uses the system's font matching\n",
                    resourceName);
      return nullptr;
    }
    // The library is kept for the life of the process: faces that cairo still holds
    // after the cache has gone need it.
    static FT_Library library = nullptr;
    if (!library && FT_Init_FreeType(&library) != 0) return nullptr;
    // Each face has a FreeType face of its own: cairo shares its font face between
    // callers of one FreeType face, and the synthesized styles must not be shared.
    FT_Face ftFace = nullptr;
    if (FT_New_Memory_Face(library, resource.data, static_cast<FT_Long>(resource.size), 0,
                           &ftFace) != 0) {
      diag::write("Font '%s' is embedded but FreeType cannot read it\n", resourceName);
      return nullptr;
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    if (cairo_font_face_set_user_data(face, &kFreeTypeFaceKey, ftFace, releaseFreeTypeFace) !=
        CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(face);
      FT_Done_Face(ftFace);
      return nullptr;
    }
    if (synthesize != 0) cairo_ft_font_face_set_synthesize(face, synthesize);
    return face;
  }

  std::map<std::string, cairo_font_face_t*> faces_;
};

}  // namespace

const char* fontResourceFor(const char* family, int32_t style) {
  return fileOf(familyOf(family ? family : ""), (style & kBoldFace) != 0,
                (style & kItalicFace) != 0);
}

cairo_font_face_t* fontFaceFor(const char* family, int32_t style) {
  static FaceCache cache;
  return cache.get(fontResourceFor(family, style), (style & kBoldFace) != 0,
                   (style & kItalicFace) != 0);
}

}  // namespace VSTGUI
