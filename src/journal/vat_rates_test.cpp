#include "journal/vat_rates.h"

#include <gtest/gtest.h>

#include "testing/journal_text.h"

namespace ej {
namespace {

TReport ReportWithRates(const std::vector<std::string>& rateLines) {
  return ParseReport(1, "1.day",
                     MakeFileBytes(testing::DayText(testing::DailyReport("12-05-2014", 1, rateLines))));
}

TEST(VatRatesTest, RateTextOfALetter) {
  const TReport report = ReportWithRates({"PTU A 23.00%", "PTU B 5%", "G SP.ZW.PTU", "PTU A 8%"});
  EXPECT_EQ(VatRateText(report, 'A'), "23.00 %") << "the first rate of the letter counts";
  EXPECT_EQ(VatRateText(report, 'B'), "5.00 %");
  EXPECT_EQ(VatRateText(report, 'G'), "SP.ZW.PTU");
  EXPECT_EQ(VatRateText(report, 'C'), "");
}

TEST(VatRatesTest, RateLinesAreCentredIn42Columns) {
  const TReport report = ReportWithRates({"PTU A 23.00%", "PTU B 5%", "G SP.ZW.PTU", "PTU C 123.456%"});
  const std::vector<std::string> expected = {
      std::string(14, ' ') + "PTU A  23.00 %" + std::string(14, ' '),
      std::string(14, ' ') + "PTU B   5.00 %" + std::string(14, ' '),
      std::string(15, ' ') + "G SP.ZW.PTU" + std::string(16, ' '),
      std::string(14, ' ') + "PTU C  123.46 " + std::string(14, ' '),
  };
  EXPECT_EQ(VatRateLines(report), expected);
}

}  // namespace
}  // namespace ej
