#include "common/date_time.h"

#include "common/journal_error.h"

namespace ej {
namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian), after H. Hinnant.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

struct Civil {
  int year;
  int month;
  int day;
};

Civil CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

Civil CivilOf(DateTime value) { return CivilFromDays(value.Days() + kEpochOffset); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Digits(std::string_view text, size_t pos, size_t count) {
  int value = 0;
  for (size_t i = pos; i < pos + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

void AppendPadded(std::string& out, int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
  out += digits;
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

DateTime DateTime::FromDate(int year, int month, int day) {
  return FromDays(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                  kEpochOffset);
}

DateTime DateTime::FromDateAndTime(int year, int month, int day, int hour, int minute) {
  return FromSeconds(FromDate(year, month, day).Seconds() + hour * 3600 + minute * 60);
}

int64_t DateTime::Days() const {
  return seconds_ >= 0 ? seconds_ / kSecondsPerDay : -((-seconds_ + kSecondsPerDay - 1) / kSecondsPerDay);
}

int DateTime::SecondOfDay() const { return static_cast<int>(seconds_ - Days() * kSecondsPerDay); }

int DateTime::Year() const { return CivilOf(*this).year; }
int DateTime::Month() const { return CivilOf(*this).month; }
int DateTime::Day() const { return CivilOf(*this).day; }

std::string FormatDateTime(std::string_view pattern, DateTime value) {
  const Civil civil = CivilOf(value);
  const int second = value.SecondOfDay();
  std::string out;
  for (size_t i = 0; i < pattern.size();) {
    const std::string_view rest = pattern.substr(i);
    if (rest.starts_with("yyyy")) {
      AppendPadded(out, civil.year, 4);
      i += 4;
    } else if (rest.starts_with("dd")) {
      AppendPadded(out, civil.day, 2);
      i += 2;
    } else if (rest.starts_with("MM")) {
      AppendPadded(out, civil.month, 2);
      i += 2;
    } else if (rest.starts_with("HH")) {
      AppendPadded(out, second / 3600, 2);
      i += 2;
    } else if (rest.starts_with("mm")) {
      AppendPadded(out, second / 60 % 60, 2);
      i += 2;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}

DateTime StrToDate(std::string_view text) {
  const bool shaped = text.size() == 10 && IsDigit(text[0]) && IsDigit(text[1]) &&
                      text[2] == '.' && IsDigit(text[3]) && IsDigit(text[4]) && text[5] == '.' &&
                      IsDigit(text[6]) && IsDigit(text[7]) && IsDigit(text[8]) && IsDigit(text[9]);
  if (shaped) {
    const int day = Digits(text, 0, 2);
    const int month = Digits(text, 3, 2);
    const int year = Digits(text, 6, 4);
    if (IsValidDate(year, month, day)) return DateTime::FromDate(year, month, day);
  }
  throw JournalError("'" + std::string(text) + "' is not a valid date");
}

DateTime ReadJournalDate(std::string_view line) {
  std::string text(line.substr(0, 10));
  if (text.size() > 2) text[2] = '.';
  if (text.size() > 5) text[5] = '.';
  return StrToDate(text);
}

}  // namespace ej
