#include "journal/card_index.h"

#include <gtest/gtest.h>

#include "common/journal_error.h"
#include "testing/journal_text.h"
#include "testing/temp_folder.h"

namespace ej {
namespace {

using testing::TempFolder;

// A day file closed by a daily report dated dd-MM-yyyy.
std::string ClosedDay(const std::string& date) {
  return testing::DayText(testing::DailyReport(date, 1, {"PTU A 23.00%"}));
}

// Report numbers in index order, with their day folder: "2014/03/01:17".
std::vector<std::string> Walk(const TSDCard& card) {
  std::vector<std::string> out;
  ForEachReport(card, [&](const TReport& report, size_t y, size_t m, size_t d, size_t) {
    out.push_back(card.Years[y].Name + "/" + card.Years[y].Months[m].Name + "/" +
                  card.Years[y].Months[m].Days[d].Name + ":" + std::to_string(report.Number));
  });
  return out;
}

TSDCard CardAt(const std::filesystem::path& path) {
  TSDCard card;
  card.Path = path;
  return card;
}

TEST(CardIndexTest, DayFilesAreSortedByNumberAndEverythingElseKeepsListingOrder) {
  TempFolder folder;
  for (const char* file : {"2014/03/02/10.day", "2014/03/02/0002.DAY", "2014/03/02/9.day",
                           "2014/03/02/07.day", "2014/03/01/1.day", "2013/12/31/0.day"}) {
    folder.Write(file, ClosedDay("01-03-2014"));
  }
  folder.Write("2014/03/02/notes.txt", "ignored");
  folder.Write("2014/03/02/sub/5.day", "ignored: a sub-folder of a day folder");
  folder.Write("2014/3.day", "ignored: a file in a year folder");
  folder.MakeFolder("2014/04/01");

  TSDCard card = CardAt(folder.Path());
  BuildCardIndex(card);
  EXPECT_EQ(Walk(card), (std::vector<std::string>{"2013/12/31:0", "2014/03/01:1", "2014/03/02:2",
                                                  "2014/03/02:7", "2014/03/02:9",
                                                  "2014/03/02:10"}));
  EXPECT_EQ(FindYearIndex(card, "2014"), 1);
  EXPECT_EQ(FindMonthIndex(card.Years[1], "04"), 1);
  EXPECT_EQ(FindDayIndex(card.Years[1].Months[0], "02"), 1);
  EXPECT_EQ(FindYearIndex(card, "2015"), -1);
}

TEST(CardIndexTest, EqualNumbersKeepTheListingOrder) {
  TempFolder folder;
  folder.Write("d/0012.day", ClosedDay("01-03-2014"));
  folder.Write("d/12.day", ClosedDay("02-03-2014"));
  const auto files = ListDayFiles(folder.Path() / "d");
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].filename(), "0012.day");
  EXPECT_EQ(CompareDayFiles(files[0], files[1]), 0);
  EXPECT_LT(CompareDayFiles("9.day", "10.day"), 0);
}

TEST(CardIndexTest, RangeFindersTakeTheFirstDateOfEqualNumbers) {
  TempFolder folder;
  folder.Write("2014/05/01/45.day", ClosedDay("01-05-2014"));
  folder.Write("2014/03/01/17.day", ClosedDay("01-03-2014"));
  folder.Write("2014/03/02/17.day", ClosedDay("02-03-2014"));
  folder.Write("2014/04/01/45.day", ClosedDay("01-04-2014"));
  TSDCard card = CardAt(folder.Path());
  BuildCardIndex(card);
  EXPECT_EQ(LowestReportNumber(card), 17);
  EXPECT_EQ(HighestReportNumber(card), 45);
  EXPECT_EQ(card.FirstReportDate, DateTime::FromDate(2014, 3, 1));
  EXPECT_EQ(card.LastReportDate, DateTime::FromDate(2014, 4, 1));

  TSDCard empty = CardAt(folder.Path() / "nothing");
  empty.FirstReportDate = DateTime::FromDays(5);
  BuildCardIndex(empty);
  EXPECT_EQ(LowestReportNumber(empty), 0);
  EXPECT_EQ(HighestReportNumber(empty), 0);
  EXPECT_EQ(empty.FirstReportDate, DateTime::FromDays(5)) << "left as it was";
}

// A card with four day files whose second and fourth are broken.
struct BrokenCard {
  TempFolder folder;
  BrokenCard() {
    folder.Write("2014/03/01/1.day", ClosedDay("01-03-2014"));
    folder.Write("2014/03/01/2.day", ClosedDay("32-03-2014"));
    folder.Write("2014/03/02/3.day", ClosedDay("02-03-2014"));
    folder.Write("2014/03/03/4.day",
                 testing::DayText({"NIP: 1", testing::Pad("02-03-2014", "1"),
                                   "PARAGON FISKALNY - KOPIA", "BAD", testing::Dashes()}));
  }
};

TEST(CardIndexTest, AnErrorKeepsWhatCameBeforeTheFirstFailingFile) {
  for (int threads : {1, 2, 8}) {
    BrokenCard broken;
    TSDCard card = CardAt(broken.folder.Path());
    try {
      BuildCardIndex(card, {threads, FileReadMode::kMap});
      ADD_FAILURE() << "no error";
    } catch (const JournalError& error) {
      EXPECT_STREQ(error.what(), "'32.03.2014' is not a valid date");
      EXPECT_EQ(error.File(), (broken.folder.Path() / "2014/03/01/2.day").string());
      EXPECT_EQ(error.Line(), 7);
    }
    EXPECT_EQ(Walk(card), std::vector<std::string>{"2014/03/01:1"}) << threads;
    EXPECT_EQ(card.Years.at(0).Months.at(0).Days.size(), 3u) << "days are all indexed";
  }
}

TEST(CardIndexTest, ANonIntegerDayFileNameStopsTheBuildAtItsDay) {
  TempFolder folder;
  folder.Write("2014/03/01/1.day", ClosedDay("01-03-2014"));
  folder.Write("2014/03/02/2.day", ClosedDay("02-03-2014"));
  folder.Write("2014/03/02/2a.day", ClosedDay("02-03-2014"));
  folder.Write("2014/03/03/3.day", ClosedDay("03-03-2014"));
  TSDCard card = CardAt(folder.Path());
  try {
    BuildCardIndex(card);
    FAIL() << "no error";
  } catch (const JournalError& error) {
    EXPECT_STREQ(error.what(), "'2a' is not a valid integer value");
  }
  EXPECT_EQ(Walk(card), std::vector<std::string>{"2014/03/01:1"});
}

TEST(CardIndexTest, ParallelBuildGivesTheSequentialIndex) {
  TempFolder folder;
  int number = 1;
  for (const char* day : {"2014/01/05", "2014/01/06", "2014/02/01", "2013/12/30", "2015/01/01"}) {
    for (int k = 0; k < 7; ++k, ++number) {
      folder.Write(std::string(day) + "/" + std::to_string(number * 37 % 101) + ".day",
                   ClosedDay("01-03-2014"));
    }
  }
  TSDCard sequential = CardAt(folder.Path());
  BuildCardIndex(sequential, {1, FileReadMode::kBuffer});
  for (int threads : {2, 3, 16}) {
    TSDCard parallel = CardAt(folder.Path());
    BuildCardIndex(parallel, {threads, FileReadMode::kMap});
    EXPECT_EQ(Walk(parallel), Walk(sequential)) << threads;
  }
  EXPECT_EQ(Walk(sequential).size(), 35u);
}

}  // namespace
}  // namespace ej
