#pragma once
// Font faces for text drawing, read from the installed DejaVu files through FreeType.
//
// Family names map to the closest DejaVu family: sans-serif names ("Verdana", "Arial",
// "Helvetica", ... and any family not known here) to DejaVu Sans, monospaced ones to
// DejaVu Sans Mono, serif ones to DejaVu Serif. Reading the files directly keeps text
// identical on every machine with the fonts, whatever its font configuration says.

#include <cstdint>

typedef struct _cairo_font_face cairo_font_face_t;

namespace VSTGUI {

// The face for a family and a CTxtFace style (bold and italic count), or nullptr when
// the font files are not installed, in which case the caller asks the system's font
// matching by name instead. The face stays owned by the cache.
cairo_font_face_t* fontFaceFor(const char* family, int32_t style);

}  // namespace VSTGUI
