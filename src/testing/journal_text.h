// Building small day-file fixtures in tests: lines are written in UTF-8 and become
// Windows-1250 bytes with CR LF line ends, as the register stores them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250.h"

namespace ej::testing {

// Characters (not bytes) of a UTF-8 text.
inline size_t Chars(std::string_view utf8) {
  size_t count = 0;
  for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// `left`, blanks, and `right` in exactly `width` characters (UTF-8 in, UTF-8 out).
inline std::string Pad(std::string_view left, std::string_view right, size_t width = 42) {
  const size_t used = Chars(left) + Chars(right);
  return std::string(left) + std::string(used < width ? width - used : 1, ' ') + std::string(right);
}

// The 40-dash rule with one blank on each side.
inline std::string Dashes() {
  std::string line = " ";
  for (int i = 0; i < 40; ++i) line += "–";
  return line + " ";
}

// The lines as a day file: Windows-1250, every line ended by CR LF.
inline std::string DayText(const std::vector<std::string>& utf8Lines) {
  std::string text;
  for (const std::string& line : utf8Lines) text += Utf8ToCp1250(line) + "\r\n";
  return text;
}

inline void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// A fiscal receipt dated `date` (dd-MM-yyyy) with the given item block and the lines after its
// closing dash rule, ended by an empty line.
inline std::vector<std::string> FiscalReceipt(const std::vector<std::string>& itemBlock,
                                              const std::vector<std::string>& afterBlock,
                                              const std::string& date = "12-05-2014",
                                              const std::string& number = "000123") {
  std::vector<std::string> lines = {"SKLEP POD LIPĄ", "       NIP: 111-222-33-44",
                                    Pad(date, number), "        PARAGON FISKALNY - KOPIA"};
  Append(lines, itemBlock);
  lines.push_back(Dashes());
  Append(lines, afterBlock);
  lines.push_back("");
  return lines;
}

// The total line and the number line that gives the receipt ID.
inline std::vector<std::string> Total(const std::string& id = "000034/001") {
  return {"S U M A   PLN                        9.99", id + " #1 KASJER 1          12:34"};
}

// A daily report closing the file: header number, date and the given body lines (after the date
// line), with five footer lines.
inline std::vector<std::string> DailyReport(const std::string& date, int headerNumber,
                                            const std::vector<std::string>& body) {
  std::vector<std::string> lines = {"       NIP: 111-222-33-44",
                                    Pad(date, std::to_string(headerNumber)),
                                    "         KOPIA ELEKTRONICZNA",
                                    "      R A P O R T   F I S K A L N Y",
                                    "               D O B O W Y",
                                    Dashes(),
                                    Pad(date, "Nr 0001")};
  Append(lines, body);
  Append(lines, {"#0001 KIEROWNIK", "23:59", "ABC 12345678", "NR UNIK. XYZ", "KONIEC"});
  return lines;
}

}  // namespace ej::testing
