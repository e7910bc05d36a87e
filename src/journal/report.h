// A daily report: one day file, the daily fiscal report that closes it and every document
// printed before it. Built and parsed at once by LoadReport/ParseReport, read-only afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/amount.h"
#include "common/date_time.h"
#include "journal/day_file.h"
#include "journal/file_bytes.h"
#include "journal/receipt.h"

namespace ej {

// One VAT rate of a report.
struct TVAT {
  char Letter = 0;   // "A" to "G" (an exempt line may carry another character)
  Amount Rate;       // percent; 0 for an exempt letter
  bool Exempt = false;
};

// Index 0 to 6 of the VAT letters A to G; -1 for any other character.
inline int VatLetterIndex(char letter) {
  return letter >= 'A' && letter <= 'G' ? letter - 'A' : -1;
}

// The report's own lines: a list of line numbers of its day file (the lines after the report
// heading, without the "D O B O W Y" lines).
class ReportLines {
 public:
  ReportLines() = default;
  ReportLines(const DayFile* file, std::vector<uint32_t> indexes)
      : file_(file), indexes_(std::move(indexes)) {}
  size_t size() const { return indexes_.size(); }
  bool empty() const { return indexes_.empty(); }
  std::string_view operator[](size_t i) const {
    return i < indexes_.size() ? file_->Line(indexes_[i]) : std::string_view();
  }

 private:
  const DayFile* file_ = nullptr;
  std::vector<uint32_t> indexes_;
};

class TReport {
 public:
  int32_t Number = 0;                 // from the day file's name
  std::vector<TReceipt> Receipts;     // fiscal receipts and non-fiscal documents, in file order
  std::string FileName;               // full path of the day file
  DateTime Date;                      // 0 when the report has no date line
  ReportLines Lines;
  std::array<Amount, 7> Sales{};      // per VAT letter A to G: taxed and exempt sales
  std::array<Amount, 7> Vat{};        // per VAT letter A to G: "KWOTA PTU"
  std::string_view NipLine;           // the last NIP line of the file, raw
  int32_t ReceiptCount = 0;           // fiscal receipts in the file
  std::string_view CurrencyName;      // last word of the "WALUTA" line
  std::string CurrencyText;           // the "WALUTA" line, CR LF, and the line after it
  std::vector<TVAT> VatRates;
  int32_t GoodsDbChanges = 0;
  uint8_t RamResets = 0;
  int32_t HeaderNumber = 0;           // last word of the line two above the heading
  bool VatRatesProgrammed = false;
  bool CurrencyChanged = false;
  std::string_view Sha1Line;

  const DayFile& File() const { return *file_; }

 private:
  friend TReport ParseReport(int32_t, std::string, std::unique_ptr<FileBytes>);
  std::unique_ptr<DayFile> file_;
  std::vector<TItem> items_;  // the sale lines of all documents; each TReceipt views its own
};

// Parses the given bytes as the day file `fileName` of report `number`.
// Throws JournalError carrying the file and the line of the fault.
TReport ParseReport(int32_t number, std::string fileName, std::unique_ptr<FileBytes> bytes);

// Reads and parses the day file at `path`.
TReport LoadReport(int32_t number, const std::filesystem::path& path, FileReadMode mode);

// Summary groups of the item listing: one per currency and sign of quantity.
struct TCurrencySums {
  ej::Amount Quantity;
  int32_t LineCount = 0;
  std::string CurrencyName;
  ej::Amount Amount;
};

// A stretch of a periodic report over which the currency did not change.
struct TCurrencyChangeNew {
  TCurrencyChangeNew(uint16_t fromNumber, uint16_t toNumber, DateTime fromDate, DateTime toDate,
                     std::string currencyName)
      : FromDate(fromDate), ToDate(toDate), ToNumber(toNumber), FromNumber(fromNumber),
        CurrencyName(std::move(currencyName)) {}
  DateTime FromDate;
  DateTime ToDate;
  uint16_t ToNumber;
  uint16_t FromNumber;
  std::string CurrencyName;
};

}  // namespace ej
