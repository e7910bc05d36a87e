// The marker texts of a day file, as the register prints them (Windows-1250 bytes).
#pragma once

#include "common/cp1250.h"

namespace ej::marker {

inline constexpr Cp1250Literal kNip{"NIP:"};
inline constexpr Cp1250Literal kFiscalReceipt{"PARAGON FISKALNY - KOPIA"};
inline constexpr Cp1250Literal kNonFiscal{"# N I E F I S K A L N Y #"};
inline constexpr Cp1250Literal kSettlement{"ROZLICZENIE"};
inline constexpr Cp1250Literal kReportHeading{"R A P O R T   F I S K A L N Y"};
inline constexpr Cp1250Literal kMonthly{"M I E S I Ę C Z N Y"};
inline constexpr Cp1250Literal kDaily{"D O B O W Y"};
inline constexpr Cp1250Literal kProgramming{"P R O G R A M O W A N I E"};
inline constexpr Cp1250Literal kVatRates{"S T A W E K   P T U"};
inline constexpr Cp1250Literal kPtu{"PTU"};
inline constexpr Cp1250Literal kExempt{"SP.ZW.PTU"};
inline constexpr Cp1250Literal kTaxedSales{"SPRZED.OPOD.PTU"};
inline constexpr Cp1250Literal kExemptSales{"SPRZED.ZW.PTU"};
inline constexpr Cp1250Literal kVatAmount{"KWOTA PTU"};
inline constexpr Cp1250Literal kCurrency{"WALUTA"};
inline constexpr Cp1250Literal kCurrencyChange{"ZMIANA WALUTY"};
inline constexpr Cp1250Literal kRamReset{"ZEROWANIE PAMIĘCI RAM Z"};
inline constexpr Cp1250Literal kGoodsDbChange{"WYKONANO ZMIANY W BAZIE TOW."};
inline constexpr Cp1250Literal kSha1{"SHA-1 Danych dobowych:"};
inline constexpr Cp1250Literal kCancelled{"*  A N U L O W A N Y  *"};
inline constexpr Cp1250Literal kTotal{"S U M A"};
inline constexpr Cp1250Literal kItemCount{"ILOŚĆ ARTY"};
inline constexpr Cp1250Literal kDiscount{"RABAT"};
inline constexpr Cp1250Literal kMarkup{"MARŻA"};
inline constexpr Cp1250Literal kCorrection{"#  K O R E K T A  #"};
inline constexpr Cp1250Literal kControlNumber{"Numer kontrolny:"};
inline constexpr Cp1250Literal kMemoryFill{"ZAPEŁNIENIE PAM. FISKALNEJ"};

}  // namespace ej::marker
