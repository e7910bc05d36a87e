#include "common/integer.h"

#include <limits>
#include <string>

#include "common/journal_error.h"

namespace ej {

std::optional<int32_t> TryParseInteger(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t ParseInteger(std::string_view text) { return TryParseInteger(text).value_or(0); }

int32_t StrToInt(std::string_view text) {
  if (auto value = TryParseInteger(text)) return *value;
  throw JournalError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace ej
