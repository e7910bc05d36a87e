#include "journal/card_index.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <thread>

#include "common/integer.h"
#include "common/journal_error.h"
#include "journal/folder_listing.h"

namespace ej {
namespace {

// One day file to parse, in index order.
struct DayFileJob {
  TDay* day;
  int32_t number;
  std::filesystem::path path;
};

struct JobResult {
  std::optional<TReport> report;
  std::exception_ptr error;
};

template <typename Node>
int FindByName(const std::vector<Node>& nodes, std::string_view name) {
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].Name == name) return static_cast<int>(i);
  }
  return -1;
}

template <typename Node>
void AppendFolders(const std::filesystem::path& parent, std::vector<Node>& nodes) {
  for (const std::filesystem::path& folder : ListSubfolders(parent)) {
    Node node;
    node.Name = folder.filename().string();
    node.Path = folder;
    nodes.push_back(std::move(node));
  }
}

// Lists the day files of every day in index order. A day whose listing fails ends the list;
// its error is returned to be raised after the files before it.
std::exception_ptr CollectDayFiles(TSDCard& card, std::vector<DayFileJob>& jobs) {
  for (TYear& year : card.Years) {
    for (TMonth& month : year.Months) {
      for (TDay& day : month.Days) {
        try {
          for (std::filesystem::path& file : ListDayFiles(day.Path)) {
            jobs.push_back({&day, DayFileNumber(file), std::move(file)});
          }
        } catch (const JournalError&) {
          return std::current_exception();
        }
      }
    }
  }
  return nullptr;
}

void ParseJobs(const std::vector<DayFileJob>& jobs, std::vector<JobResult>& results,
               const IndexOptions& options) {
  std::atomic<size_t> next{0};
  // Files after the first failing one are never needed: their reports are not kept.
  std::atomic<size_t> firstFailure{jobs.size()};
  auto work = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      if (i > firstFailure.load()) continue;
      try {
        results[i].report = LoadReport(jobs[i].number, jobs[i].path, options.ReadMode);
      } catch (...) {
        results[i].error = std::current_exception();
        size_t seen = firstFailure.load();
        while (i < seen && !firstFailure.compare_exchange_weak(seen, i)) {
        }
      }
    }
  };
  int threads = options.Threads > 0 ? options.Threads
                                    : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, static_cast<int>(std::max<size_t>(jobs.size(), 1)));
  std::vector<std::jthread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
}

}  // namespace

int32_t DayFileNumber(const std::filesystem::path& file) {
  return StrToInt(file.stem().string());
}

int CompareDayFiles(const std::filesystem::path& left, const std::filesystem::path& right) {
  return DayFileNumber(left) - DayFileNumber(right);
}

std::vector<std::filesystem::path> ListDayFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files = ListFilesWithExtension(folder, ".day");
  std::vector<std::pair<int32_t, std::filesystem::path>> numbered;
  numbered.reserve(files.size());
  for (std::filesystem::path& file : files) {
    const int32_t number = DayFileNumber(file);
    numbered.emplace_back(number, std::move(file));
  }
  std::stable_sort(numbered.begin(), numbered.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  files.clear();
  for (auto& [number, file] : numbered) files.push_back(std::move(file));
  return files;
}

void BuildCardIndex(TSDCard& card, const IndexOptions& options) {
  AppendFolders(card.Path, card.Years);
  for (TYear& year : card.Years) AppendFolders(year.Path, year.Months);
  for (TYear& year : card.Years) {
    for (TMonth& month : year.Months) AppendFolders(month.Path, month.Days);
  }

  std::vector<DayFileJob> jobs;
  const std::exception_ptr listingError = CollectDayFiles(card, jobs);
  std::vector<JobResult> results(jobs.size());
  ParseJobs(jobs, results, options);
  for (size_t i = 0; i < jobs.size(); ++i) {
    if (results[i].error) std::rethrow_exception(results[i].error);
    jobs[i].day->Reports.push_back(std::move(*results[i].report));
  }
  if (listingError) std::rethrow_exception(listingError);
}

int FindYearIndex(const TSDCard& card, std::string_view name) {
  return FindByName(card.Years, name);
}
int FindMonthIndex(const TYear& year, std::string_view name) {
  return FindByName(year.Months, name);
}
int FindDayIndex(const TMonth& month, std::string_view name) {
  return FindByName(month.Days, name);
}

int32_t LowestReportNumber(TSDCard& card) {
  std::optional<int32_t> lowest;
  ForEachReport(card, [&](const TReport& report, size_t, size_t, size_t, size_t) {
    if (!lowest || report.Number < *lowest) {
      lowest = report.Number;
      card.FirstReportDate = report.Date;
    }
  });
  return lowest.value_or(0);
}

int32_t HighestReportNumber(TSDCard& card) {
  std::optional<int32_t> highest;
  ForEachReport(card, [&](const TReport& report, size_t, size_t, size_t, size_t) {
    if (!highest || report.Number > *highest) {
      highest = report.Number;
      card.LastReportDate = report.Date;
    }
  });
  return highest.value_or(0);
}

}  // namespace ej
