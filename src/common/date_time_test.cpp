#include "common/date_time.h"

#include <gtest/gtest.h>

#include "common/journal_error.h"

namespace ej {
namespace {

TEST(DateTimeTest, DayZeroIs30December1899) {
  EXPECT_EQ(FormatDateTime("dd.MM.yyyy", DateTime()), "30.12.1899");
  EXPECT_EQ(DateTime::FromDate(1900, 1, 1).Days(), 2);
  EXPECT_EQ(DateTime::FromDate(2014, 5, 12).Days(), 41771);
  EXPECT_EQ(FormatDateTime("dd.MM.yyyy", DateTime::FromDays(-1)), "29.12.1899");
}

TEST(DateTimeTest, FormatsEveryPattern) {
  const DateTime value = DateTime::FromDateAndTime(2012, 3, 5, 9, 7);
  const std::pair<const char*, const char*> cases[] = {
      {"dd.MM.yyyy", "05.03.2012"}, {"dd-MM-yyyy", "05-03-2012"}, {"ddMMyyyy", "05032012"},
      {"MM-yyyy", "03-2012"},       {"HH:mm", "09:07"},
  };
  for (const auto& [pattern, text] : cases) EXPECT_EQ(FormatDateTime(pattern, value), text);
}

TEST(DateTimeTest, JournalDateRuleReplacesBothSeparators) {
  for (const char* line : {"12-05-2014", "12.05.2014", "12/05/2014", "12x05y2014 rest"}) {
    EXPECT_EQ(ReadJournalDate(line), DateTime::FromDate(2014, 5, 12)) << line;
  }
  EXPECT_EQ(ReadJournalDate("29.02.2012"), DateTime::FromDate(2012, 2, 29));
}

TEST(DateTimeTest, UnreadableDatesNameTheTextAfterReplacement) {
  const std::pair<const char*, const char*> cases[] = {
      {"29-02-2013", "'29.02.2013' is not a valid date"},
      {"1.5.2014", "'1...2.14' is not a valid date"},
      {"", "'' is not a valid date"},
      {"00.01.2014", "'00.01.2014' is not a valid date"},
      {"01.13.2014", "'01.13.2014' is not a valid date"},
      {"01.01.0000", "'01.01.0000' is not a valid date"},
      {" 1.01.2014", "' 1.01.2014' is not a valid date"},
  };
  for (const auto& [line, message] : cases) {
    try {
      ReadJournalDate(line);
      ADD_FAILURE() << "no error for " << line;
    } catch (const JournalError& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

}  // namespace
}  // namespace ej
