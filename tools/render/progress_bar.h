#pragma once
// A one-line progress bar on a terminal: redrawn in place, at most every 50 ms and
// only when what it shows changes, and cleared when the work is done.

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace render {

class ProgressBar {
 public:
  // Draws only when `enabled` and the stream is a terminal.
  ProgressBar(std::FILE* stream, bool enabled, double sampleRate);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  bool active() const { return active_; }
  void update(std::int64_t done, std::int64_t total);
  // Removes the bar so the next line starts clean.
  void finish();

 private:
  std::FILE* stream_;
  bool active_;
  double sampleRate_;
  int shownPermille_ = -1;
  std::chrono::steady_clock::time_point shownAt_{};
  bool drawn_ = false;
};

}  // namespace render
