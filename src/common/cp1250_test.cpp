#include "common/cp1250.h"

#include <gtest/gtest.h>

namespace ej {
namespace {

TEST(Cp1250Test, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Cp1250Test, DecodesPolishTextAndTheUndefinedBytes) {
  EXPECT_EQ(Cp1250ToUtf8("\xA3\xA5\x8C\xCA\xD3\xAF\x8F\xC6\xD1 \x96"), "ŁĄŚĘÓŻŹĆŃ –");
  EXPECT_EQ(Cp1250ToUtf8("\x81\x98"), "\u0081\u0098");
  EXPECT_EQ(Utf8ToCp1250("ąę€"), "\xB9\xEA\x80");
  EXPECT_EQ(Utf8ToCp1250("Ω\xFF"), "??");
}

TEST(Cp1250Test, UpperCasesLikeAnUpperCaseEditField) {
  EXPECT_EQ(Cp1250ToUtf8(Cp1250Upper(Utf8ToCp1250("mleko łąka żółć źdźbło śnieg ńę"))),
            "MLEKO ŁĄKA ŻÓŁĆ ŹDŹBŁO ŚNIEG ŃĘ");
  EXPECT_EQ(Cp1250ToUtf8(Cp1250Upper(Utf8ToCp1250("ß÷µ1x"))), "ß÷µ1X");
}

TEST(Cp1250Test, LiteralsAreEncodedAtCompileTime) {
  constexpr Cp1250Literal kMarker{"ZEROWANIE PAMIĘCI"};
  static_assert(kMarker.view().size() == 17);
  EXPECT_EQ(kMarker.view(), "ZEROWANIE PAMI\xCA" "CI");
}

}  // namespace
}  // namespace ej
