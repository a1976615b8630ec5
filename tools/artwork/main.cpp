// artwork-gen: draws the editor's bitmaps.
//   artwork-gen <folder>
//       writes every bitmap into <folder> (the committed ones live in resource/), each at
//       two resolutions: "name.png" and "name_2x.png", the same drawing at twice the pixels
//   artwork-gen --preview <file.png> [--mono] [--help-overlay | --credits-overlay]
//               [--selector-open]
//       renders the whole 780 x 380 panel with the bitmaps at their places
// Options for both: --fonts <folder> reads the DejaVu fonts from another folder.

#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "toolkit/bitmap_resolutions.h"
#include "tools/artwork/artwork.h"
#include "tools/artwork/png_file.h"
#include "tools/artwork/preview.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: artwork-gen [--fonts <folder>] <output folder>\n"
               "       artwork-gen [--fonts <folder>] --preview <file.png> [--mono]\n"
               "                   [--help-overlay | --credits-overlay] [--selector-open]\n");
  return 2;
}

bool writePiece(const artwork::Piece& piece, double resolution, artwork::PngEncoding encoding,
                const std::string& path) {
  artwork::Canvas canvas(piece.width, piece.height, resolution);
  if (!canvas.ok()) {
    std::fprintf(stderr, "artwork-gen: cannot create a %d x %d surface for %s\n", piece.width,
                 piece.height, piece.name);
    return false;
  }
  piece.draw(canvas);
  std::string error;
  if (!artwork::writePng(canvas.surface(), encoding, path, error)) {
    std::fprintf(stderr, "artwork-gen: cannot write %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  return true;
}

bool writeAll(const std::string& folder) {
  for (const artwork::Piece& piece : artwork::pieces()) {
    if (!writePiece(piece, 1.0, artwork::PngEncoding::Cairo, folder + "/" + piece.name) ||
        !writePiece(piece, VSTGUI::kDoubleResolution, artwork::PngEncoding::Unfiltered,
                    folder + "/" + VSTGUI::doubleResolutionName(piece.name)))
      return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string fonts = artwork::defaultFontDirectory();
  std::string output;
  std::string preview;
  artwork::PreviewOptions options;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--fonts") == 0 && i + 1 < argc) {
      fonts = argv[++i];
    } else if (std::strcmp(arg, "--preview") == 0 && i + 1 < argc) {
      preview = argv[++i];
    } else if (std::strcmp(arg, "--mono") == 0) {
      options.stereo = false;
    } else if (std::strcmp(arg, "--help-overlay") == 0) {
      options.overlay = artwork::Overlay::Help;
    } else if (std::strcmp(arg, "--credits-overlay") == 0) {
      options.overlay = artwork::Overlay::Credits;
    } else if (std::strcmp(arg, "--selector-open") == 0) {
      options.selectorOpen = true;
    } else if (arg[0] != '-' && output.empty()) {
      output = arg;
    } else {
      return usage();
    }
  }
  if (preview.empty() == output.empty()) return usage();

  std::string error;
  bool ok = artwork::loadFonts(fonts, error);
  if (ok) {
    if (preview.empty())
      ok = writeAll(output);
    else
      ok = artwork::writePreview(options, preview, error);
  }
  artwork::unloadFonts();
  if (!ok && !error.empty()) std::fprintf(stderr, "artwork-gen: %s\n", error.c_str());
  return ok ? 0 : 1;
}
