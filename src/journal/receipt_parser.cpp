#include "journal/receipt_parser.h"

#include <string>

#include "common/format.h"
#include "common/integer.h"
#include "common/journal_error.h"
#include "common/text.h"
#include "journal/line_readers.h"
#include "journal/markers.h"

namespace ej {
namespace {

bool IsCorrection(std::string_view line) { return Trim(line) == marker::kCorrection.view(); }

bool IsAdjustment(std::string_view prefix5) {
  return prefix5 == marker::kDiscount.view() || prefix5 == marker::kMarkup.view();
}

bool IsNote(std::string_view line) {
  return line.starts_with('#') && !line.ends_with('#') &&
         static_cast<int>(line.size()) != kLineWidth;
}

// The word ending at `last` (inclusive, 0-based), back to the preceding blank.
std::string_view WordEndingAt(std::string_view line, size_t last) {
  size_t begin = last + 1;
  while (begin > 0 && line[begin - 1] != ' ') --begin;
  return line.substr(begin, last + 1 - begin);
}

// Runs a reader and tags a JournalError with the day-file line it came from.
template <typename Reader>
auto AtLine(uint32_t fileLine, Reader&& reader) {
  try {
    return reader();
  } catch (JournalError& error) {
    if (error.Line() == 0) error.SetLine(static_cast<int>(fileLine) + 1);
    throw;
  }
}

// The lines of the item block: indexes into the document, a missing one reads as empty.
class ItemBlock {
 public:
  ItemBlock(const LineSpan& lines, const std::vector<uint32_t>& indexes)
      : lines_(lines), indexes_(indexes) {}
  size_t size() const { return indexes_.size(); }
  std::string_view operator[](size_t i) const {
    return i < indexes_.size() ? lines_[indexes_[i]] : std::string_view();
  }
  uint32_t FileLine(size_t i) const {
    return lines_.First() + (i < indexes_.size() ? indexes_[i] : indexes_.back());
  }

