#include "tools/artwork/png_file.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

namespace artwork {
namespace {

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

struct MemoryReader {
  const std::string* bytes;
  std::size_t offset;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (reader->bytes->size() - reader->offset < length) png_error(png, "truncated PNG");
  std::memcpy(out, reader->bytes->data() + reader->offset, length);
  reader->offset += length;
}

// Re-encodes cairo's PNG stream into `file` with no row filters. libpng reports errors by
// long-jumping back to a setjmp, so this function holds no objects with destructors, and
// each setjmp stands alone in its condition, the only places the language allows it.
bool reencodeUnfiltered(const std::string& cairoPng, std::FILE* file) {
  png_structp reader = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop readInfo = reader ? png_create_info_struct(reader) : nullptr;
  png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop writeInfo = writer ? png_create_info_struct(writer) : nullptr;
  auto finish = [&](bool written) {
    png_destroy_write_struct(&writer, &writeInfo);
    png_destroy_read_struct(&reader, &readInfo, nullptr);
    return written;
  };
  if (!readInfo || !writeInfo) return finish(false);
  if (setjmp(png_jmpbuf(reader)) != 0) return finish(false);
  if (setjmp(png_jmpbuf(writer)) != 0) return finish(false);
  MemoryReader source{&cairoPng, 0};
  png_set_read_fn(reader, &source, readFromMemory);
  png_read_png(reader, readInfo, PNG_TRANSFORM_IDENTITY, nullptr);
  png_uint_32 width = 0, height = 0;
  int depth = 0, colourType = 0, interlace = 0, compression = 0, filter = 0;
  png_get_IHDR(reader, readInfo, &width, &height, &depth, &colourType, &interlace, &compression,
               &filter);
  png_init_io(writer, file);
  png_set_IHDR(writer, writeInfo, width, height, depth, colourType, interlace, compression, filter);
  png_set_filter(writer, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(writer, 9);
  png_write_info(writer, writeInfo);
  png_write_image(writer, png_get_rows(reader, readInfo));
  png_write_end(writer, writeInfo);
  return finish(true);
}

}  // namespace

bool writePng(cairo_surface_t* surface, PngEncoding encoding, const std::string& path,
              std::string& error) {
  if (encoding == PngEncoding::Cairo) {
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) error = cairo_status_to_string(status);
    return status == CAIRO_STATUS_SUCCESS;
  }
  std::string cairoPng;
  const cairo_status_t status =
      cairo_surface_write_to_png_stream(surface, appendToString, &cairoPng);
  if (status != CAIRO_STATUS_SUCCESS) {
    error = cairo_status_to_string(status);
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    error = std::strerror(errno);
    return false;
  }
  const bool encoded = reencodeUnfiltered(cairoPng, file);
  const bool closed = std::fclose(file) == 0;
  if (!encoded || !closed) {
    error = encoded ? "the file could not be completed" : "libpng could not re-encode the image";
    std::remove(path.c_str());
    return false;
  }
  return true;
}

}  // namespace artwork
