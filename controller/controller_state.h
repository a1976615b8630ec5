#pragma once
// The edit controller's own state, which a host stores in its project beside the
// processor's: the editor's zoom. Twelve bytes, little-endian: the magic "LSed", a format
// version (1), and the zoom as a whole percentage (one of kEditorZooms).
//
// A stream is untrusted input: an empty, short, foreign or newer state, or a zoom that is
// not a choice, is refused and reads as nothing.

#include "pluginterfaces/base/ibstream.h"

namespace Steinberg::Vst {

struct ControllerState {
  double editorZoom = 1.0;
};

// False when the stream does not take all twelve bytes.
bool writeControllerState(IBStream* stream, const ControllerState& state);
// False, leaving `state` as it was, unless the stream holds a whole state of this format.
bool readControllerState(IBStream* stream, ControllerState& state);

}  // namespace Steinberg::Vst
