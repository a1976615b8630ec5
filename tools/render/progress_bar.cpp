#include "tools/render/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <string>

namespace render {

namespace {
constexpr int kBarWidth = 40;
constexpr std::chrono::milliseconds kRedrawInterval{50};
}  // namespace

ProgressBar::ProgressBar(std::FILE* stream, bool enabled, double sampleRate)
    : stream_(stream), active_(enabled && isatty(fileno(stream)) != 0), sampleRate_(sampleRate) {}

ProgressBar::~ProgressBar() { finish(); }

void ProgressBar::update(std::int64_t done, std::int64_t total) {
  if (!active_) return;
  const int permille =
      total > 0 ? static_cast<int>(std::clamp<std::int64_t>(done * 1000 / total, 0, 1000)) : 1000;
  const auto now = std::chrono::steady_clock::now();
  if (permille == shownPermille_ || (permille < 1000 && drawn_ && now - shownAt_ < kRedrawInterval))
    return;
  shownPermille_ = permille;
  shownAt_ = now;
  const int filled = permille * kBarWidth / 1000;
  const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                          std::string(static_cast<std::size_t>(kBarWidth - filled), '.');
  std::fprintf(stream_, "\r[%s] %5.1f%%  %.1f of %.1f s", bar.c_str(), permille / 10.0,
               done / sampleRate_, total / sampleRate_);
  std::fflush(stream_);
  drawn_ = true;
}

void ProgressBar::finish() {
  if (!drawn_) return;
  std::fprintf(stream_, "\r\033[K");
  std::fflush(stream_);
  drawn_ = false;
}

}  // namespace render
