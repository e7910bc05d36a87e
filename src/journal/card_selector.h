// The card selector: the registry of the report folder, the selected register and card, and the
// " Reports " box of the selected card. The window's selector frame mirrors it in two drop-down
// lists and its labels; the command line uses it directly. Each step raises the same events, in
// the same order, as the frame's load button, register list, card list and info button.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "journal/card.h"
#include "journal/card_index.h"

namespace ej {

// The five values of the " Reports " box.
struct ReportRangeLabels {
  std::string FromNum;
  std::string ToNum;
  std::string TotalRpt;
  std::string FromDate;
  std::string ToDate;
};

class CardSelector {
 public:
  std::filesystem::path ReportFolder;
  IndexOptions Options;

  // Raised before every change of the selection (load, register change, card change).
  std::function<void()> OnClearResults;
  // Raised after a card has been indexed, with its first and last report date.
  std::function<void(DateTime, DateTime)> OnReportRange;
  // Raised by ShowHistory with the selected card's history lines.
  std::function<void(const std::vector<std::string>&)> OnShowHistory;

  // Discards the registry, rescans ReportFolder, selects the first register and its last card
  // and indexes that card. Throws JournalError on an unreadable history or a day-file error.
  void Load();
  // Selects register `index` and its last card (indexing it).
  void SelectEcr(int index);
  // Selects card `index` of the card list and indexes it again from the disk.
  void SelectCard(int index);
  // Raises OnShowHistory with the selected card's history.
  void ShowHistory();
  void ClearRegistry();

  const std::vector<std::unique_ptr<TECR>>& Registry() const { return registry_; }
  int SelectedEcrIndex() const { return selectedEcr_; }
  TECR* SelectedEcr() const;
  // The texts of the card list: the card numbers of the selected register.
  const std::vector<std::string>& CardList() const { return cardList_; }
  int SelectedCardIndex() const { return selectedCard_; }
  // The selected card's position in the register's Cards (FindCardIndex of the selected
  // card-list text), or -1.
  int SelectedCardPosition() const;
  // The card the searches work on, or nullptr.
  TSDCard* SelectedCard() const;
  // Position of the first card of the selected register whose CardNumber equals the text
  // exactly, or -1.
  int FindCardIndex(std::string_view cardNumber) const;

  const ReportRangeLabels& Labels() const { return labels_; }

 private:
  void RaiseClearResults() const;

  std::vector<std::unique_ptr<TECR>> registry_;
  int selectedEcr_ = -1;
  std::vector<std::string> cardList_;
  int selectedCard_ = -1;
  ReportRangeLabels labels_;
};

}  // namespace ej
