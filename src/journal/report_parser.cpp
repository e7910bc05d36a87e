#include <limits>

#include "common/journal_error.h"
#include "common/text.h"
#include "journal/line_readers.h"
#include "journal/markers.h"
#include "journal/receipt_parser.h"
#include "journal/report.h"

namespace ej {
namespace {

// The day file's lines; a line past either end reads as empty.
class Lines {
 public:
  explicit Lines(const DayFile& file) : file_(file) {}
  size_t size() const { return file_.LineCount(); }
  std::string_view operator[](size_t i) const { return file_.Line(i); }
  bool HasNext(size_t i) const { return i + 1 < size(); }

 private:
  const DayFile& file_;
};

void TagLine(JournalError& error, size_t line) {
  if (error.Line() == 0) error.SetLine(static_cast<int>(line) + 1);
}

void CountRamReset(TReport& report, size_t line) {
  if (report.RamResets == std::numeric_limits<uint8_t>::max()) {
    throw JournalError("Integer overflow", {}, static_cast<int>(line) + 1);
  }
  ++report.RamResets;
}

// A line of the daily report itself, after its heading.
void ReadReportLine(TReport& report, const Lines& l, size_t i, std::string_view t,
                    std::vector<uint32_t>& reportLines, bool& dateFound, bool& skipRest) {
  reportLines.push_back(static_cast<uint32_t>(i));
  if (!dateFound && t == kDashes40) {
    try {
      report.Date = ReadJournalDate(l[i + 1]);
    } catch (JournalError& error) {
      TagLine(error, i + 1);
      throw;
    }
    dateFound = true;
  }
  if (t.starts_with(marker::kCurrency.view())) {
    report.CurrencyName = LastWord(l[i]);
    report.CurrencyText = std::string(l[i]) + "\r\n" + std::string(l[i + 1]);
  }
  if (t.starts_with(marker::kRamReset.view())) CountRamReset(report, i);
  if (t.starts_with(marker::kGoodsDbChange.view())) {
    report.GoodsDbChanges = TrailingInteger(t);
    skipRest = true;
    return;
  }
  if (!report.CurrencyChanged && t.starts_with(marker::kCurrencyChange.view())) {
    report.CurrencyChanged = true;
  }
}

// Pass 1: the report's lines and the day's events.
void ReadReportSection(TReport& report, const Lines& l) {
  std::vector<uint32_t> reportLines;
  bool inReport = false;
  bool dateFound = false;
  for (size_t i = 0; i < l.size(); ++i) {
    const std::string_view t = Trim(l[i]);
    if (!report.VatRatesProgrammed && l.HasNext(i)) {
      report.VatRatesProgrammed =
          t == marker::kProgramming.view() && Trim(l[i + 1]) == marker::kVatRates.view();
    }
    if (inReport) {
      if (t == marker::kDaily.view()) continue;
      bool skipRest = false;
      ReadReportLine(report, l, i, t, reportLines, dateFound, skipRest);
      if (skipRest) continue;
    } else if (t == marker::kReportHeading.view() && Trim(l[i + 1]) != marker::kMonthly.view()) {
      if (i >= 2) {
        report.HeaderNumber = TrailingInteger(l[i - 2]);
        inReport = report.HeaderNumber != 0;
      }
    }
    if (t == marker::kSha1.view() && l[i + 1].starts_with('#')) report.Sha1Line = l[i + 1];
  }
  report.Lines = ReportLines(&report.File(), std::move(reportLines));
}

// Pass 2: the VAT rates and the per-letter totals, over the report's lines.
void ReadRatesAndTotals(TReport& report) {
  bool totalsSeen = false;
  auto letterAt = [](std::string_view line, size_t pos) {
    return pos < line.size() ? VatLetterIndex(line[pos]) : -1;
  };
  for (size_t k = 0; k < report.Lines.size(); ++k) {
    const std::string_view raw = report.Lines[k];
    const std::string_view t = Trim(raw);
    if (t.starts_with(marker::kPtu.view())) {
      if (letterAt(t, 4) >= 0) report.VatRates.push_back({t[4], TrailingRate(t), false});
      continue;
    }
    if (t.size() == 11 && t.substr(2) == marker::kExempt.view()) {
      report.VatRates.push_back({t[0], Amount(), true});
      continue;
    }
    if (raw.starts_with(marker::kTaxedSales.view())) {
      totalsSeen = true;
      if (int letter = letterAt(raw, 16); letter >= 0) report.Sales[letter] += TrailingAmount(raw);
    }
    if (raw.starts_with(marker::kExemptSales.view())) {
      totalsSeen = true;
      if (int letter = letterAt(raw, 14); letter >= 0) report.Sales[letter] += TrailingAmount(raw);
    }
    if (raw.starts_with(marker::kVatAmount.view())) {
      totalsSeen = true;
      if (int letter = letterAt(raw, 10); letter >= 0) report.Vat[letter] += TrailingAmount(raw);
    }
    if (totalsSeen && t == kDashes40) break;
  }
}

// A fiscal receipt runs to the line before the first empty line that is not followed by a
// "ROZLICZENIE" line, or to the end of the file.
uint32_t FiscalReceiptEnd(const Lines& l, size_t nip) {
  size_t k = nip;
  for (; k < l.size(); ++k) {
    if (Trim(l[k]).empty() && !Trim(l[k + 1]).starts_with(marker::kSettlement.view())) break;
  }
  return static_cast<uint32_t>(k);
}

// A non-fiscal document runs through its second marker line and the two lines after it.
uint32_t NonFiscalEnd(const Lines& l, size_t nip) {
  bool seen = false;
  for (size_t k = nip; k < l.size(); ++k) {
    if (Trim(l[k]) != marker::kNonFiscal.view()) continue;
    if (seen) return static_cast<uint32_t>(std::min(k + 3, l.size()));
    seen = true;
  }
  return static_cast<uint32_t>(l.size());
}

// Pass 3: the documents, each starting at a NIP line.
void ReadDocuments(TReport& report, const Lines& l, std::vector<TItem>& items,
                   std::vector<size_t>& itemStarts) {
  for (size_t i = 0; i < l.size(); ++i) {
    if (!Trim(l[i]).starts_with(marker::kNip.view())) continue;
    report.NipLine = l[i];
    const std::string_view title = Trim(l[i + 2]);
    const auto first = static_cast<uint32_t>(i);
    if (title == marker::kFiscalReceipt.view()) {
      ++report.ReceiptCount;
      TReceipt receipt;
      receipt.Lines = LineSpan(&report.File(), first, FiscalReceiptEnd(l, i) - first);
      itemStarts.push_back(items.size());
      ParseReceipt(receipt, items);
      report.Receipts.push_back(std::move(receipt));
    } else if (title == marker::kNonFiscal.view()) {
      TReceipt receipt;
      receipt.NonFiscal = true;
      receipt.Lines = LineSpan(&report.File(), first, NonFiscalEnd(l, i) - first);
      itemStarts.push_back(items.size());
      ReadDateAndId(receipt);
      report.Receipts.push_back(std::move(receipt));
    }
  }
}

}  // namespace

TReport ParseReport(int32_t number, std::string fileName, std::unique_ptr<FileBytes> bytes) {
  TReport report;
  report.Number = number;
  report.FileName = std::move(fileName);
  try {
    report.file_ = std::make_unique<DayFile>(std::move(bytes));
    const Lines lines(*report.file_);
    ReadReportSection(report, lines);
    ReadRatesAndTotals(report);
    std::vector<size_t> itemStarts;
    ReadDocuments(report, lines, report.items_, itemStarts);
    // The item store has stopped growing: point every document at its own sale lines.
    for (size_t d = 0; d < report.Receipts.size(); ++d) {
      const size_t end = d + 1 < itemStarts.size() ? itemStarts[d + 1] : report.items_.size();
      report.Receipts[d].Items =
          std::span<const TItem>(report.items_.data() + itemStarts[d], end - itemStarts[d]);
    }
  } catch (JournalError& error) {
    if (error.File().empty()) error.SetFile(report.FileName);
    throw;
  }
  return report;
}

TReport LoadReport(int32_t number, const std::filesystem::path& path, FileReadMode mode) {
  std::string fileName = path.string();
  try {
    return ParseReport(number, fileName, ReadFileBytes(path, mode));
  } catch (JournalError& error) {
    if (error.File().empty()) error.SetFile(fileName);
    throw;
  }
}

}  // namespace ej
