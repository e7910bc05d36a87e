// printf-style formatting with the register's conventions:
//   %d   integer; ".4" pads with zeros to at least four digits
//   %s   text; ".10" cuts to ten characters
//   %f   amount; ".2" gives two decimals (default 2), rounded ties away from zero
//   a width right-aligns with blanks, "-" left-aligns; a width never cuts; "%%" is a "%".
// Widths and cuts count bytes, which are characters in the journal's 8-bit code page.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "common/amount.h"

namespace ej {

class FormatArg {
 public:
  FormatArg(int value) : value_(int64_t{value}) {}
  FormatArg(unsigned value) : value_(int64_t{value}) {}
  FormatArg(long value) : value_(int64_t{value}) {}
  FormatArg(long long value) : value_(int64_t{value}) {}
  FormatArg(Amount value) : value_(value) {}
  FormatArg(std::string_view value) : value_(value) {}
  FormatArg(const std::string& value) : value_(std::string_view(value)) {}
  FormatArg(const char* value) : value_(std::string_view(value)) {}

  const std::variant<int64_t, std::string_view, Amount>& Value() const { return value_; }

 private:
  std::variant<int64_t, std::string_view, Amount> value_;
};

// REQUIRES: the pattern's conversions match the arguments in number and kind.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);

}  // namespace ej
