#include "tools/polarxml/document_writer.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "tools/polarxml/frequency_grid.h"

namespace polarxml {
namespace {

class DocumentText {
 public:
  // printf-style so that numbers come out in the C locale's fixed notation; a value
  // that rounds to zero from below keeps its sign ("-0.000").
  void line(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length > 0) {
      const std::size_t start = text_.size();
      text_.resize(start + static_cast<std::size_t>(length) + 1);
      std::vsnprintf(text_.data() + start, static_cast<std::size_t>(length) + 1, format, arguments);
      text_.resize(start + static_cast<std::size_t>(length));
    }
    va_end(arguments);
    text_ += "\r\n";
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

void writePolar(DocumentText& out, const char* section, const std::vector<double>& values) {
  out.line("<%s>", section);
  for (std::size_t i = 0; i < values.size(); ++i)
    out.line("<data angle=\"%d\">%.3f</data>", static_cast<int>(i) * kPolarStepDegrees, values[i]);
  out.line("</%s>", section);
}

// Response frequencies are the grid frequencies rounded, right-aligned in five places.
void writeResponse(DocumentText& out, const char* section, const std::vector<double>& levels) {
  out.line("<%s>", section);
  for (std::size_t k = 0; k < levels.size(); ++k)
    out.line("<data frequency=\"%5ld\">%.3f</data>",
             std::lround(gridFrequency(static_cast<int>(k))), levels[k]);
  out.line("</%s>", section);
}

void writeMicrophone(DocumentText& out, const ModelledMicrophone& mic) {
  out.line("<microphone>");
  out.line("<name>%s</name>", mic.name.c_str());
  writePolar(out, "polar100Hz", mic.polar100Hz);
  writePolar(out, "polar1000Hz", mic.polar1000Hz);
  writePolar(out, "polar10000Hz", mic.polar10000Hz);
  writeResponse(out, "freefield", mic.freefield);
  writeResponse(out, "diffusefield", mic.diffusefield);
  out.line("</microphone>");
}

void writeGroup(DocumentText& out, const char* group,
                const std::vector<ModelledMicrophone>& microphones) {
  out.line("<%s>", group);
  for (const ModelledMicrophone& mic : microphones) writeMicrophone(out, mic);
  out.line("</%s>", group);
}

// Filter frequencies are the grid frequencies with the fraction dropped, unpadded.
void writeFilters(DocumentText& out, const std::vector<ModelledFilter>& filters) {
  out.line("<filters>");
  for (const ModelledFilter& filter : filters) {
    out.line("<filter name=\"%s\">", filter.name.c_str());
    for (std::size_t k = 0; k < filter.dB.size(); ++k)
      out.line("<data frequency=\"%ld\">%.6f</data>",
               static_cast<long>(std::floor(gridFrequency(static_cast<int>(k)))), filter.dB[k]);
    out.line("</filter>");
  }
  out.line("</filters>");
}

}  // namespace

std::string writeDocument(const ModelledDocument& document) {
  DocumentText out;
  out.line("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>");
  out.line("<micdata>");
  writeGroup(out, "omni", document.omni);
  writeGroup(out, "eight", document.eight);
  writeFilters(out, document.filters);
  out.line("</micdata>");
  return out.take();
}

}  // namespace polarxml
