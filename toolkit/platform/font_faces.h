#pragma once
// Font faces for text drawing: DejaVu font files embedded into the module as resources of
// type "FONT" (resource/CMakeLists.txt), opened from memory with FreeType. The module reads
// no font files and asks no font configuration, so text looks the same on every system.
//
// Family names map to the closest DejaVu family: sans-serif names ("Verdana", "Arial",
// "Helvetica", ... and any family not known here) to DejaVu Sans, monospaced ones to
// DejaVu Sans Mono, serif ones to DejaVu Serif. A face that is not embedded draws with the
// embedded DejaVu Sans, made bold or slanted by cairo as the style asks; the module embeds
// only DejaVuSans.ttf, the one face its editor uses.

#include <cstdint>

typedef struct _cairo_font_face cairo_font_face_t;

namespace VSTGUI {

// The resource name of the embedded face for a family and a CTxtFace style (bold and
// italic count), e.g. "DejaVuSans-Bold.ttf"; whether it is embedded or not.
const char* fontResourceFor(const char* family, int32_t style);

// The face for a family and a style, or nullptr when not even DejaVu Sans is embedded, in
// which case the caller asks the system's font matching by name instead. The face stays
// owned by the cache.
cairo_font_face_t* fontFaceFor(const char* family, int32_t style);

}  // namespace VSTGUI
