#pragma once
// Loading the microphone model from the bytes of a microphone document.

#include <cstddef>
#include <memory>

#include "micdata/microphone_data.h"

// Parses exactly `size` bytes of `text` (no terminating zero needed). A document that
// does not parse, or has no "micdata" root, gives an empty model and the line
// "Could not load xml file. Error='...'." on the diagnostics. A group or section that
// ends early ends the load there, keeping what was read before it; an entry the model
// cannot represent (a microphone without a name, a filter without a name attribute,
// a data point without text) is skipped.
std::unique_ptr<MicrophoneData> loadMicrophoneData(const char* text, std::size_t size);

// The failure path: the diagnostic line with this description and an empty model.
std::unique_ptr<MicrophoneData> failedMicrophoneData(const char* description);
