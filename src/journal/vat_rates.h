// How a report's VAT rates read in listings and periodic reports.
#pragma once

#include <string>
#include <vector>

#include "journal/report.h"

namespace ej {

// "SP.ZW.PTU" for an exempt letter, else the rate as "0.00" and " %" (23.00 %); empty when the
// report has no rate for the letter. The first rate with the letter counts.
std::string VatRateText(const TReport& report, char letter);

// One centred 42-column line per rate, in the report's order: "PTU A  23.00 %" or "G SP.ZW.PTU".
std::vector<std::string> VatRateLines(const TReport& report);

}  // namespace ej
