#pragma once
// Text into the buffers a VST 2 host hands over: cut to the buffer, always terminated.

#include <cstddef>

#include "pluginterfaces/base/ftypes.h"
#include "sdk/vst2_abi.h"

namespace Steinberg::Vst {

// Copies at most `bytes` - 1 characters and a terminator; 0 for a null buffer, else 1.
VstIntPtr copyText(void* buffer, const char* text, std::size_t bytes);

// UTF-16 text as ASCII ('?' for what ASCII lacks), cut to `bytes` and terminated.
void utf16ToAscii(const char16* text, char* buffer, std::size_t bytes);

// The same, but text longer than the buffer keeps only its leading words that fit
// ("0.50 cardioid" in 8 characters is "0.50"); a first word too long is cut.
void utf16ToAsciiWords(const char16* text, char* buffer, std::size_t bytes);

}  // namespace Steinberg::Vst
