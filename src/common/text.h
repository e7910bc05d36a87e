// Text helpers for 8-bit journal text (Windows-1250 bytes), compared byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ej {

// The 40 EN DASH characters (byte 0x96) that separate sections of a printout.
inline constexpr std::string_view kDashes40 =
    "\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96"
    "\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96\x96";

// Journal lines are printed 42 columns wide.
inline constexpr int kLineWidth = 42;

// Removes every leading and trailing character with a code from 0 to 32.
std::string_view Trim(std::string_view text);

// A text longer than `width` unchanged; otherwise (width - length) / 2 blanks, the text and
// blanks up to `width` (the odd blank goes to the right).
std::string CenterText(std::string_view text, int width = kLineWidth);

// A string of exactly the array's length, every character copied.
template <size_t N>
std::string CharsToString(const char (&chars)[N]) {
  return std::string(chars, N);
}

// Positions at which `pattern` occurs in `text`, overlapping ones counted; 0 for an empty pattern.
int CountOccurrences(std::string_view text, std::string_view pattern);

// The characters after the last blank (code 32) up to the end; the whole text without a blank.
std::string_view LastWord(std::string_view text);

// The line trimmed equals the 40-dash rule.
bool IsDashLine(std::string_view line);

// `count` characters from `pos` (0-based); what lies outside the text is left out.
std::string_view Mid(std::string_view text, size_t pos, size_t count);

// Splits text into lines: CR LF, a lone CR or a lone LF ends a line; a final line break adds no
// empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// ASCII letters a-z as A-Z, other bytes unchanged.
std::string AsciiUpper(std::string_view text);

}  // namespace ej
