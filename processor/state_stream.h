#pragma once
// The processor state stream: one normalized value per parameter in ID order, each a
// float32 in little-endian byte order, with no header. The processor writes and reads
// it; the edit controller reads it when the host hands it the processor's state.
//
// A stream is untrusted input: a read counts only when the stream reports success
// and delivers all four bytes (some hosts report success with 0 bytes at the end).

#include "pluginterfaces/base/ibstream.h"

// Reads the next value; false when the stream fails or ends before four bytes.
bool readStateValue(Steinberg::IBStream* stream, float& value);

// Reads `count` values; false, with nothing to rely on in `values`, when any read fails.
bool readStateValues(Steinberg::IBStream* stream, float* values, unsigned count);

// Appends a value; false unless the stream takes all four bytes.
bool writeStateValue(Steinberg::IBStream* stream, float value);
