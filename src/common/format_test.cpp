#include "common/format.h"

#include <gtest/gtest.h>

namespace ej {
namespace {

TEST(FormatTest, IntegersTextsAndAmounts) {
  EXPECT_EQ(Format("%.4d", {12}), "0012");
  EXPECT_EQ(Format("%.4d", {12345}), "12345");
  EXPECT_EQ(Format("%.4d", {-5}), "-0005");
  EXPECT_EQ(Format("%.6d", {1234567}), "1234567");
  EXPECT_EQ(Format("%d", {0}), "0");
  EXPECT_EQ(Format("[%10.10s]", {"ABC"}), "[       ABC]");
  EXPECT_EQ(Format("[%10.10s]", {"ABCDEFGHIJKL"}), "[ABCDEFGHIJ]");
  EXPECT_EQ(Format("[%-6.6s]", {"AB"}), "[AB    ]");
  EXPECT_EQ(Format("[%3s]", {"PLN"}), "[PLN]");
  EXPECT_EQ(Format("[%3s]", {""}), "[   ]");
  EXPECT_EQ(Format("[%3s]", {"ABCDE"}), "[ABCDE]");
  EXPECT_EQ(Format("%.2f", {ParseAmount("1234.505")}), "1234.51");
  EXPECT_EQ(Format("x %.3f", {ParseAmount("2")}), "x 2.000");
  EXPECT_EQ(Format("[%8.2f]", {ParseAmount("-0.004")}), "[    0.00]");
  EXPECT_EQ(Format("%s/%s 100%%", {"1", "2"}), "1/2 100%");
  EXPECT_EQ(Format("%-23.23s%1.1s%18.18s", {"ZEROWANIE RAM", " ", "3"}),
            "ZEROWANIE RAM" + std::string(10, ' ') + " " + std::string(17, ' ') + "3");
}

TEST(FormatTest, MismatchedArgumentsAreAProgrammingError) {
  EXPECT_THROW(Format("%d", {"text"}), std::invalid_argument);
  EXPECT_THROW(Format("%s %s", {"one"}), std::invalid_argument);
}

}  // namespace
}  // namespace ej
