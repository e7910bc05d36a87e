// Fixed-point money, quantities and VAT rates: the value times 10000 in a signed 64-bit integer.
// No binary floating point ever touches an amount.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace ej {

class Amount {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Amount() = default;
  static constexpr Amount FromRaw(int64_t raw) { return Amount(raw); }
  static constexpr Amount FromUnits(int64_t units) { return Amount(units * kScale); }

  constexpr int64_t Raw() const { return raw_; }
  constexpr bool IsZero() const { return raw_ == 0; }

  constexpr Amount operator+(Amount other) const { return Amount(raw_ + other.raw_); }
  constexpr Amount operator-(Amount other) const { return Amount(raw_ - other.raw_); }
  constexpr Amount& operator+=(Amount other) { raw_ += other.raw_; return *this; }
  constexpr auto operator<=>(const Amount&) const = default;

 private:
  constexpr explicit Amount(int64_t raw) : raw_(raw) {}
  int64_t raw_ = 0;
};

// Reads optional blanks, an optional sign, digits with an optional "." and decimals (at least one
// digit in all) and optional blanks. More than four decimals round to four, ties away from zero.
// Anything else, or a value out of range, reads 0.
Amount ParseAmount(std::string_view text);

// a * b / divisor computed exactly and rounded once to the nearest 0.0001, ties away from zero.
// REQUIRES: divisor != 0.
Amount MulDiv(Amount a, Amount b, int64_t divisor);

// a / b * 100 (a percentage share) rounded once to the nearest 0.0001, ties away from zero.
// REQUIRES: b is not zero.
Amount PercentOf(Amount a, Amount b);

// The amount with `decimals` (0 to 4) decimals, rounded ties away from zero, "." as separator,
// no thousands separator, "-" for negatives; a value that rounds to zero has no sign.
std::string FormatAmount(Amount value, int decimals);

// The amount rounded to `decimals` decimals, as FormatAmount would print it.
Amount RoundAmount(Amount value, int decimals);

}  // namespace ej
