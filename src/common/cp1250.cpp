#include "common/cp1250.h"

namespace ej {
namespace {

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `pos`; returns U+FFFD for a malformed one and advances `pos`.
char32_t DecodeUtf8(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (length < 0) return 0xFFFD;
  char32_t code = lead & (0x3F >> length);
  for (int i = 0; i < length; ++i) {
    if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
      return 0xFFFD;
    }
    code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
  }
  return code;
}

char EncodeCp1250(char32_t code) {
  if (code < 0x80) return static_cast<char>(code);
  for (size_t b = 0; b < kCp1250High.size(); ++b) {
    if (kCp1250High[b] == code) return static_cast<char>(0x80 + b);
  }
  return '?';
}

unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  switch (c) {
    case 0x9A: case 0x9C: case 0x9D: case 0x9E: case 0x9F: return static_cast<unsigned char>(c - 0x10);
    case 0xB3: return 0xA3;
    case 0xB9: return 0xA5;
    case 0xBA: return 0xAA;
    case 0xBE: return 0xBC;
    case 0xBF: return 0xAF;
    case 0xF7: return c;  // division sign
    default: break;
  }
  if (c >= 0xE0 && c <= 0xFE) return static_cast<unsigned char>(c - 0x20);
  return c;
}

}  // namespace

std::string Cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    AppendUtf8(out, b < 0x80 ? char32_t{b} : kCp1250High[b - 0x80]);
  }
  return out;
}

std::string Utf8ToCp1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) out += EncodeCp1250(DecodeUtf8(utf8, pos));
  return out;
}

std::string Cp1250Upper(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace ej
