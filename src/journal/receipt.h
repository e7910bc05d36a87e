// A document cut out of a day file: a fiscal receipt or a non-fiscal document, with its sale lines.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/amount.h"
#include "common/date_time.h"
#include "journal/day_file.h"

namespace ej {

// One sale line, after its own adjustment and the receipt's discounts and markups.
struct TItem {
  char VatLetter = 0;       // "A" to "G"
  std::string_view Name;    // trimmed, a view into the day file
  ej::Amount Amount;        // line value
  ej::Amount Quantity;      // as printed
};

struct TReceipt {
  int32_t HeaderNumber = 0;       // from the date line; 0 for non-fiscal documents
  std::span<const TItem> Items;   // owned by the report that holds the document
  LineSpan Lines;                 // the document's raw lines, from its NIP line on
  std::string ReceiptId;          // the text of the found-receipt list
  DateTime Date;                  // 0 when none was read
  bool NonFiscal = false;
  bool Cancelled = false;
  int32_t ReceiptNumber = 0;      // before the first "/" of the fiscal ReceiptId
  int32_t NumberAfterSlash = 0;   // after the first "/"
};

// The exact sum of the item amounts.
Amount ReceiptTotal(const TReceipt& receipt);

}  // namespace ej
