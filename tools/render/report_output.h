#pragma once
// Standard output belongs to the tool's report. Plug-ins print their diagnostic lines
// on the process's standard output too (Lobeshift prints a line for every parameter it
// applies), which would bury the report; so the report keeps the real standard output
// through a descriptor of its own, and descriptor 1, where the plug-in's lines go, is
// pointed at /dev/null, or at standard error when the user asks to see them.

#include <ext/stdio_filebuf.h>
#include <memory>
#include <ostream>

namespace render {

class ReportOutput {
 public:
  ReportOutput();
  // Puts descriptor 1 back where it was.
  ~ReportOutput();
  ReportOutput(const ReportOutput&) = delete;
  ReportOutput& operator=(const ReportOutput&) = delete;

  // The real standard output (std::cout when it could not be kept apart).
  std::ostream& stream() { return stream_ ? *stream_ : fallback_; }
  // From now on the plug-in's lines go to standard error.
  void showPluginLines();

 private:
  int savedStandardOutput_ = -1;
  std::unique_ptr<__gnu_cxx::stdio_filebuf<char>> buffer_;
  std::unique_ptr<std::ostream> stream_;
  std::ostream& fallback_;
};

}  // namespace render
