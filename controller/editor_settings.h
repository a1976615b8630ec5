#pragma once
// The user's default zoom for new editors, in the one file the plug-in writes:
// editor.conf in the folder "Lobeshift" of the user's settings (Linux: $XDG_CONFIG_HOME,
// else ~/.config; Windows: %APPDATA%). A line "zoom=<percent>", one of kEditorZooms.
// Read when a controller starts, written only when the user picks a zoom; main thread only.

#include <filesystem>

namespace Steinberg::Vst {

// Empty when the system names no settings folder.
std::filesystem::path editorSettingsPath();

// The zoom the file holds; kDefaultEditorZoom when it is missing, unreadable or garbled.
double readDefaultEditorZoom();

// Replaces the file (atomically); a failure is one diagnostic line and changes nothing else.
bool writeDefaultEditorZoom(double zoom);

}  // namespace Steinberg::Vst
