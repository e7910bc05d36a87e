#include "common/amount.h"

#include <gtest/gtest.h>

namespace ej {
namespace {

struct ParseCase {
  const char* text;
  int64_t raw;
};

TEST(AmountTest, ParsesTheJournalNumberForms) {
  const ParseCase cases[] = {
      {"0", 0},           {"12", 120000},        {"-3.5", -35000},   {"+2.25", 22500},
      {"5.", 50000},      {".5", 5000},          {"  7.10  ", 71000}, {"1.23456", 12346},
      {"1.23455", 12346}, {"1.23454", 12345},    {"-1.23455", -12346}, {"0.00005", 1},
      {"-0.00004", 0},    {"123456.7890", 1234567890},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseAmount(c.text).Raw(), c.raw) << c.text;
  }
}

TEST(AmountTest, AnythingElseReadsZero) {
  for (const char* text : {"", " ", ".", "-", "+", "1,5", "1e3", "1 000", "12a", "a12", "1.2.3",
                           "--1", "%", "23.00%", "99999999999999999999"}) {
    EXPECT_EQ(ParseAmount(text).Raw(), 0) << text;
  }
}

struct FormatCase {
  int64_t raw;
  int decimals;
  const char* text;
};

TEST(AmountTest, FormatsFromTheIntegerWithTiesAwayFromZero) {
  const FormatCase cases[] = {
      {0, 2, "0.00"},          {12345, 2, "1.23"},      {12350, 2, "1.24"},
      {-12350, 2, "-1.24"},    {-49, 2, "0.00"},        {-50, 2, "-0.01"},
      {25000, 3, "2.500"},     {5, 3, "0.001"},         {-4, 3, "0.000"},
      {123456789012, 2, "12345678.90"}, {10000, 0, "1"}, {-15000, 0, "-2"},
      {70000, 4, "7.0000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatAmount(Amount::FromRaw(c.raw), c.decimals), c.text) << c.raw;
  }
}

TEST(AmountTest, ProductsAndQuotientsRoundOnceToFourDecimals) {
  // 2.99 * 10 / 100 = 0.299
  EXPECT_EQ(MulDiv(ParseAmount("2.99"), ParseAmount("10"), 100).Raw(), 2990);
  // 0.0005 * 0.5 = 0.00025 -> 0.0003 (tie away from zero); negative mirrors it
  EXPECT_EQ(MulDiv(ParseAmount("0.0005"), ParseAmount("0.5"), 1).Raw(), 3);
  EXPECT_EQ(MulDiv(ParseAmount("-0.0005"), ParseAmount("0.5"), 1).Raw(), -3);
  // 1 / 3 * 100 = 33.3333; 2 / 3 * 100 = 66.6667
  EXPECT_EQ(PercentOf(ParseAmount("1"), ParseAmount("3")).Raw(), 333333);
  EXPECT_EQ(PercentOf(ParseAmount("2"), ParseAmount("-3")).Raw(), -666667);
  EXPECT_EQ(RoundAmount(ParseAmount("66.665"), 2).Raw(), 666700);
}

}  // namespace
}  // namespace ej
