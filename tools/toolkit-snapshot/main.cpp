// toolkit-snapshot [file.png]: renders the toolkit's demo panel offscreen and writes
// it as a PNG (default "toolkit-snapshot.png").

#include <cstdio>

#include "platform/diagnostics.h"
#include "toolkit/platform/offscreen_frame.h"
#include "tools/toolkit-snapshot/demo_panel.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: %s [file.png]\n", argv[0]);
    return 2;
  }
  const char* path = argc == 2 ? argv[1] : "toolkit-snapshot.png";
  auto* frame = new VSTGUI::CFrame(
      VSTGUI::CRect(0, 0, snapshot::kPanelWidth, snapshot::kPanelHeight), nullptr);
  if (!frame->open(nullptr, VSTGUI::kOffscreen)) {
    std::fprintf(stderr, "cannot open an offscreen frame\n");
    frame->forget();
    return 1;
  }
  snapshot::buildDemoPanel(frame);
  frame->idle();
  const bool written = VSTGUI::OffscreenPlatformFrame::of(frame)->writePNG(path);
  frame->close();
  diag::flush();
  if (!written) return 1;
  std::printf("%s\n", path);
  return 0;
}
