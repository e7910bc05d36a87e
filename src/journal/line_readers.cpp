#include "journal/line_readers.h"

#include <string>

#include "common/integer.h"
#include "common/text.h"

namespace ej {

int32_t TrailingInteger(std::string_view line) { return ParseInteger(LastWord(line)); }

Amount TrailingRate(std::string_view line) {
  std::string rate;
  for (char c : LastWord(line)) {
    if (c != '%') rate += c;
  }
  return ParseAmount(rate);
}

Amount TrailingAmount(std::string_view line) { return ParseAmount(LastWord(line)); }

}  // namespace ej
