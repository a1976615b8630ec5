#include "tools/render/report_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace render {

ReportOutput::ReportOutput() : fallback_(std::cout) {
  std::fflush(stdout);
  savedStandardOutput_ = dup(STDOUT_FILENO);
  const int reportDescriptor = savedStandardOutput_ >= 0 ? dup(savedStandardOutput_) : -1;
  const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (reportDescriptor < 0 || nowhere < 0) {
    // Without spare descriptors the plug-in's lines simply share standard output.
    if (reportDescriptor >= 0) close(reportDescriptor);
    if (nowhere >= 0) close(nowhere);
    return;
  }
  dup2(nowhere, STDOUT_FILENO);
  close(nowhere);
  buffer_ = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(reportDescriptor, std::ios::out);
  stream_ = std::make_unique<std::ostream>(buffer_.get());
}

ReportOutput::~ReportOutput() {
  if (stream_) stream_->flush();
  std::fflush(stdout);
  if (savedStandardOutput_ >= 0) {
    dup2(savedStandardOutput_, STDOUT_FILENO);
    close(savedStandardOutput_);
  }
}

void ReportOutput::showPluginLines() {
  if (!stream_) return;
  std::fflush(stdout);
  dup2(STDERR_FILENO, STDOUT_FILENO);
}

}  // namespace render
