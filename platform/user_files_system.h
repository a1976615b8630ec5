#pragma once
// What platform/user_files.cpp needs of the system it runs on (platform/<system>/user_files.cpp).

#include <cstdio>
#include <filesystem>
#include <string>

namespace platform::system {

// fopen with the system's own file names (wide on Windows).
FILE* openFile(const std::filesystem::path& path, bool forWriting);
void removeFile(const std::filesystem::path& path);
// Makes the written file durable before it is renamed; false when the system says it failed.
bool flushToDisk(FILE* file);
// Renames `from` over `to`, replacing it; false with the system's reason.
bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::string& reason);
// Tells this process's temporary files from another's.
std::string processTag();

}  // namespace platform::system