 private:
  const LineSpan& lines_;
  const std::vector<uint32_t>& indexes_;
};

TItem ReadItem(const ItemBlock& block, size_t i, int lineCount) {
  const std::string_view l1 = block[i];
  const std::string_view l2 = block[i + 1];
  const std::string_view l3 = block[i + 2];
  const size_t valueAt = i + static_cast<size_t>(lineCount) - 1;
  const std::string_view valueLine = lineCount == 1 ? l1 : lineCount == 2 ? l2 : l3;
  std::string_view quantityLine = l1;
  if (lineCount == 2 && ContainsX(l2)) quantityLine = l2;
  if (lineCount == 3) quantityLine = l2;

  TItem item;
  item.VatLetter = AtLine(block.FileLine(valueAt), [&] { return ItemVatLetter(valueLine); });
  item.Amount = ItemAmount(valueLine);
  item.Quantity = ItemQuantity(quantityLine);
  item.Name = AtLine(block.FileLine(i), [&] { return ItemName(l1); });
  return item;
}

void ParseItems(const ItemBlock& block, std::vector<TItem>& items) {
  bool noteSeen = false;
  int lastKind = 0;  // lines of the last item read; 0 before the first
  for (size_t i = 0; i < block.size();) {
    const std::string_view line = block[i];
    if (IsNote(line)) {
      noteSeen = true;
      ++i;
      continue;
    }
    if (IsCorrection(line) && lastKind != 0) {
      i += static_cast<size_t>(lastKind) + 1 + (noteSeen ? 1 : 0);
      continue;
    }
    const int kind = static_cast<int>(line.size()) == kLineWidth                 ? 1
                     : static_cast<int>(block[i + 1].size()) == kLineWidth ? 2
                                                                                  : 3;
    lastKind = kind;
    TItem item = ReadItem(block, i, kind);
    const size_t n = static_cast<size_t>(kind);
    const size_t j = i + n;
    if (j >= block.size()) {
      items.push_back(item);
      return;
    }
    if (IsAdjustment(block[j].substr(0, 5))) {
      item.Amount += TrailingAmount(Trim(block[j]));
      if (j + 1 >= block.size()) {
        items.push_back(item);
        return;
      }
      if (IsCorrection(block[j + 1])) {
        i = j + n + 3;
      } else {
        items.push_back(item);
        i = j + 1;
      }
    } else if (IsCorrection(block[j])) {
      i = kind == 1 ? j + 2 : j;
    } else {
      items.push_back(item);
      i = j;
    }
  }
}

// A receipt-level discount (negative amount) or markup spread over the receipt's items.
void ApplyReceiptAdjustment(std::string_view line, bool markup, std::span<TItem> items) {
  Amount percent;
  if (DiscountPercent(line, percent)) {
    for (TItem& item : items) {
      const Amount part = MulDiv(item.Amount, percent, 100);
      item.Amount = markup ? item.Amount + part : item.Amount - part;
    }
    return;
  }
  const Amount adjustment = TrailingAmount(line);
  Amount total;
  for (const TItem& item : items) total += item.Amount;
  if (total.IsZero()) return;
  for (TItem& item : items) {
    // Each item's share is a percentage with two decimals, its part an amount with two.
    const Amount share = RoundAmount(PercentOf(item.Amount, total), 2);
    const Amount part = RoundAmount(MulDiv(adjustment, share, 100), 2);
    item.Amount += part;
  }
}

void ReadReceiptId(TReceipt& receipt, std::string_view id) {
  receipt.ReceiptId = std::string(id);
  const size_t slash = id.find('/');
  receipt.ReceiptNumber = slash == std::string_view::npos ? 0 : ParseInteger(id.substr(0, slash));
  receipt.NumberAfterSlash =
      ParseInteger(slash == std::string_view::npos ? id : id.substr(slash + 1));
}

}  // namespace

char ItemVatLetter(std::string_view line) {
  const char letter = line.empty() ? '\0' : line.back();
  if (letter < 'A' || letter > 'G') throw JournalError("Incorrect VAT rate!");
  return letter;
}

Amount ItemAmount(std::string_view line) {
  if (line.size() < 3) return Amount();
  return ParseAmount(WordEndingAt(line, line.size() - 3));
}

Amount ItemQuantity(std::string_view line) {
  if (line.size() < 3) return Amount();
  const size_t x = line.rfind('x', line.size() - 3);
  if (x == std::string_view::npos || x == 0) return Amount();
  if (line[x - 1] == ' ') return Amount();
  return ParseAmount(WordEndingAt(line, x - 1));
}

std::string_view ItemName(std::string_view line) {
  const size_t x = line.find('x');
  if (x == std::string_view::npos) return Trim(line);
  const size_t blank = line.substr(0, x).rfind(' ');
  if (blank == std::string_view::npos) throw JournalError("Incorrect item name!");
  return Trim(line.substr(0, blank));
}

bool ContainsX(std::string_view line) { return line.find('x') != std::string_view::npos; }

bool DiscountPercent(std::string_view line, Amount& percent) {
  if (line.size() < 6) return false;
  const size_t sign = line.find('%', 5);
  if (sign == std::string_view::npos) return false;
  percent = ParseAmount(line.substr(5, sign - 5));
  return true;
}

Amount ReceiptTotal(const TReceipt& receipt) {
  Amount total;
  for (const TItem& item : receipt.Items) total += item.Amount;
  return total;
}

void ReadDateAndId(TReceipt& receipt) {
  for (size_t q = 0; q < receipt.Lines.size(); ++q) {
    if (!Trim(receipt.Lines[q]).starts_with(marker::kNip.view())) continue;
    const std::string_view v = Trim(receipt.Lines[q + 1]);
    receipt.Date = AtLine(receipt.Lines.First() + static_cast<uint32_t>(q) + 1,
                          [&] { return ReadJournalDate(v); });
    receipt.ReceiptId = Format("%s/%s", {LastWord(v), FormatDateTime("ddMMyyyy", receipt.Date)});
    return;
  }
}

void ParseReceipt(TReceipt& receipt, std::vector<TItem>& items) {
  const LineSpan& lines = receipt.Lines;
  const size_t itemsFirst = items.size();
  thread_local std::vector<uint32_t> collected;
  collected.clear();
  bool inItems = false;
  bool itemsDone = false;
  auto receiptItems = [&] {
    return std::span<TItem>(items.data() + itemsFirst, items.size() - itemsFirst);
  };

  for (size_t q = 0; q < lines.size();) {
    const std::string_view t = Trim(lines[q]);
    if (!receipt.Cancelled && t == marker::kCancelled.view()) {
      receipt.Cancelled = true;
      ReadDateAndId(receipt);
      return;
    }
    if (t.starts_with(marker::kTotal.view())) {
      size_t step = 1;
      std::string_view id = lines[q + 1].substr(0, 10);
      if (id == marker::kItemCount.view()) {
        id = lines[q + 2].substr(0, 10);
        step = 2;
      }
      ReadReceiptId(receipt, id);
      q += step;
      continue;
    }
    if (t.starts_with(marker::kNip.view())) {
      const std::string_view v = lines[q + 1];
      if (static_cast<int>(v.size()) != kLineWidth) return;
      receipt.Date = AtLine(lines.First() + static_cast<uint32_t>(q) + 1,
                            [&] { return ReadJournalDate(v); });
      receipt.HeaderNumber = ParseInteger(Trim(v.substr(10)));
      q += 2;
      continue;
    }
    if (itemsDone) {
      const std::string_view w = t.substr(0, 5);
      const bool discount = w == marker::kDiscount.view();
      if (discount || w == marker::kMarkup.view()) {
        if (IsCorrection(lines[q + 1])) {
          q += 4;
          continue;
        }
        ApplyReceiptAdjustment(t, !discount, receiptItems());
      }
      ++q;
    } else if (!inItems) {
      inItems = t == marker::kFiscalReceipt.view();
      collected.clear();
      ++q;
    } else if (t != kDashes40) {
      collected.push_back(static_cast<uint32_t>(q));
      ++q;
    } else {
      inItems = false;
      ParseItems(ItemBlock(lines, collected), items);
      itemsDone = true;
      ++q;
    }
  }
}

}  // namespace ej
