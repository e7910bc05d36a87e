// The Windows-1250 code page of the journal. Journal text stays bytes; this codec turns it into
// UTF-8 for display and output, and typed UTF-8 text back into journal bytes. The five bytes
// that Windows-1250 leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to U+0081 etc., so every
// byte survives a round trip.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ej {

// Unicode code point of each byte 0x80 to 0xFF.
inline constexpr std::array<char32_t, 128> kCp1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

std::string Cp1250ToUtf8(std::string_view bytes);

// Characters that Windows-1250 cannot hold, and malformed UTF-8, become "?".
std::string Utf8ToCp1250(std::string_view utf8);

// Upper-cases Windows-1250 text as an upper-case edit field does, Polish letters included.
std::string Cp1250Upper(std::string_view bytes);

// A UTF-8 string literal turned into Windows-1250 bytes at compile time, so that journal markers
// can be written readably in the source: constexpr Cp1250Literal kTitle{"MIESIĘCZNY"};
template <size_t N>
struct Cp1250Literal {
  char bytes[N] = {};
  size_t size = 0;

  consteval Cp1250Literal(const char (&utf8)[N]) {
    for (size_t i = 0; i + 1 < N;) {
      const auto lead = static_cast<unsigned char>(utf8[i]);
      char32_t code = lead;
      size_t length = 1;
      if (lead >= 0xE0) {
        code = ((lead & 0x0F) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3F) << 6) |
               (static_cast<unsigned char>(utf8[i + 2]) & 0x3F);
        length = 3;
      } else if (lead >= 0xC0) {
        code = ((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
        length = 2;
      }
      bytes[size++] = Encode(code);
      i += length;
    }
  }

  constexpr std::string_view view() const { return {bytes, size}; }
  constexpr operator std::string_view() const { return view(); }

 private:
  static consteval char Encode(char32_t code) {
    if (code < 0x80) return static_cast<char>(code);
    for (size_t b = 0; b < kCp1250High.size(); ++b) {
      if (kCp1250High[b] == code) return static_cast<char>(0x80 + b);
    }
    throw "character not in Windows-1250";
  }
};

}  // namespace ej
