#include "common/text.h"

#include <gtest/gtest.h>

namespace ej {
namespace {

TEST(TextTest, TrimRemovesCodesUpTo32Only) {
  EXPECT_EQ(Trim(std::string_view("\t \x01 ABC \r\n\0", 12)), "ABC");
  EXPECT_EQ(Trim("\xA0" "A\xA0"), "\xA0" "A\xA0");  // a non-breaking space is kept
  EXPECT_EQ(Trim("   "), "");
}

TEST(TextTest, CenterTextGivesTheOddBlankToTheRight) {
  EXPECT_EQ(CenterText("AB", 5), " AB  ");
  EXPECT_EQ(CenterText("ABC", 5), " ABC ");
  EXPECT_EQ(CenterText("ABCDEF", 5), "ABCDEF");
  EXPECT_EQ(CenterText("", 2), "  ");
  EXPECT_EQ(CenterText(kDashes40), " " + std::string(kDashes40) + " ");
}

TEST(TextTest, CountOccurrencesCountsOverlapsAndNothingPastTheEnd) {
  const struct {
    const char* text;
    const char* pattern;
    int count;
  } cases[] = {
      {"MLEKO", "LEKO", 1}, {"AAAA", "AA", 3}, {"MLEKO", "", 0}, {"MLEKO", "mleko", 0},
      {"KO", "KOT", 0},     {"", "A", 0},      {"ABAB", "AB", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(CountOccurrences(c.text, c.pattern), c.count) << c.text;
}

TEST(TextTest, LastWordIsAfterTheLastBlank) {
  EXPECT_EQ(LastWord("WALUTA PLN"), "PLN");
  EXPECT_EQ(LastWord("WALUTA "), "");
  EXPECT_EQ(LastWord("PLN"), "PLN");
  EXPECT_EQ(LastWord("A\tB"), "A\tB");
}

TEST(TextTest, DashLineIsComparedTrimmed) {
  EXPECT_TRUE(IsDashLine(" " + std::string(kDashes40) + " "));
  EXPECT_FALSE(IsDashLine(std::string(kDashes40.substr(1))));
  EXPECT_FALSE(IsDashLine(std::string(40, '-')));
}

TEST(TextTest, SplitLinesEndsLinesAtCrLfCrOrLf) {
  const std::vector<std::string_view> expected = {"A", "", "B", "C", ""};
  EXPECT_EQ(SplitLines("A\r\n\rB\nC\n\r\n"), expected);
  EXPECT_EQ(SplitLines("A"), std::vector<std::string_view>{"A"});
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace ej
