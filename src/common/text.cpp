#include "common/text.h"

namespace ej {

std::string_view Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

std::string CenterText(std::string_view text, int width) {
  const int length = static_cast<int>(text.size());
  if (length > width) return std::string(text);
  const int before = (width - length) / 2;
  std::string out(static_cast<size_t>(before), ' ');
  out += text;
  out.append(static_cast<size_t>(width - length - before), ' ');
  return out;
}

int CountOccurrences(std::string_view text, std::string_view pattern) {
  if (pattern.empty() || pattern.size() > text.size()) return 0;
  int count = 0;
  for (size_t pos = text.find(pattern); pos != std::string_view::npos;
       pos = text.find(pattern, pos + 1)) {
    ++count;
  }
  return count;
}

std::string_view LastWord(std::string_view text) {
  const size_t blank = text.rfind(' ');
  return blank == std::string_view::npos ? text : text.substr(blank + 1);
}

bool IsDashLine(std::string_view line) { return Trim(line) == kDashes40; }

std::string_view Mid(std::string_view text, size_t pos, size_t count) {
  if (pos >= text.size()) return {};
  return text.substr(pos, count);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace ej
