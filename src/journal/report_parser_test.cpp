#include <gtest/gtest.h>

#include "common/journal_error.h"
#include "common/text.h"
#include "journal/report.h"
#include "testing/journal_text.h"

namespace ej {
namespace {

using testing::Append;
using testing::DailyReport;
using testing::DayText;
using testing::Dashes;
using testing::FiscalReceipt;
using testing::Pad;
using testing::Total;

TReport ParseLines(const std::vector<std::string>& lines) {
  return ParseReport(12, "/cards/0012.day", MakeFileBytes(DayText(lines)));
}

std::vector<std::string> Utf8Lines(const ReportLines& lines) {
  std::vector<std::string> out;
  for (size_t i = 0; i < lines.size(); ++i) out.push_back(Cp1250ToUtf8(lines[i]));
  return out;
}

const std::string kChleb = Pad("CHLEB", "2x1.50      3.00 A");

std::vector<std::string> NonFiscal(const std::vector<std::string>& body) {
  std::vector<std::string> lines = {"       NIP: 111-222-33-44", Pad("12-05-2014", "#0124"),
                                    "       # N I E F I S K A L N Y #"};
  Append(lines, body);
  return lines;
}

const std::vector<std::string> kReportBody = {
    "PTU A                               23.00%",
    "PTU B                                8.00%",
    "G SP.ZW.PTU",
    Dashes(),
    "SPRZED.OPOD.PTU A                  100.00",
    "SPRZED.OPOD.PTU B                   50.00",
    "SPRZED.ZW.PTU A                     20.00",
    "SPRZED.ZW.PTU G                      7.50",
    "KWOTA PTU B                          3.70",
    "KWOTA PTU B                          0.10",
    "KWOTA PTU A                         18.70",
    Dashes(),
    "KWOTA PTU C                         99.00",
    "WALUTA                                EUR",
    "KURS 4.20",
    "WALUTA                                PLN",
    "ZŁOTY POLSKI",
    "ZMIANA WALUTY                     12:00",
    "ZEROWANIE PAMIĘCI RAM Z 10.05.2014",
    "ZEROWANIE PAMIĘCI RAM Z 11.05.2014",
    "WYKONANO ZMIANY W BAZIE TOW.          17",
    "   P R O G R A M O W A N I E",
    "     S T A W E K   P T U",
    "Numer kontrolny:",
    "123456",
    "SHA-1 Danych dobowych:",
    "#0a1b2c3d",
};

TEST(ReportParserTest, ReadsACompleteDay) {
  std::vector<std::string> lines = {"ZEROWANIE PAMIĘCI RAM Z 01.05.2014"};
  Append(lines, FiscalReceipt({kChleb}, Total("000001/001")));
  Append(lines, NonFiscal({"WPŁATA DO KASY  100.00", "       # N I E F I S K A L N Y #",
                           "#0124 KIEROWNIK", "12:05", "po dokumencie"}));
  Append(lines, FiscalReceipt({kChleb}, {"   *  A N U L O W A N Y  *"}));
  Append(lines, DailyReport("12-05-2014", 125, kReportBody));
  const TReport report = ParseLines(lines);

  EXPECT_EQ(report.Number, 12);
  EXPECT_EQ(report.FileName, "/cards/0012.day");
  EXPECT_EQ(report.Date, DateTime::FromDate(2014, 5, 12));
  EXPECT_EQ(report.HeaderNumber, 125);
  std::vector<std::string> expectedLines = {Dashes(), Pad("12-05-2014", "Nr 0001")};
  Append(expectedLines, kReportBody);
  Append(expectedLines, {"#0001 KIEROWNIK", "23:59", "ABC 12345678", "NR UNIK. XYZ", "KONIEC"});
  EXPECT_EQ(Utf8Lines(report.Lines), expectedLines);

  ASSERT_EQ(report.VatRates.size(), 3u);
  EXPECT_EQ(report.VatRates[0].Letter, 'A');
  EXPECT_EQ(report.VatRates[0].Rate, ParseAmount("23"));
  EXPECT_EQ(report.VatRates[1].Rate, ParseAmount("8"));
  EXPECT_EQ(report.VatRates[2].Letter, 'G');
  EXPECT_TRUE(report.VatRates[2].Exempt);
  EXPECT_EQ(report.Sales[0], ParseAmount("120.00"));
  EXPECT_EQ(report.Sales[1], ParseAmount("50.00"));
  EXPECT_EQ(report.Sales[6], ParseAmount("7.50"));
  EXPECT_EQ(report.Vat[0], ParseAmount("18.70"));
  EXPECT_EQ(report.Vat[1], ParseAmount("3.80"));
  EXPECT_EQ(report.Vat[2], Amount()) << "a KWOTA PTU line after the totals' dash rule";

  EXPECT_EQ(report.CurrencyName, "PLN");
  EXPECT_EQ(Cp1250ToUtf8(report.CurrencyText), "WALUTA                                PLN\r\nZŁOTY POLSKI");
  EXPECT_TRUE(report.CurrencyChanged);
  EXPECT_EQ(report.RamResets, 2) << "the reset before the heading does not count";
  EXPECT_EQ(report.GoodsDbChanges, 17);
  EXPECT_TRUE(report.VatRatesProgrammed);
  EXPECT_EQ(report.Sha1Line, "#0a1b2c3d");
  EXPECT_EQ(Trim(report.NipLine), "NIP: 111-222-33-44");

  EXPECT_EQ(report.ReceiptCount, 2);
  ASSERT_EQ(report.Receipts.size(), 3u);
  EXPECT_FALSE(report.Receipts[0].NonFiscal);
  EXPECT_EQ(report.Receipts[0].ReceiptId, "000001/001");
  EXPECT_TRUE(report.Receipts[1].NonFiscal);
  EXPECT_EQ(report.Receipts[1].ReceiptId, "#0124/12052014");
  EXPECT_EQ(report.Receipts[1].Lines.size(), 7u) << "through the second marker and two lines";
  EXPECT_TRUE(report.Receipts[1].Items.empty());
  EXPECT_TRUE(report.Receipts[2].Cancelled);
  EXPECT_EQ(report.Receipts[2].Items.size(), 1u);
}

TEST(ReportParserTest, OnlyARealDailyHeadingStartsTheReport) {
  const struct {
    const char* what;
    std::vector<std::string> lines;
  } cases[] = {
      {"monthly report",
       {"NIP: 1", Pad("31-05-2014", "44"), "x", "R A P O R T   F I S K A L N Y",
        "M I E S I Ę C Z N Y", Dashes(), "31-05-2014", "PTU A 23.00%"}},
      {"heading on the second line", {"44", "R A P O R T   F I S K A L N Y", Dashes(), "31-05-2014"}},
      {"zero header number",
       {Pad("31-05-2014", "0"), "x", "R A P O R T   F I S K A L N Y", Dashes(), "31-05-2014"}},
      {"header number that is not an integer",
       {Pad("31-05-2014", "#44"), "x", "R A P O R T   F I S K A L N Y", Dashes(), "31-05-2014"}},
  };
  for (const auto& c : cases) {
    const TReport report = ParseLines(c.lines);
    EXPECT_TRUE(report.Lines.empty()) << c.what;
    EXPECT_EQ(report.Date, DateTime()) << c.what;
    EXPECT_TRUE(report.VatRates.empty()) << c.what;
  }
}

TEST(ReportParserTest, RateAndTotalsLinesFollowTheirMatchRules) {
  const TReport report = ParseLines(DailyReport(
      "12-05-2014", 1,
      {"PTU A 23.00 %", "PTU C 5%", "PTUX", "X SP.ZW.PTU", "  SPRZED.OPOD.PTU A   99.00",
       "SPRZED.OPOD.PTU H 5.00", "SPRZED.OPOD.PTU D 12,50", "SPRZED.OPOD.PTU B 12.50 ",
       "SPRZED.OPOD.PTU C 1.25", Dashes(), "WALUTA ", "x"}));
  ASSERT_EQ(report.VatRates.size(), 3u);
  EXPECT_EQ(report.VatRates[0].Rate, Amount()) << "a blank before the % leaves '%' as last word";
  EXPECT_EQ(report.VatRates[1].Rate, ParseAmount("5"));
  EXPECT_EQ(report.VatRates[2].Letter, 'X');
  EXPECT_TRUE(report.VatRates[2].Exempt);
  EXPECT_EQ(report.Sales[0], Amount()) << "a totals line with a leading blank is not one";
  EXPECT_EQ(report.Sales[1], Amount()) << "a line ending in a blank has an empty last word";
  EXPECT_EQ(report.Sales[2], ParseAmount("1.25"));
  EXPECT_EQ(report.Sales[3], Amount());
  EXPECT_EQ(report.CurrencyName, "");
}

TEST(ReportParserTest, AnUnclosedDayStillHasItsDocuments) {
  std::vector<std::string> lines = FiscalReceipt({kChleb}, {"S U M A", "000001/001", "",
                                                            "ROZLICZENIE KARTĄ", "KARTA 3.00"});
  Append(lines, FiscalReceipt({kChleb}, Total("000002/001")));
  const TReport report = ParseLines(lines);
  EXPECT_TRUE(report.Lines.empty());
  EXPECT_EQ(report.Date, DateTime());
  EXPECT_EQ(report.HeaderNumber, 0);
  ASSERT_EQ(report.Receipts.size(), 2u);
  EXPECT_EQ(report.Receipts[0].Lines.size(), 10u) << "the empty line before ROZLICZENIE belongs";
  EXPECT_EQ(report.Receipts[1].ReceiptId, "000002/001");
}

TEST(ReportParserTest, ANonFiscalDocumentWithoutSecondMarkerRunsToTheEnd) {
  const TReport report = ParseLines(NonFiscal({"WYPŁATA", "KONIEC"}));
  ASSERT_EQ(report.Receipts.size(), 1u);
  EXPECT_EQ(report.Receipts[0].Lines.size(), 5u);
  EXPECT_EQ(report.ReceiptCount, 0);
}

TEST(ReportParserTest, LinesPastTheEndReadAsEmpty) {
  const std::string day = DayText(DailyReport("12-05-2014", 3, {}));
  // Each marker is the file's last line, without a line break.
  const TReport currency = ParseReport(3, "3.day", MakeFileBytes(day + "WALUTA PLN"));
  EXPECT_EQ(currency.CurrencyName, "PLN");
  EXPECT_EQ(currency.CurrencyText, "WALUTA PLN\r\n");
  const TReport sha = ParseReport(3, "3.day", MakeFileBytes(day + "SHA-1 Danych dobowych:"));
  EXPECT_EQ(sha.Sha1Line, "");
  EXPECT_EQ(sha.Lines.size(), 8u);
}

TEST(ReportParserTest, Errors) {
  const struct {
    const char* what;
    std::vector<std::string> lines;
    const char* message;
    int line;
  } cases[] = {
      {"report date", {"NIP: 1", "7", "x", "R A P O R T   F I S K A L N Y", Dashes(), "2014-05-12"},
       "'20.4-.5-12' is not a valid date", 6},
      {"dash rule as last line", {"NIP: 1", "7", "x", "R A P O R T   F I S K A L N Y", Dashes()},
       "'' is not a valid date", 6},
  };
  for (const auto& c : cases) {
    try {
      ParseLines(c.lines);
      ADD_FAILURE() << c.what;
    } catch (const JournalError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.what;
      EXPECT_EQ(error.File(), "/cards/0012.day");
      EXPECT_EQ(error.Line(), c.line) << c.what;
    }
  }
}

TEST(ReportParserTest, A256thRamResetOverflows) {
  std::vector<std::string> body(255, "ZEROWANIE PAMIĘCI RAM Z");
  EXPECT_EQ(ParseLines(DailyReport("12-05-2014", 3, body)).RamResets, 255);
  body.push_back("ZEROWANIE PAMIĘCI RAM Z");
  try {
    ParseLines(DailyReport("12-05-2014", 3, body));
    FAIL() << "no error";
  } catch (const JournalError& error) {
    EXPECT_STREQ(error.what(), "Integer overflow");
    EXPECT_EQ(error.Line(), 7 + 256);
  }
}

TEST(ReportParserTest, LoadReportNamesAMissingFile) {
  try {
    LoadReport(1, "/nonexistent/0001.day", FileReadMode::kMap);
    FAIL() << "no error";
  } catch (const JournalError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"/nonexistent/0001.day\". No such file or directory");
    EXPECT_EQ(error.File(), "/nonexistent/0001.day");
  }
}

}  // namespace
}  // namespace ej
