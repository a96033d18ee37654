#include "platform/sys/TextFile.h"

std::vector<String> SplitLines(StringView Text) {
  std::vector<String> lines;
  size_t start = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    const Char c = Text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.emplace_back(Text.substr(start, i - start));
    if (c == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < Text.size()) lines.emplace_back(Text.substr(start));
  return lines;
}
