#include "journal/receipt_parser.h"

#include <gtest/gtest.h>

#include "common/journal_error.h"
#include "journal/report.h"
#include "testing/journal_text.h"

namespace ej {
namespace {

using testing::Append;
using testing::DayText;
using testing::FiscalReceipt;
using testing::Pad;
using testing::Total;

struct ExpectedItem {
  const char* name;  // UTF-8
  char letter;
  const char* amount;
  const char* quantity;
};

std::string Describe(const TItem& item) {
  return Cp1250ToUtf8(item.Name) + " " + item.VatLetter + " " + FormatAmount(item.Amount, 4) +
         " x" + FormatAmount(item.Quantity, 4);
}

std::string Describe(const ExpectedItem& item) {
  return std::string(item.name) + " " + item.letter + " " +
         FormatAmount(ParseAmount(item.amount), 4) + " x" +
         FormatAmount(ParseAmount(item.quantity), 4);
}

TReport ParseLines(const std::vector<std::string>& lines) {
  return ParseReport(7, "C:/card/0007.day", MakeFileBytes(DayText(lines)));
}

const std::string kChleb = Pad("CHLEB", "2x1.50      3.00 A");
const std::string kMleko = Pad("MLEKO 2%", "1x2.99      2.99 B");
const std::string kCorrection = "          #  K O R E K T A  #";

struct ItemsCase {
  const char* what;
  std::vector<std::string> block;
  std::vector<std::string> after;
  std::vector<ExpectedItem> items;
};

TEST(ReceiptParserTest, ReadsItemBlocks) {
  const ItemsCase cases[] = {
      {"one-line item", {kChleb}, Total(), {{"CHLEB", 'A', "3.00", "2"}}},
      {"item discount", {kChleb, "RABAT                              -0.50"}, Total(),
       {{"CHLEB", 'A', "2.50", "2"}}},
      {"item markup", {kChleb, "MARŻA 0.25"}, Total(), {{"CHLEB", 'A', "3.25", "2"}}},
      {"one-line item corrected", {kChleb, kCorrection, kChleb, kMleko}, Total(),
       {{"MLEKO 2%", 'B', "2.99", "1"}}},
      {"two-line item corrected",
       {"MASŁO EXTRA", Pad("", "2x4.50      9.00 B"), kCorrection, "MASŁO EXTRA",
        Pad("", "2x4.50      9.00 B"), kMleko},
       Total(),
       {{"MLEKO 2%", 'B', "2.99", "1"}}},
      {"three-line item corrected",
       {"SER GOUDA", "0.350x29.90", Pad("", "10.47 A"), kCorrection, "SER GOUDA", "0.350x29.90",
        Pad("", "10.47 A"), kMleko},
       Total(),
       {{"MLEKO 2%", 'B', "2.99", "1"}}},
      {"discounted item corrected",
       {kChleb, "RABAT -0.50", kCorrection, kChleb, "RABAT -0.50", kMleko}, Total(),
       {{"MLEKO 2%", 'B', "2.99", "1"}}},
      {"a note makes a later correction skip one line more",
       {"# zamówienie 12", "MASŁO EXTRA", Pad("", "2x4.50      9.00 B"), kCorrection,
        "MASŁO EXTRA", Pad("", "2x4.50      9.00 B"), "# zamówienie 12", kMleko},
       Total(),
       {{"MLEKO 2%", 'B', "2.99", "1"}}},
      {"two-line item, quantity on the second line",
       {"MASŁO EXTRA", Pad("", "2x4.50      9.00 B")}, Total(),
       {{"MASŁO EXTRA", 'B', "9.00", "2"}}},
      {"two-line item, quantity on the first line",
       {"JABŁKA 1.255x3.99", Pad("", "5.01 C")}, Total(), {{"JABŁKA", 'C', "5.01", "1.255"}}},
      {"three-line item", {"SER ŻÓŁTY GOUDA", "0.350x29.90", Pad("", "10.47 A")}, Total(),
       {{"SER ŻÓŁTY GOUDA", 'A', "10.47", "0.35"}}},
      {"a name is cut at its first lowercase x",
       {Pad("PAPIER xero", "1x5.00      5.00 A")}, Total(), {{"PAPIER", 'A', "5.00", "1"}}},
      {"a blank before the x gives quantity 0 and leaves the number in the name",
       {Pad("WODA", "2 x1.50      3.00 A")}, Total(),
       {{"WODA                   2", 'A', "3.00", "0"}}},
      {"receipt discount in percent", {kChleb, kMleko}, {"RABAT 10.00%", Total()[0], Total()[1]},
       {{"CHLEB", 'A', "2.70", "2"}, {"MLEKO 2%", 'B', "2.691", "1"}}},
      {"receipt markup in percent", {kChleb}, {"MARŻA 5%"}, {{"CHLEB", 'A', "3.15", "2"}}},
      {"receipt discount as an amount is shared by percentage",
       {kChleb, Pad("BUŁKA", "1x1.00      1.00 A")}, {"RABAT                   -1.00"},
       {{"CHLEB", 'A', "2.25", "2"}, {"BUŁKA", 'A', "0.75", "1"}}},
      {"receipt markup as an amount, parts rounded to 0.01",
       {Pad("A1", "1x1.00      1.00 A"), Pad("A2", "1x1.00      1.00 A"),
        Pad("A3", "1x1.00      1.00 A")},
       {"MARŻA 1.00"},
       {{"A1", 'A', "1.33", "1"}, {"A2", 'A', "1.33", "1"}, {"A3", 'A', "1.33", "1"}}},
      {"corrected receipt discount skips four lines",
       {kChleb}, {"RABAT -1.00", kCorrection, "RABAT -1.00", "MARŻA 10.00%", "MARŻA 0.10"},
       {{"CHLEB", 'A', "3.10", "2"}}},
      {"a receipt adjustment on a zero total changes nothing", {Pad("GRATIS", "1x0.00      0.00 A")},
       {"RABAT -1.00"}, {{"GRATIS", 'A', "0.00", "1"}}},
      {"an empty item block gives no items", {}, Total(), {}},
      {"S U M A inside the item block is never an item line", {kChleb, "S U M A"}, {},
       {{"CHLEB", 'A', "3.00", "2"}}},
  };
  for (const ItemsCase& c : cases) {
    const TReport report = ParseLines(FiscalReceipt(c.block, c.after));
    ASSERT_EQ(report.Receipts.size(), 1u) << c.what;
    const TReceipt& receipt = report.Receipts[0];
    std::vector<std::string> actual, expected;
    for (const TItem& item : receipt.Items) actual.push_back(Describe(item));
    for (const ExpectedItem& item : c.items) expected.push_back(Describe(item));
    EXPECT_EQ(actual, expected) << c.what;
  }
}

struct ErrorCase {
  const char* what;
  std::vector<std::string> block;
  const char* message;
  int line;
};

TEST(ReceiptParserTest, ReportsBadItemLinesWithFileAndLine) {
  // The item block starts at line 5 of the day file.
  const ErrorCase cases[] = {
      {"letter outside A to G", {kChleb, Pad("CHLEB", "2x1.50      3.00 H")}, "Incorrect VAT rate!", 6},
      {"an empty item line kept by a following ROZLICZENIE", {"", "ROZLICZENIE KARTĄ"},
       "Incorrect VAT rate!", 6},
      {"no blank before the x", {Pad("BOxER", "1x2.00      2.00 A")}, "Incorrect item name!", 5},
      {"no blank before the x of a three-line name",
       {"MAxI", "1x2.00", Pad("", "2.00 A")}, "Incorrect item name!", 5},
  };
  for (const ErrorCase& c : cases) {
    try {
      ParseLines(FiscalReceipt(c.block, Total()));
      ADD_FAILURE() << c.what << ": no error";
    } catch (const JournalError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.what;
      EXPECT_EQ(error.File(), "C:/card/0007.day") << c.what;
      EXPECT_EQ(error.Line(), c.line) << c.what;
    }
  }
}

TEST(ReceiptParserTest, LineReaders) {
  const std::string line = Utf8ToCp1250(kChleb);
  ASSERT_EQ(line.size(), 42u);
  EXPECT_EQ(ItemName(line), "CHLEB");
  EXPECT_EQ(ItemQuantity(line), ParseAmount("2"));
  EXPECT_EQ(ItemAmount(line), ParseAmount("3.00"));
  EXPECT_EQ(ItemVatLetter(line), 'A');
  EXPECT_EQ(ItemAmount("A"), Amount());
  EXPECT_EQ(ItemQuantity("x1"), Amount());
  EXPECT_THROW(ItemVatLetter(""), JournalError);
  Amount percent;
  EXPECT_TRUE(DiscountPercent("RABAT 10.00%", percent));
  EXPECT_EQ(percent, ParseAmount("10"));
  EXPECT_FALSE(DiscountPercent("RAB%T -1.00", percent));
  EXPECT_FALSE(DiscountPercent("RABAT", percent));
}

TEST(ReceiptParserTest, ReadsTheReceiptIdFromTheNumberLine) {
  const struct {
    std::vector<std::string> after;
    const char* id;
    int number;
    int afterSlash;
  } cases[] = {
      {Total("000034/001"), "000034/001", 34, 1},
      {{"S U M A   PLN   9.99", "ILOŚĆ ARTYKUŁÓW: 3", "000035/002 #1"}, "000035/002", 35, 2},
      {{"S U M A   PLN   9.99", "0000000042 KASA 1"}, "0000000042", 0, 42},
      {{"S U M A   PLN   9.99"}, "", 0, 0},
  };
  for (const auto& c : cases) {
    const TReport report = ParseLines(FiscalReceipt({kChleb}, c.after));
    const TReceipt& receipt = report.Receipts.at(0);
    EXPECT_EQ(Cp1250ToUtf8(receipt.ReceiptId), c.id);
    EXPECT_EQ(receipt.ReceiptNumber, c.number) << c.id;
    EXPECT_EQ(receipt.NumberAfterSlash, c.afterSlash) << c.id;
    EXPECT_EQ(receipt.Date, DateTime::FromDate(2014, 5, 12));
    EXPECT_EQ(receipt.HeaderNumber, 123);
    EXPECT_FALSE(receipt.Cancelled);
  }
}

TEST(ReceiptParserTest, CancelledReceiptKeepsItemsReadBefore) {
  const TReport report = ParseLines(FiscalReceipt(
      {kChleb}, {"   *  A N U L O W A N Y  *", "S U M A   PLN   3.00", "000036/001"}, "03/01/2015",
      "000777"));
  const TReceipt& receipt = report.Receipts.at(0);
  EXPECT_TRUE(receipt.Cancelled);
  EXPECT_EQ(receipt.ReceiptId, "000777/03012015");
  EXPECT_EQ(receipt.Date, DateTime::FromDate(2015, 1, 3));
  ASSERT_EQ(receipt.Items.size(), 1u);
  EXPECT_EQ(ReceiptTotal(receipt), ParseAmount("3.00"));
  EXPECT_EQ(receipt.ReceiptNumber, 0);
}

TEST(ReceiptParserTest, ADateLineThatIsNot42LongEndsTheReading) {
  for (int width : {41, 43}) {
    std::vector<std::string> lines = FiscalReceipt({kChleb}, Total());
    lines[2] = Pad("12-05-2014", "000123", static_cast<size_t>(width));
    const TReport report = ParseLines(lines);
    const TReceipt& receipt = report.Receipts.at(0);
    EXPECT_EQ(receipt.Date, DateTime()) << width;
    EXPECT_TRUE(receipt.Items.empty()) << width;
    EXPECT_EQ(receipt.ReceiptId, "") << width;
  }
  // A second NIP line inside the receipt ends the reading the same way.
  const TReport report =
      ParseLines(FiscalReceipt({kChleb}, {"NIP: 999", "nie data", Total()[0], Total()[1]}));
  const TReceipt& receipt = report.Receipts.at(0);
  EXPECT_EQ(receipt.Items.size(), 1u);
  EXPECT_EQ(receipt.ReceiptId, "");
}

TEST(ReceiptParserTest, UnreadableDocumentDateNamesItsLine) {
  std::vector<std::string> lines = FiscalReceipt({kChleb}, Total());
  lines[2] = Pad("32-05-2014", "000123");
  try {
    ParseLines(lines);
    FAIL() << "no error";
  } catch (const JournalError& error) {
    EXPECT_STREQ(error.what(), "'32.05.2014' is not a valid date");
    EXPECT_EQ(error.Line(), 3);
  }
}

TEST(ReceiptParserTest, ShortInputReadsMissingLinesAsEmpty) {
  // The file ends inside the item block, right after a RABAT line and right after "S U M A".
  for (const std::vector<std::string>& lines : std::vector<std::vector<std::string>>{
           {"NIP: 1", Pad("12-05-2014", "1"), "PARAGON FISKALNY - KOPIA", kChleb},
           {"NIP: 1", Pad("12-05-2014", "1"), "PARAGON FISKALNY - KOPIA", kChleb, "RABAT -1"},
           {"NIP: 1", Pad("12-05-2014", "1"), "PARAGON FISKALNY - KOPIA", testing::Dashes(),
            "S U M A"},
           {"NIP: 1"},
           {"NIP: 1", Pad("12-05-2014", "1")},
       }) {
    std::string text = DayText(lines);
    text.resize(text.size() - 2);  // no final line break
    EXPECT_NO_THROW(ParseReport(1, "x.day", MakeFileBytes(text)));
  }
}

}  // namespace
}  // namespace ej
