#include "journal/day_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace ej {
namespace {

std::vector<std::string_view> AllLines(const DayFile& file) {
  std::vector<std::string_view> lines;
  for (size_t i = 0; i < file.LineCount(); ++i) lines.push_back(file.Line(i));
  return lines;
}

TEST(DayFileTest, LinesEndAtCrLfCrOrLf) {
  const struct {
    const char* text;
    std::vector<std::string_view> lines;
  } cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\n", {"A"}},
      {"A\r\nB", {"A", "B"}},
      {"A\rB\nC\r\n", {"A", "B", "C"}},
      {"\r\n\r\n", {"", ""}},
      {"A\r\r\nB", {"A", "", "B"}},
      {"A\n\rB", {"A", "", "B"}},
      {"A\r", {"A"}},
  };
  for (const auto& c : cases) {
    const DayFile file(MakeFileBytes(c.text));
    EXPECT_EQ(AllLines(file), c.lines) << c.text;
  }
}

TEST(DayFileTest, LinesPastTheEndAreEmpty) {
  const DayFile file(MakeFileBytes("A\r\nB\r\n"));
  EXPECT_EQ(file.Line(2), "");
  EXPECT_EQ(file.Line(1000), "");
  const LineSpan span(&file, 1, 1);
  EXPECT_EQ(span[0], "B");
  EXPECT_EQ(span[1], "");
}

TEST(DayFileTest, MappedAndBufferedReadsGiveTheSameLines) {
  const auto path = std::filesystem::temp_directory_path() / "ej_day_file_test.day";
  {
    std::ofstream out(path, std::ios::binary);
    out << "NIP: 1\r\n\x96\x96\r\nEND";
  }
  const DayFile mapped(ReadFileBytes(path, FileReadMode::kMap));
  const DayFile buffered(ReadFileBytes(path, FileReadMode::kBuffer));
  EXPECT_EQ(AllLines(mapped), AllLines(buffered));
  EXPECT_EQ(mapped.LineCount(), 3u);
  std::filesystem::remove(path);

  const auto empty = std::filesystem::temp_directory_path() / "ej_day_file_empty.day";
  { std::ofstream out(empty, std::ios::binary); }
  EXPECT_EQ(DayFile(ReadFileBytes(empty, FileReadMode::kMap)).LineCount(), 0u);
  std::filesystem::remove(empty);
}

}  // namespace
}  // namespace ej
