#include "common/format.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace ej {
namespace {

struct Spec {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

// Reads one conversion after its "%"; returns the position after its type character.
size_t ReadSpec(std::string_view pattern, size_t pos, Spec& spec) {
  if (pos < pattern.size() && pattern[pos] == '-') {
    spec.leftAlign = true;
    ++pos;
  }
  auto readNumber = [&](int& target) {
    if (pos >= pattern.size() || pattern[pos] < '0' || pattern[pos] > '9') return;
    target = 0;
    while (pos < pattern.size() && pattern[pos] >= '0' && pattern[pos] <= '9') {
      target = target * 10 + (pattern[pos++] - '0');
    }
  };
  readNumber(spec.width);
  if (pos < pattern.size() && pattern[pos] == '.') {
    ++pos;
    spec.precision = 0;
    readNumber(spec.precision);
  }
  if (pos >= pattern.size()) throw std::invalid_argument("Format: unterminated conversion");
  spec.type = pattern[pos];
  return pos + 1;
}

std::string FormatInteger(int64_t value, int precision) {
  const bool negative = value < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  if (precision > static_cast<int>(digits.size())) {
    digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
  }
  return negative ? "-" + digits : digits;
}

std::string Convert(const Spec& spec, const FormatArg& arg) {
  const auto& value = arg.Value();
  switch (spec.type) {
    case 'd':
      if (const auto* number = std::get_if<int64_t>(&value)) {
        return FormatInteger(*number, spec.precision);
      }
      break;
    case 's':
      if (const auto* text = std::get_if<std::string_view>(&value)) {
        std::string_view cut = *text;
        if (spec.precision >= 0 && static_cast<int>(cut.size()) > spec.precision) {
          cut = cut.substr(0, static_cast<size_t>(spec.precision));
        }
        return std::string(cut);
      }
      break;
    case 'f':
      if (const auto* amount = std::get_if<Amount>(&value)) {
        return FormatAmount(*amount, spec.precision < 0 ? 2 : std::min(spec.precision, 4));
      }
      break;
  }
  throw std::invalid_argument("Format: argument does not match its conversion");
}

}  // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
  std::string out;
  auto next = args.begin();
  for (size_t pos = 0; pos < pattern.size();) {
    const char c = pattern[pos];
    if (c != '%') {
      out += c;
      ++pos;
      continue;
    }
    if (pos + 1 < pattern.size() && pattern[pos + 1] == '%') {
      out += '%';
      pos += 2;
      continue;
    }
    Spec spec;
    pos = ReadSpec(pattern, pos + 1, spec);
    if (next == args.end()) throw std::invalid_argument("Format: too few arguments");
    std::string text = Convert(spec, *next++);
    const int padding = spec.width - static_cast<int>(text.size());
    if (padding > 0 && spec.leftAlign) text.append(static_cast<size_t>(padding), ' ');
    if (padding > 0 && !spec.leftAlign) text.insert(0, static_cast<size_t>(padding), ' ');
    out += text;
  }
  return out;
}

}  // namespace ej
