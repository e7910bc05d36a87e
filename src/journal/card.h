// The journal model above the day file: registers own their cards, a card owns its calendar
// index (years, months, days) and a day owns its reports.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "journal/report.h"

namespace ej {

struct TDay {
  std::string Name;              // the day folder's name
  std::vector<TReport> Reports;  // one per day file, in ascending report-number order
  std::filesystem::path Path;
};

struct TMonth {
  std::vector<TDay> Days;        // in folder listing order
  std::string Name;
  std::filesystem::path Path;
};

struct TYear {
  std::vector<TMonth> Months;    // in folder listing order
  std::string Name;
  std::filesystem::path Path;
};

// One card folder of a register.
struct TSDCard {
  std::vector<TYear> Years;            // the calendar index; empty until the card is selected
  std::vector<std::string> History;    // Historia.dat, medium status line and dash line
  std::string CardNumber;              // the folder name's extension without the dot
  std::filesystem::path Path;          // the card folder
  DateTime FirstReportDate;            // date of the lowest-numbered report
  DateTime LastReportDate;             // date of the highest-numbered report

  void ClearIndex() { Years.clear(); }
};

// One register and its cards, in the order their folders were found.
struct TECR {
  explicit TECR(std::string ecrId) : EcrId(std::move(ecrId)) {}
  std::string EcrId;                   // displayed register ID, "ABC 12345678"
  std::vector<std::unique_ptr<TSDCard>> Cards;
};

// Calls visit(report, year, month, day, reportIndex) for every report of the card in index order.
template <typename Visit>
void ForEachReport(const TSDCard& card, Visit&& visit) {
  for (size_t y = 0; y < card.Years.size(); ++y) {
    const TYear& year = card.Years[y];
    for (size_t m = 0; m < year.Months.size(); ++m) {
      const TMonth& month = year.Months[m];
      for (size_t d = 0; d < month.Days.size(); ++d) {
        const TDay& day = month.Days[d];
        for (size_t r = 0; r < day.Reports.size(); ++r) visit(day.Reports[r], y, m, d, r);
      }
    }
  }
}

}  // namespace ej
