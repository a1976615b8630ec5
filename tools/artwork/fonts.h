#pragma once
// The typefaces of the artwork. They are loaded from their font files through
// FreeType, so the rendering does not depend on the machine's fontconfig setup and
// the generator reproduces its bitmaps exactly.

#include <cairo.h>

#include <string>

namespace artwork {

enum class Font { Regular, Bold, Condensed, CondensedBold };

// Loads every face from `directory`; on failure returns false and says which file
// could not be read.
bool loadFonts(const std::string& directory, std::string& error);
// The folder the build was configured with.
const char* defaultFontDirectory();
// Releases the faces and cairo's caches; call once after the last drawing.
void unloadFonts();

// The loaded face; null before loadFonts succeeded.
cairo_font_face_t* fontFace(Font font);

}  // namespace artwork
