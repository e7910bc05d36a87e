#include "common/integer.h"

#include <gtest/gtest.h>

#include "common/journal_error.h"

namespace ej {
namespace {

TEST(IntegerTest, ReadsOnlySignAndDigitsWithin32Bits) {
  const std::pair<const char*, int32_t> cases[] = {
      {"0", 0},     {"0123", 123},           {"-45", -45},        {"+7", 7},
      {"2147483647", 2147483647},            {"-2147483648", -2147483648LL},
      {"2147483648", 0}, {" 12", 0},         {"12 ", 0},          {"1.0", 0},
      {"", 0},      {"-", 0},                {"$1F", 0},          {"12a", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInteger(text), value) << text;
}

TEST(IntegerTest, StrictConversionNamesTheText) {
  EXPECT_EQ(StrToInt("0012"), 12);
  try {
    StrToInt("12a");
    FAIL() << "no error";
  } catch (const JournalError& error) {
    EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
  }
}

}  // namespace
}  // namespace ej
