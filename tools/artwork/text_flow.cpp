#include "tools/artwork/text_flow.h"

#include <cmath>
#include <string>
#include <vector>

namespace artwork {
namespace {

struct Run {
  std::string text;
  bool bold;
};

// A word is what lies between spaces; it may switch between regular and bold.
struct Word {
  std::vector<Run> runs;
  bool breakBefore = false;  // a "\n" came before it
};

std::vector<Word> splitWords(std::string_view text) {
  std::vector<Word> words;
  Word current;
  bool bold = false;
  bool pendingBreak = false;
  auto finish = [&] {
    if (!current.runs.empty()) {
      current.breakBefore = pendingBreak;
      pendingBreak = false;
      words.push_back(std::move(current));
    }
    current = Word{};
  };
  for (char c : text) {
    if (c == ' ' || c == '\n') {
      finish();
      if (c == '\n') pendingBreak = true;
    } else if (c == '*') {
      bold = !bold;
    } else {
      if (current.runs.empty() || current.runs.back().bold != bold)
        current.runs.push_back({"", bold});
      current.runs.back().text += c;
    }
  }
  finish();
  return words;
}

}  // namespace

double flowText(Canvas& canvas, const FlowStyle& style, double x, double top, double width,
                std::string_view text) {
  const std::vector<Word> words = splitWords(text);
  const double space = canvas.textWidth(style.regular, " ");
  const double ascent = std::round(style.lineHeight * 0.78);
  double lineTop = top;
  double pen = x;
  bool lineEmpty = true;
  for (const Word& word : words) {
    double wordWidth = 0;
    for (const Run& run : word.runs)
      wordWidth += canvas.textWidth(run.bold ? style.bold : style.regular, run.text);
    const bool overflows = !lineEmpty && pen + space + wordWidth > x + width;
    if (word.breakBefore || overflows) {
      lineTop += style.lineHeight;
      pen = x;
      lineEmpty = true;
    }
    if (!lineEmpty) pen += space;
    for (const Run& run : word.runs)
      pen += canvas.text(run.bold ? style.bold : style.regular, pen, lineTop + ascent, Align::Left,
                         run.text);
    lineEmpty = false;
  }
  return lineTop + style.lineHeight;
}

}  // namespace artwork
