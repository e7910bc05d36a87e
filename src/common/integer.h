// Integer reading of journal text: exactly an optional sign and decimal digits, within 32 bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ej {

std::optional<int32_t> TryParseInteger(std::string_view text);

// Lenient reading: text that is not an integer reads 0.
int32_t ParseInteger(std::string_view text);

// Strict conversion; throws JournalError "'TEXT' is not a valid integer value".
int32_t StrToInt(std::string_view text);

}  // namespace ej
