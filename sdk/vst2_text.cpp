#include "sdk/vst2_text.h"

#include <cstring>

namespace Steinberg::Vst {

VstIntPtr copyText(void* buffer, const char* text, std::size_t bytes) {
  if (buffer == nullptr || bytes == 0) return 0;
  char* out = static_cast<char*>(buffer);
  const std::size_t length = text != nullptr ? strnlen(text, bytes - 1) : 0;
  if (length > 0) std::memcpy(out, text, length);
  out[length] = '\0';
  return 1;
}

void utf16ToAscii(const char16* text, char* buffer, std::size_t bytes) {
  if (buffer == nullptr || bytes == 0) return;
  std::size_t length = 0;
  for (; text != nullptr && text[length] != 0 && length + 1 < bytes; ++length) {
    const char16 c = text[length];
    buffer[length] = c < 0x80 ? static_cast<char>(c) : '?';
  }
  buffer[length] = '\0';
}

void utf16ToAsciiWords(const char16* text, char* buffer, std::size_t bytes) {
  utf16ToAscii(text, buffer, bytes);
  if (buffer == nullptr || bytes == 0) return;
  const std::size_t length = std::strlen(buffer);
  if (text == nullptr || text[length] == 0) return;  // it all fitted
  // Cut before the word the buffer ended in, and the spaces before it.
  std::size_t end = length;
  while (end > 0 && buffer[end] != ' ' && text[end] != ' ') --end;
  while (end > 0 && buffer[end - 1] == ' ') --end;
  if (end > 0) buffer[end] = '\0';
}

}  // namespace Steinberg::Vst
