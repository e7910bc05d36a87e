// Readers of values that stand at the end of a day-file line. None of them trims its line.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/amount.h"

namespace ej {

// The integer value of the line's last word; 0 when it is empty or not an integer.
int32_t TrailingInteger(std::string_view line);

// The last word with every "%" dropped, read as an amount (23.00% gives 23.0000).
Amount TrailingRate(std::string_view line);

// The last word read as an amount; 0 when it is not a number.
Amount TrailingAmount(std::string_view line);

}  // namespace ej
