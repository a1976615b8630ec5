#pragma once
// Writing a bitmap as a PNG file, in one of two encodings.
//
// Cairo's own writer picks a filter per row and compresses at zlib's default level: that is
// how the 1x bitmaps were first committed, and they keep those bytes. The 2x bitmaps have
// four times the pixels and are decoded whenever an editor opens above 100 %, so they are
// written with no row filters at zlib's best compression: for these flat panels that is both
// the fastest to decode (about half the time of the filtered rows) and the smallest file.
// The pixels are the same either way.

#include <cairo.h>

#include <string>

namespace artwork {

enum class PngEncoding { Cairo, Unfiltered };

// Writes the surface to `path`; on failure returns false with a one-line reason in `error`.
bool writePng(cairo_surface_t* surface, PngEncoding encoding, const std::string& path,
              std::string& error);

}  // namespace artwork
