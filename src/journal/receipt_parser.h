// Reading a document's lines into a TReceipt: the header values, the sale lines with their
// adjustments and corrections, the total's receipt ID and a cancellation.
#pragma once

#include <string_view>
#include <vector>

#include "common/amount.h"
#include "journal/receipt.h"

namespace ej {

// Readers of one raw item line.
// The last character, "A" to "G"; otherwise throws JournalError "Incorrect VAT rate!".
char ItemVatLetter(std::string_view line);
// The word that ends two characters before the end of the line, read as an amount.
Amount ItemAmount(std::string_view line);
// The number right before the last lowercase "x" (searched leftwards from two characters before
// the end); 0 without an "x" or with a blank right before it.
Amount ItemQuantity(std::string_view line);
// The name: the whole line without an "x", else the text before the first "x" up to its last
// blank. Throws JournalError "Incorrect item name!" when no blank precedes that "x".
std::string_view ItemName(std::string_view line);
bool ContainsX(std::string_view line);

// Reader of a trimmed receipt-level adjustment line: the amount between position 6 and the first
// "%" at or after it, when there is one.
bool DiscountPercent(std::string_view line, Amount& percent);

// Reads a fiscal receipt from receipt.Lines. Its sale lines are appended to `items`, and
// receipt.Items is left empty for the caller to point at them once `items` stops growing
// (ItemsFirst tells where they start).
// Throws JournalError with the line (1-based, within the day file) of the fault.
void ParseReceipt(TReceipt& receipt, std::vector<TItem>& items);

// Sets Date and ReceiptId from the first NIP line of receipt.Lines and the line after it.
void ReadDateAndId(TReceipt& receipt);

}  // namespace ej
