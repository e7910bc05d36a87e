#include "journal/vat_rates.h"

#include "common/format.h"
#include "common/text.h"
#include "journal/markers.h"

namespace ej {

std::string VatRateText(const TReport& report, char letter) {
  for (const TVAT& vat : report.VatRates) {
    if (vat.Letter != letter) continue;
    if (vat.Exempt) return std::string(marker::kExempt.view());
    return FormatAmount(vat.Rate, 2) + " %";
  }
  return {};
}

std::vector<std::string> VatRateLines(const TReport& report) {
  std::vector<std::string> lines;
  lines.reserve(report.VatRates.size());
  for (const TVAT& vat : report.VatRates) {
    const std::string_view letter(&vat.Letter, 1);
    const std::string text =
        vat.Exempt ? Format("%s %s", {letter, marker::kExempt.view()})
                   : Format("%3.3s %s  %7.7s",
                            {marker::kPtu.view(), letter, Format("%.2f %s", {vat.Rate, "%"})});
    lines.push_back(CenterText(text));
  }
  return lines;
}

}  // namespace ej
