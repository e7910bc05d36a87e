// A point in time counted from 30.12.1899 00:00 (day 0), to the second. Journal dates carry no
// time of day; a date that was never set is 0 and prints as 30.12.1899.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace ej {

class DateTime {
 public:
  static constexpr int64_t kSecondsPerDay = 86400;

  constexpr DateTime() = default;
  static constexpr DateTime FromDays(int64_t days) { return DateTime(days * kSecondsPerDay); }
  static constexpr DateTime FromSeconds(int64_t seconds) { return DateTime(seconds); }
  // REQUIRES: a real date (see IsValidDate).
  static DateTime FromDate(int year, int month, int day);
  static DateTime FromDateAndTime(int year, int month, int day, int hour, int minute);

  constexpr int64_t Seconds() const { return seconds_; }
  int64_t Days() const;                 // whole days, rounded down
  int SecondOfDay() const;              // 0 .. 86399
  bool IsZero() const { return seconds_ == 0; }

  int Year() const;
  int Month() const;
  int Day() const;

  constexpr auto operator<=>(const DateTime&) const = default;

 private:
  constexpr explicit DateTime(int64_t seconds) : seconds_(seconds) {}
  int64_t seconds_ = 0;
};

bool IsValidDate(int year, int month, int day);
int DaysInMonth(int year, int month);

// Formats with the tokens dd, MM, yyyy, HH and mm; every other character is copied.
std::string FormatDateTime(std::string_view pattern, DateTime value);

// Reads exactly "dd.MM.yyyy" forming a real date (years 0001 to 9999);
// otherwise throws JournalError "'TEXT' is not a valid date".
DateTime StrToDate(std::string_view text);

// The day-file date rule: the first 10 characters of `line`, with the characters at positions
// 3 and 6 replaced by ".", read with StrToDate (the error quotes the text after the replacement).
DateTime ReadJournalDate(std::string_view line);

}  // namespace ej
