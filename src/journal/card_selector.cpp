#include "journal/card_selector.h"

#include "common/format.h"
#include "journal/card_registry.h"

namespace ej {

void CardSelector::RaiseClearResults() const {
  if (OnClearResults) OnClearResults();
}

void CardSelector::ClearRegistry() {
  registry_.clear();
  selectedEcr_ = -1;
  cardList_.clear();
  selectedCard_ = -1;
}

void CardSelector::Load() {
  RaiseClearResults();
  if (!registry_.empty()) ClearRegistry();
  ScanReportFolder(ReportFolder, registry_);
  if (!registry_.empty()) SelectEcr(0);
}

void CardSelector::SelectEcr(int index) {
  if (index < 0 || index >= static_cast<int>(registry_.size())) return;
  selectedEcr_ = index;
  RaiseClearResults();
  cardList_.clear();
  selectedCard_ = -1;
  for (const auto& card : registry_[static_cast<size_t>(index)]->Cards) {
    cardList_.push_back(card->CardNumber);
  }
  if (!cardList_.empty()) SelectCard(static_cast<int>(cardList_.size()) - 1);
}

void CardSelector::SelectCard(int index) {
  if (index < 0 || index >= static_cast<int>(cardList_.size())) return;
  selectedCard_ = index;
  RaiseClearResults();
  TSDCard* card = SelectedCard();
  if (card == nullptr) return;
  if (!card->Years.empty()) card->ClearIndex();
  BuildCardIndex(*card, Options);
  const int32_t lo = LowestReportNumber(*card);
  const int32_t hi = HighestReportNumber(*card);
  labels_.FromNum = Format("%.4d", {lo});
  labels_.ToNum = Format("%.4d", {hi});
  const int64_t total = lo == 0 && hi == 0 ? 0 : int64_t{hi} - lo + 1;
  labels_.TotalRpt = Format("%d", {total});
  auto dateLabel = [](DateTime date) {
    return date.IsZero() ? std::string() : FormatDateTime("dd.MM.yyyy", date);
  };
  labels_.FromDate = dateLabel(card->FirstReportDate);
  labels_.ToDate = dateLabel(card->LastReportDate);
  if (OnReportRange) OnReportRange(card->FirstReportDate, card->LastReportDate);
}

void CardSelector::ShowHistory() {
  if (cardList_.empty()) return;
  TSDCard* card = SelectedCard();
  if (card != nullptr && OnShowHistory) OnShowHistory(card->History);
}

TECR* CardSelector::SelectedEcr() const {
  return selectedEcr_ >= 0 ? registry_[static_cast<size_t>(selectedEcr_)].get() : nullptr;
}

int CardSelector::FindCardIndex(std::string_view cardNumber) const {
  const TECR* ecr = SelectedEcr();
  if (ecr == nullptr) return -1;
  for (size_t i = 0; i < ecr->Cards.size(); ++i) {
    if (ecr->Cards[i]->CardNumber == cardNumber) return static_cast<int>(i);
  }
  return -1;
}

int CardSelector::SelectedCardPosition() const {
  if (selectedCard_ < 0) return -1;
  return FindCardIndex(cardList_[static_cast<size_t>(selectedCard_)]);
}

TSDCard* CardSelector::SelectedCard() const {
  const int position = SelectedCardPosition();
  return position < 0 ? nullptr : SelectedEcr()->Cards[static_cast<size_t>(position)].get();
}

}  // namespace ej
