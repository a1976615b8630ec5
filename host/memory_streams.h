#pragma once
// State streams as the host stores them: the bytes an object wrote into a MemoryStream,
// and a fresh stream to read them back from.

#include <vector>

#include "pluginterfaces/base/smartpointer.h"
#include "public.sdk/source/common/memorystream.h"

namespace host {

using StateBytes = std::vector<char>;

// The bytes written into the stream so far.
StateBytes bytesOf(const Steinberg::MemoryStream& stream);

// A new stream holding a copy of the bytes, positioned at its start.
Steinberg::IPtr<Steinberg::MemoryStream> streamOf(const StateBytes& bytes);

}  // namespace host
