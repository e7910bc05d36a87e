#include "journal/card_registry.h"

#include <algorithm>

#include "common/cp1250.h"
#include "common/journal_error.h"
#include "common/text.h"
#include "journal/file_bytes.h"
#include "journal/folder_listing.h"

namespace ej {
namespace {

// The medium status texts, held as fixed character arrays.
constexpr Cp1250Literal kMediumOpen{"NOŚNIK OTWARTY"};
constexpr Cp1250Literal kMediumClosed{"NOŚNIK ZAMKNIĘTY"};
constexpr Cp1250Literal kUpToReport{"DO RAPORTU:"};

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return AsciiUpper(a) == AsciiUpper(b);
}

TECR& RegisterFor(const std::string& ecrId, std::vector<std::unique_ptr<TECR>>& registry) {
  const auto found = std::find_if(registry.begin(), registry.end(), [&](const auto& ecr) {
    return EqualIgnoringAsciiCase(ecr->EcrId, ecrId);
  });
  if (found != registry.end()) return **found;
  registry.push_back(std::make_unique<TECR>(ecrId));
  return *registry.back();
}

}  // namespace

bool ParseEcrFolderName(std::string_view base, std::string& ecrId) {
  if (base.size() != 11) return false;
  for (size_t i = 0; i < 11; ++i) {
    const char c = base[i];
    const bool ok = i < 3 ? (c >= 'A' && c <= 'Z') : (c >= '0' && c <= '9');
    if (!ok) return false;
  }
  ecrId = std::string(base.substr(0, 3)) + " " + std::string(base.substr(3));
  return true;
}

void AppendMediumStatus(std::vector<std::string>& history) {
  bool open = false;
  for (const std::string& line : history) {
    const std::string_view t = Trim(line);
    if (t.substr(0, 11) == kUpToReport.view()) open = t.back() == '-';
  }
  history.push_back(CenterText(open ? kMediumOpen.view() : kMediumClosed.view()));
  history.push_back(CenterText(kDashes40));
}

std::unique_ptr<TSDCard> LoadCard(std::string cardNumber, const std::filesystem::path& path) {
  auto card = std::make_unique<TSDCard>();
  const std::filesystem::path historyFile = FindEntryIgnoringCase(path, "Historia.dat");
  if (!historyFile.empty()) {
    const auto bytes = ReadFileBytes(historyFile, FileReadMode::kBuffer);
    for (std::string_view line : SplitLines(bytes->View())) card->History.emplace_back(line);
    if (!card->History.empty()) AppendMediumStatus(card->History);
  }
  card->CardNumber = std::move(cardNumber);
  card->Path = path;
  return card;
}

void ScanReportFolder(const std::filesystem::path& folder,
                      std::vector<std::unique_ptr<TECR>>& registry) {
  for (const std::filesystem::path& cardFolder : ListSubfolders(folder)) {
    const std::string name = cardFolder.filename().string();
    const size_t dot = name.rfind('.');
    const std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    std::string ecrId;
    if (!ParseEcrFolderName(base, ecrId)) continue;
    TECR& ecr = RegisterFor(ecrId, registry);
    ecr.Cards.push_back(LoadCard(extension, cardFolder));
  }
}

}  // namespace ej
