#include "journal/card_selector.h"

#include <gtest/gtest.h>

#include "common/journal_error.h"
#include "testing/journal_text.h"
#include "testing/temp_folder.h"

namespace ej {
namespace {

using testing::TempFolder;

std::string ClosedDay(const std::string& date) {
  return testing::DayText(testing::DailyReport(date, 1, {}));
}

// Records the selector's events in order.
struct EventLog {
  std::vector<std::string> events;
  void Attach(CardSelector& selector) {
    selector.OnClearResults = [this] { events.push_back("clear"); };
    selector.OnReportRange = [this](DateTime from, DateTime to) {
      events.push_back("range " + FormatDateTime("dd.MM.yyyy", from) + " " +
                       FormatDateTime("dd.MM.yyyy", to));
    };
    selector.OnShowHistory = [this](const std::vector<std::string>& lines) {
      events.push_back("history " + std::to_string(lines.size()));
    };
  }
};

std::vector<std::string> LabelTexts(const CardSelector& selector) {
  const ReportRangeLabels& l = selector.Labels();
  return {l.FromNum, l.ToNum, l.TotalRpt, l.FromDate, l.ToDate};
}

TEST(CardSelectorTest, LoadSelectsTheFirstRegisterAndItsLastCard) {
  TempFolder folder;
  folder.Write("ABC12345678.001/2014/03/01/17.day", ClosedDay("01-03-2014"));
  folder.Write("ABC12345678.002/2014/03/01/17.day", ClosedDay("01-03-2014"));
  folder.Write("ABC12345678.003/Historia.dat", "DO RAPORTU: -\r\n");
  folder.Write("ABC12345678.003/2014/03/05/17.day", ClosedDay("05-03-2014"));
  folder.Write("ABC12345678.003/2014/04/30/45.day", ClosedDay("30-04-2014"));
  folder.Write("ZZZ00000001.001/2014/01/01/5.day", ClosedDay("01-01-2014"));
  folder.Write("ZZZ00000001.001/2014/01/02/9.day", ClosedDay("02-01-2014"));

  CardSelector selector;
  EventLog log;
  log.Attach(selector);
  selector.ReportFolder = folder.Path();
  for (int load = 0; load < 2; ++load) {
    log.events.clear();
    selector.Load();
    EXPECT_EQ(log.events, (std::vector<std::string>{"clear", "clear", "clear",
                                                    "range 05.03.2014 30.04.2014"}));
    ASSERT_EQ(selector.Registry().size(), 2u);
    EXPECT_EQ(selector.SelectedEcrIndex(), 0);
    EXPECT_EQ(selector.CardList(), (std::vector<std::string>{"001", "002", "003"}));
    EXPECT_EQ(selector.SelectedCardIndex(), 2);
    EXPECT_EQ(selector.SelectedCard(), selector.Registry()[0]->Cards[2].get());
    EXPECT_EQ(LabelTexts(selector),
              (std::vector<std::string>{"0017", "0045", "29", "05.03.2014", "30.04.2014"}));
  }
  log.events.clear();
  selector.ShowHistory();
  EXPECT_EQ(log.events, std::vector<std::string>{"history 3"});

  selector.SelectEcr(1);
  EXPECT_EQ(LabelTexts(selector),
            (std::vector<std::string>{"0005", "0009", "5", "01.01.2014", "02.01.2014"}));
  EXPECT_EQ(selector.FindCardIndex("001"), 0);
  EXPECT_EQ(selector.FindCardIndex("002"), -1);
}

TEST(CardSelectorTest, SelectingTheSameCardAgainRebuildsItsIndex) {
  TempFolder folder;
  folder.Write("ABC12345678.001/2014/03/01/0.day", ClosedDay("01-03-2014"));
  CardSelector selector;
  selector.ReportFolder = folder.Path();
  selector.Load();
  EXPECT_EQ(LabelTexts(selector),
            (std::vector<std::string>{"0000", "0000", "0", "01.03.2014", "01.03.2014"}));
  folder.Write("ABC12345678.001/2014/03/02/3.day", ClosedDay("02-03-2014"));
  selector.SelectCard(0);
  EXPECT_EQ(selector.Labels().TotalRpt, "4");
  EXPECT_EQ(selector.SelectedCard()->Years.at(0).Months.at(0).Days.size(), 2u);
}

TEST(CardSelectorTest, ACardWithoutReportsShowsAnEmptyRange) {
  TempFolder folder;
  folder.MakeFolder("ABC12345678.001/2014/03");
  CardSelector selector;
  EventLog log;
  log.Attach(selector);
  selector.ReportFolder = folder.Path();
  selector.Load();
  EXPECT_EQ(LabelTexts(selector), (std::vector<std::string>{"0000", "0000", "0", "", ""}));
  EXPECT_EQ(log.events.back(), "range 30.12.1899 30.12.1899");
}

TEST(CardSelectorTest, AFailedIndexKeepsTheLabelsAndRaisesNoRange) {
  TempFolder folder;
  folder.Write("ABC12345678.001/2014/03/01/1.day", ClosedDay("01-03-2014"));
  folder.Write("ABC12345678.002/2014/03/01/1.day", ClosedDay("01-03-2014"));
  folder.Write("ABC12345678.002/2014/03/02/2.day", ClosedDay("31-02-2014"));
  CardSelector selector;
  EventLog log;
  log.Attach(selector);
  selector.ReportFolder = folder.Path();
  EXPECT_THROW(selector.Load(), JournalError);
  selector.SelectCard(0);
  EXPECT_EQ(LabelTexts(selector),
            (std::vector<std::string>{"0001", "0001", "1", "01.03.2014", "01.03.2014"}));
  log.events.clear();
  EXPECT_THROW(selector.SelectCard(1), JournalError);
  EXPECT_EQ(log.events, std::vector<std::string>{"clear"});
  EXPECT_EQ(selector.Labels().FromDate, "01.03.2014");
  EXPECT_EQ(selector.SelectedCard()->Years.at(0).Months.at(0).Days.at(0).Reports.size(), 1u);
}

TEST(CardSelectorTest, AnEmptyOrMissingFolderLeavesBothListsEmpty) {
  for (const char* name : {"", "missing"}) {
    TempFolder folder;
    folder.MakeFolder("notacard");
    CardSelector selector;
    EventLog log;
    log.Attach(selector);
    selector.ReportFolder = folder.Path() / name;
    selector.Load();
    EXPECT_TRUE(selector.Registry().empty());
    EXPECT_TRUE(selector.CardList().empty());
    EXPECT_EQ(selector.SelectedCard(), nullptr);
    EXPECT_EQ(log.events, std::vector<std::string>{"clear"});
    selector.ShowHistory();
    EXPECT_EQ(log.events.size(), 1u);
  }
}

}  // namespace
}  // namespace ej
