#pragma once
// The few files of a user's own that the plug-in keeps: where this system keeps a user's
// settings, and reading and replacing a small file there. Everything here runs on the
// main thread, never on the audio thread.
//   Linux (platform/linux): $XDG_CONFIG_HOME (an absolute path), else ~/.config.
//   Windows (platform/windows): %APPDATA%; file names are wide, as Windows' own.

#include <cstddef>
#include <filesystem>
#include <string>

namespace platform {

// The folder under which programs keep a user's settings; empty when the system says none.
std::filesystem::path userConfigRoot();

// The whole file, when it exists, can be read and holds at most `limit` bytes.
bool readSmallFile(const std::filesystem::path& path, std::size_t limit, std::string& contents);

// Writes `contents` into a temporary file beside `path` and renames it over `path`, so a
// reader sees the old file or the new one, never half of one; makes the folder first. False,
// with `error` saying what failed, leaving any old file as it was.
bool replaceFile(const std::filesystem::path& path, const std::string& contents,
                 std::string& error);

}  // namespace platform
