#include "journal/card_registry.h"

#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/text.h"
#include "journal/folder_listing.h"
#include "testing/temp_folder.h"

namespace ej {
namespace {

using testing::TempFolder;

TEST(CardRegistryTest, FolderNameRule) {
  const std::pair<const char*, const char*> cases[] = {
      {"ABC12345678", "ABC 12345678"}, {"XYZ00000001", "XYZ 00000001"},
      {"abc12345678", nullptr},        {"ABC1234567", nullptr},
      {"AB312345678", nullptr},        {"ABC1234567X", nullptr},
      {"ABC123456789", nullptr},       {"ABC12345678.001", nullptr},
      {"ĄBC12345678", nullptr},        {"", nullptr},
  };
  for (const auto& [base, ecrId] : cases) {
    std::string id;
    EXPECT_EQ(ParseEcrFolderName(Utf8ToCp1250(base), id), ecrId != nullptr) << base;
    if (ecrId != nullptr) {
      EXPECT_EQ(id, ecrId);
    }
  }
}

TEST(CardRegistryTest, GroupsCardFoldersIntoRegisters) {
  TempFolder folder;
  for (const char* name : {"XYZ00000001.010", "ABC12345678.002", "ABC12345678.001",
                           "abc12345678.003", "ABC1234567.001", "AB312345678.001",
                           "ABC1234567X.001", "ABC12345678.001.BAK", "ABC12345678",
                           ".ABC12345678.009", "DEF00000002.x.1"}) {
    folder.MakeFolder(name);
  }
  folder.Write("ABC12345678.004", "a file, not a card folder");
  std::vector<std::unique_ptr<TECR>> registry;
  ScanReportFolder(folder.Path(), registry);

  ASSERT_EQ(registry.size(), 2u);
  EXPECT_EQ(registry[0]->EcrId, "ABC 12345678");
  std::vector<std::string> cards;
  for (const auto& card : registry[0]->Cards) cards.push_back(card->CardNumber);
  EXPECT_EQ(cards, (std::vector<std::string>{"", "001", "002"}));
  EXPECT_EQ(registry[0]->Cards[1]->Path, folder.Path() / "ABC12345678.001");
  EXPECT_EQ(registry[1]->EcrId, "XYZ 00000001");
  ASSERT_EQ(registry[1]->Cards.size(), 1u);
  EXPECT_EQ(registry[1]->Cards[0]->CardNumber, "010");
  EXPECT_TRUE(registry[1]->Cards[0]->History.empty());
}

std::vector<std::string> HistoryOf(const std::vector<std::string>& utf8Lines) {
  std::vector<std::string> history;
  for (const auto& line : utf8Lines) history.push_back(Utf8ToCp1250(line));
  AppendMediumStatus(history);
  return history;
}

TEST(CardRegistryTest, MediumStatusFollowsTheLastDoRaportuLine) {
  const std::string open = std::string(14, ' ') + "NOŚNIK OTWARTY" + std::string(14, ' ');
  const std::string closed = std::string(13, ' ') + "NOŚNIK ZAMKNIĘTY" + std::string(13, ' ');
  const struct {
    std::vector<std::string> lines;
    const std::string& status;
  } cases[] = {
      {{"OD RAPORTU: 0001", "DO RAPORTU: -"}, open},
      {{"DO RAPORTU: -", "DO RAPORTU: 0045"}, closed},
      {{"   DO RAPORTU:   -   \t"}, open},
      {{"HISTORIA"}, closed},
      {{"DO RAPORTU:-"}, open},
      {{"do raportu: -"}, closed},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> history = HistoryOf(c.lines);
    ASSERT_EQ(history.size(), c.lines.size() + 2);
    EXPECT_EQ(Cp1250ToUtf8(history[history.size() - 2]), c.status) << c.lines.back();
    EXPECT_EQ(history.back(), CenterText(kDashes40));
  }
}

TEST(CardRegistryTest, ReadsTheHistoryFileIgnoringLetterCase) {
  TempFolder folder;
  folder.Write("ABC12345678.001/HISTORIA.DAT", "NR: 001\r\nDO RAPORTU: -\rkoniec\n");
  folder.Write("ABC12345678.002/Historia.dat", "exact\r\n");
  folder.Write("ABC12345678.002/HISTORIA.dat", "other\r\n");
  folder.Write("ABC12345678.003/Historia.dat", "");
  std::vector<std::unique_ptr<TECR>> registry;
  ScanReportFolder(folder.Path(), registry);
  ASSERT_EQ(registry.at(0)->Cards.size(), 3u);
  const auto& first = registry[0]->Cards[0]->History;
  ASSERT_EQ(first.size(), 5u);
  EXPECT_EQ(first[0], "NR: 001");
  EXPECT_EQ(first[2], "koniec");
  EXPECT_EQ(Trim(first[3]), Utf8ToCp1250("NOŚNIK OTWARTY"));
  EXPECT_EQ(registry[0]->Cards[1]->History.at(0), "exact");
  EXPECT_TRUE(registry[0]->Cards[2]->History.empty()) << "an empty history gets no status";
}

TEST(FolderListingTest, ListsInNtfsOrder) {
  const struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"a", "B", -1}, {"B", "a", 1}, {"A", "_", -1}, {"_", "a", 1}, {"abc", "ABC", 1},
      {"ABC", "abc", -1}, {"ab", "abc", -1}, {"10", "9", -1}, {"x", "x", 0},
  };
  for (const auto& c : cases) {
    const int result = CompareEntryNames(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " " << c.b;
  }
  TempFolder folder;
  for (const char* name : {"zeta", "Beta", "alpha", "_x", "Alpha2", ".hidden"}) folder.MakeFolder(name);
  folder.Write("file", "");
  std::vector<std::string> names;
  for (const auto& path : ListSubfolders(folder.Path())) names.push_back(path.filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "Alpha2", "Beta", "zeta", "_x"}));
  EXPECT_TRUE(ListSubfolders(folder.Path() / "missing").empty());
}

}  // namespace
}  // namespace ej
