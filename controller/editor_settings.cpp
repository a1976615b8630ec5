#include "controller/editor_settings.h"

#include <cstdlib>
#include <string>

#include "controller/editor_zoom.h"
#include "platform/diagnostics.h"
#include "platform/user_files.h"

namespace Steinberg::Vst {
namespace {

constexpr char kFolder[] = "Lobeshift";
constexpr char kFile[] = "editor.conf";
constexpr char kZoomKey[] = "zoom=";
// Far more than the file ever holds; anything larger is not ours.
constexpr std::size_t kLargestFile = 4096;

// The zoom of a "zoom=<percent>" line, or false.
bool zoomOfLine(const std::string& line, double& zoom) {
  if (line.compare(0, sizeof kZoomKey - 1, kZoomKey) != 0) return false;
  const char* digits = line.c_str() + sizeof kZoomKey - 1;
  char* end = nullptr;
  const long percent = std::strtol(digits, &end, 10);
  if (end == digits) return false;
  while (*end == ' ' || *end == '\t' || *end == '\r') ++end;
  return *end == '\0' && zoomOfPercent(percent, zoom);
}

}  // namespace

std::filesystem::path editorSettingsPath() {
  const std::filesystem::path root = platform::userConfigRoot();
  if (root.empty()) return {};
  return root / kFolder / kFile;
}

double readDefaultEditorZoom() {
  const std::filesystem::path path = editorSettingsPath();
  std::string contents;
  if (path.empty() || !platform::readSmallFile(path, kLargestFile, contents))
    return kDefaultEditorZoom;
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    if (end == std::string::npos) end = contents.size();
    double zoom = kDefaultEditorZoom;
    if (zoomOfLine(contents.substr(start, end - start), zoom)) return zoom;
    start = end + 1;
  }
  return kDefaultEditorZoom;
}

bool writeDefaultEditorZoom(double zoom) {
  const std::filesystem::path path = editorSettingsPath();
  if (path.empty()) {
    diag::write("Editor settings: no folder for user settings; the zoom is not kept\n");
    return false;
  }
  std::string error;
  if (!platform::replaceFile(path, kZoomKey + std::to_string(zoomPercent(zoom)) + "\n", error)) {
    diag::write("Editor settings: %s; the zoom is not kept\n", error.c_str());
    return false;
  }
  return true;
}

}  // namespace Steinberg::Vst
