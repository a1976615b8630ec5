#pragma once
// The VST 2 ABI as FST's free headers describe it (Debian package fst-dev), and the
// few sizes our wrapper relies on that those headers leave unnamed.

// The headers mark their own open questions with #warning lines for GCC and clang,
// which no pragma silences; they are FST's to settle, not build failures of ours. The
// headers are read as by another compiler, so those lines stay out.
#pragma push_macro("__GNUC__")
#pragma push_macro("__clang__")
#undef __GNUC__
#undef __clang__
#include <fst.h>
#pragma pop_macro("__clang__")
#pragma pop_macro("__GNUC__")

#include <cstddef>

namespace Steinberg::Vst::Vst2 {

// Text buffers the wrapper fills, terminator included. Hosts give at least these.
constexpr std::size_t kEffectNameBytes = 32;
constexpr std::size_t kVendorTextBytes = 64;
constexpr std::size_t kParameterNameBytes = 24;  // hosts allow more than the historic 8
// A parameter's display and label: the 8 characters of the convention and the
// terminator, which is what the SDK's own copy writes into a host's buffer.
constexpr std::size_t kParameterTextBytes = 9;
// A program's name: the 24 characters of the convention and the terminator.
constexpr std::size_t kProgramNameBytes = 25;
constexpr std::size_t kPinLabelBytes = 64;
constexpr std::size_t kPinShortLabelBytes = 8;

// effCanDo answers.
constexpr VstIntPtr kCanDoYes = 1;
constexpr VstIntPtr kCanDoNo = -1;
constexpr VstIntPtr kCanDoUnknown = 0;

}  // namespace Steinberg::Vst::Vst2
