#include "common/amount.h"

#include <cstdlib>
#include <limits>

namespace ej {
namespace {

using Wide = __int128;

// Rounds numerator / denominator to the nearest integer, ties away from zero.
Wide DivideRounded(Wide numerator, Wide denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  const bool negative = numerator < 0;
  const Wide magnitude = negative ? -numerator : numerator;
  const Wide exact = magnitude / denominator;
  const Wide remainder = magnitude % denominator;
  const Wide rounded = (remainder * 2 >= denominator) ? exact + 1 : exact;
  return negative ? -rounded : rounded;
}

Amount Clamp(Wide raw) {
  if (raw > std::numeric_limits<int64_t>::max() || raw < std::numeric_limits<int64_t>::min()) {
    return Amount();
  }
  return Amount::FromRaw(static_cast<int64_t>(raw));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Amount ParseAmount(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  size_t end = text.size();
  while (end > pos && text[end - 1] == ' ') --end;
  text = text.substr(pos, end - pos);

  bool negative = false;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  Wide units = 0;
  int digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    units = units * 10 + (text[i] - '0');
    if (units > std::numeric_limits<int64_t>::max()) return Amount();
  }
  Wide fraction = 0;
  int decimals = 0;
  bool roundUp = false;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits, ++decimals) {
      if (decimals < 4) {
        fraction = fraction * 10 + (text[i] - '0');
      } else if (decimals == 4) {
        roundUp = text[i] >= '5';
      }
    }
  }
  if (i != text.size() || digits == 0) return Amount();
  for (int d = decimals; d < 4; ++d) fraction *= 10;
  Wide raw = units * Amount::kScale + fraction + (roundUp ? 1 : 0);
  return Clamp(negative ? -raw : raw);
}

Amount MulDiv(Amount a, Amount b, int64_t divisor) {
  const Wide product = static_cast<Wide>(a.Raw()) * b.Raw();
  return Clamp(DivideRounded(product, static_cast<Wide>(divisor) * Amount::kScale));
}

Amount PercentOf(Amount a, Amount b) {
  const Wide numerator = static_cast<Wide>(a.Raw()) * 100 * Amount::kScale;
  return Clamp(DivideRounded(numerator, b.Raw()));
}

Amount RoundAmount(Amount value, int decimals) {
  Wide step = 1;
  for (int d = decimals; d < 4; ++d) step *= 10;
  return Clamp(DivideRounded(value.Raw(), step) * step);
}

std::string FormatAmount(Amount value, int decimals) {
  Wide step = 1;
  for (int d = decimals; d < 4; ++d) step *= 10;
  Wide scaled = DivideRounded(value.Raw(), step);
  const bool negative = scaled < 0;
  if (negative) scaled = -scaled;
  Wide unitScale = 1;
  for (int d = 0; d < decimals; ++d) unitScale *= 10;
  const Wide units = scaled / unitScale;
  Wide fraction = scaled % unitScale;

  std::string integral;
  Wide rest = units;
  do {
    integral.insert(integral.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    rest /= 10;
  } while (rest != 0);
  std::string text = negative ? "-" + integral : integral;
  if (decimals > 0) {
    std::string digits(static_cast<size_t>(decimals), '0');
    for (int d = decimals - 1; d >= 0; --d) {
      digits[static_cast<size_t>(d)] = static_cast<char>('0' + static_cast<int>(fraction % 10));
      fraction /= 10;
    }
    text += "." + digits;
  }
  return text;
}

}  // namespace ej
