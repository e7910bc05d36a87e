// The calendar index of a card: years, months and days from its folders, and every day file
// parsed into a TReport. Years, months and days keep the folder listing's order; only day files
// are sorted, by report number.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "journal/card.h"
#include "journal/file_bytes.h"

namespace ej {

struct IndexOptions {
  int Threads = 0;  // 0: one per core; 1: parse on the calling thread
  FileReadMode ReadMode = DefaultReadMode();
};

// Left number minus right number of two day-file names ("0012.day"), read strictly.
// Throws JournalError "'NAME' is not a valid integer value".
int CompareDayFiles(const std::filesystem::path& left, const std::filesystem::path& right);

// The report number of a day file: its name without the extension, read strictly.
int32_t DayFileNumber(const std::filesystem::path& file);

// The "*.day" files of a day folder in ascending report-number order (equal numbers keep the
// listing order). Throws JournalError naming the first file whose name is not an integer.
std::vector<std::filesystem::path> ListDayFiles(const std::filesystem::path& folder);

// Builds the card's index from its folder and parses every day file, in parallel when allowed,
// with exactly the sequential result. On an error the index keeps the years, months and days and
// the reports that come before the failing day file in index order, and the error of the first
// failing file in that order is thrown.
// REQUIRES: card.Years is empty.
void BuildCardIndex(TSDCard& card, const IndexOptions& options = {});

// Position of the entry with that Name (exact comparison), or -1.
int FindYearIndex(const TSDCard& card, std::string_view name);
int FindMonthIndex(const TYear& year, std::string_view name);
int FindDayIndex(const TMonth& month, std::string_view name);

// The lowest (highest) report number of the card, 0 without reports. The first report met with
// that number also sets the card's FirstReportDate (LastReportDate); without reports the date
// is left as it was.
int32_t LowestReportNumber(TSDCard& card);
int32_t HighestReportNumber(TSDCard& card);

}  // namespace ej
