// The print job's order of calls, its early exits, the counts it remembers, deals without
// cards, failures, and the statistics sheets.

#include <gtest/gtest.h>

#include "kesto/deal/deal_notation.h"
#include "kesto/options/settings_store.h"
#include "kesto/stats/statistics.h"
#include "kesto/stats/statistics_sheet.h"
#include "print_test_support.h"
#include "tests/options/stored_value.h"
#include "tests/support/case_name.h"

namespace kesto::test {
namespace {

std::vector<std::string> AddDeals(const tBoardSet& boardSet, std::vector<int> boardNumbers) {
    std::vector<std::string> out;
    for (const int number : boardNumbers) {
        out.push_back("AddDeal " +
                      DealRecord(number, boardSet[static_cast<std::size_t>(number - 1)]));
    }
    return out;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

class PrintJobOrderTest : public PrintJobTest {};

TEST_F(PrintJobOrderTest, SetsThenCopiesThenCurtainsThenClear) {
    request_.copies = 2;
    request_.sets = 1;
    request_.curtains = true;
    request_.statSheets = 1;
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    const std::vector<std::string> expected =
        Joined({{"ClearDeals"},
                AddDeals(boardSet_, {1, 2, 3}),
                {"PrintCustom 0", "PrintCustom 1", "PrintCustom 1", "PrintCustom 9",
                 "PrintCustom 10", "PrintCustom 11", "PrintCustom 12", "ClearDeals"}});
    EXPECT_EQ(Sequence(Calls()), expected);
    EXPECT_TRUE(state_.printed);
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(view_.warningsShown, 0);  // one set asks nothing
    // The statistics sheet comes after the library's list was emptied.
    EXPECT_EQ(callsWhenCanvasAsked_, expected.size());
    EXPECT_EQ(canvas_.EndedJobs(), 1);
}

TEST_F(PrintJobOrderTest, BoardsAreNumberedByTheirPlace) {
    // The board set's first deal is handed over as board 1 whatever it was before, with the
    // dealer and vulnerability of board 1.
    request_.copies = 1;
    request_.sets = 0;
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    const std::vector<LibraryCall> calls = Calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[1].args[0].rfind("[Board \"1\"]|[Dealer \"N\"]|[Vulnerable \"None\"]|", 0), 0u);
    EXPECT_EQ(calls[2].args[0].rfind("[Board \"2\"]|[Dealer \"E\"]|[Vulnerable \"NS\"]|", 0), 0u);
    EXPECT_EQ(calls[3].args[0].rfind("[Board \"3\"]|[Dealer \"S\"]|[Vulnerable \"EW\"]|", 0), 0u);
}

TEST_F(PrintJobOrderTest, CurtainsAloneAreAJob) {
    request_.copies = 0;
    request_.sets = 0;
    request_.curtains = true;
    Store(kCurtainCollation, 1);
    CreateOptions();
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_EQ(
        Sequence(Calls()),
        Joined({{"ClearDeals"}, AddDeals(boardSet_, {1, 2, 3}), {"PrintCustom 8", "ClearDeals"}}));
}

TEST_F(PrintJobOrderTest, NothingToPrintWhateverTheStatisticSheets) {
    request_.copies = 0;
    request_.sets = 0;
    request_.curtains = false;
    request_.statSheets = 2;
    EXPECT_EQ(Print(), PrintJobOutcome::NothingToPrint);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(view_.messages[0].text, "Nothing to print.");
    EXPECT_EQ(view_.copiesFocused, 1);
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(canvas_.JobTitles().empty());
    EXPECT_FALSE(state_.printed);
    EXPECT_FALSE(StoredValue(settingsPath_, kNumStatSheets.name));
}

TEST_F(PrintJobOrderTest, CancelledWarningWithBoxTickedAsksNoMore) {
    request_.sets = 3;
    view_.warningAnswers = {{false, true}};
    EXPECT_EQ(Print(), PrintJobOutcome::Cancelled);
    EXPECT_EQ(view_.warningsShown, 1);
    EXPECT_EQ(view_.copiesFocused, 1);
    EXPECT_TRUE(state_.suppressSetWarning);
    EXPECT_FALSE(state_.printed);
    EXPECT_TRUE(Calls().empty());

    EXPECT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_EQ(view_.warningsShown, 1);  // suppressed now
    EXPECT_EQ(Sequence(PrintCustomCalls()),
              (std::vector<std::string>{"PrintCustom 0", "PrintCustom 0", "PrintCustom 0",
                                        "PrintCustom 1"}));
}

TEST_F(PrintJobOrderTest, WarningAnsweredOkKeepsTheBoxState) {
    request_.sets = 2;
    state_.suppressSetWarning = false;
    view_.warningAnswers = {{true, false}, {true, true}};
    EXPECT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_FALSE(state_.suppressSetWarning);
    EXPECT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_TRUE(state_.suppressSetWarning);
    EXPECT_EQ(view_.warningsShown, 2);
    EXPECT_EQ(view_.copiesFocused, 0);
}

struct CountsCase {
    DealSource mode;
    bool numHandsWritten;
    const char* name;
};

class PrintJobCountsTest : public PrintJobTest, public ::testing::WithParamInterface<CountsCase> {};

TEST_P(PrintJobCountsTest, AreRememberedBeforePrinting) {
    request_.mode = GetParam().mode;
    request_.copies = 4;
    request_.sets = 0;
    request_.statSheets = 2;
    request_.curtains = true;
    request_.randomDealCount = 28;
    ::setenv("KESTO_RECORDING_FAIL", "1=5", 1);  // counts stay even when printing fails
    EXPECT_EQ(Print(), PrintJobOutcome::Failed);
    const SettingsStore store(settingsPath_);
    EXPECT_EQ(store.Read(kNumCopies), 4);
    EXPECT_EQ(store.Read(kNumIndividualSets), 0);
    EXPECT_EQ(store.Read(kNumStatSheets), 2);
    EXPECT_TRUE(store.Read(kCurtains));
    EXPECT_EQ(StoredValue(settingsPath_, kNumHands.name).has_value(), GetParam().numHandsWritten);
    if (GetParam().numHandsWritten) {
        EXPECT_EQ(store.Read(kNumHands), 28);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PrintJobCountsTest,
                         ::testing::Values(CountsCase{DealSource::Generate, true, "Generate"},
                                           CountsCase{DealSource::Record, false, "Record"},
                                           CountsCase{DealSource::ReadFromFile, false,
                                                      "ReadFromFile"}),
                         CaseName());

TEST_F(PrintJobTest, FooterFollowsTheMode) {
    const struct {
        DealSource mode;
        bool complete;
        const char* footer;
    } cases[] = {{DealSource::Generate, false, "Hands generated by KESTO."},
                 {DealSource::Record, false, "Hands printed by KESTO."},
                 {DealSource::ReadFromFile, true, "Hands generated by KESTO."},
                 {DealSource::ReadFromFile, false, "Hands printed by KESTO."}};
    request_.sets = 0;
    for (const auto& c : cases) {
        request_.mode = c.mode;
        request_.dealsComplete = c.complete;
        ASSERT_EQ(Print(), PrintJobOutcome::Printed);
        EXPECT_EQ(PrintCustomCalls().back().args[5], c.footer);
    }
}

TEST_F(PrintJobTest, SkippedEmptyDealsKeepTheOtherBoardsNumbers) {
    boardSet_ = RandomBoards(4);
    boardSet_[1].Clear();
    request_.mode = DealSource::Record;
    request_.printEmptyDeals = false;
    request_.statSheets = 1;
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_EQ(Sequence(Calls()), Joined({{"ClearDeals"},
                                         AddDeals(boardSet_, {1, 3, 4}),
                                         {"PrintCustom 0", "PrintCustom 1", "ClearDeals"}}));
    // The statistics sheet counts the three printed boards only.
    RecordingCanvas expected;
    ASSERT_TRUE(PrintStatisticsSheet(expected,
                                     ComputeStatistics({boardSet_[0], boardSet_[2], boardSet_[3]}),
                                     request_.header1, request_.header2)
                    .Ok());
    ASSERT_EQ(canvas_.Calls().size(), expected.Calls().size());
    for (std::size_t i = 0; i < expected.Calls().size(); ++i) {
        EXPECT_EQ(canvas_.Calls()[i].text, expected.Calls()[i].text) << i;
        EXPECT_EQ(canvas_.Calls()[i].x, expected.Calls()[i].x) << i;
        EXPECT_EQ(canvas_.Calls()[i].y, expected.Calls()[i].y) << i;
    }
}

TEST_F(PrintJobTest, LibraryFailureStopsTheJobAndSaysWhat) {
    request_.copies = 2;
    request_.curtains = true;
    request_.statSheets = 1;
    pdfFolder_ = "/tmp/printouts";
    ::setenv("KESTO_RECORDING_FAIL", "1=3", 1);
    EXPECT_EQ(Print(), PrintJobOutcome::Failed);
    EXPECT_EQ(Sequence(Calls()), Joined({{"ClearDeals"},
                                         AddDeals(boardSet_, {1, 2, 3}),
                                         {"PrintCustom 0", "PrintCustom 1", "ClearDeals"}}));
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(view_.messages[0].text,
              "Printing stopped: the copy with all hands could not be printed. The folder for "
              "the PDF files is missing and could not be created. Choose another folder in File, "
              "Printer setup.");
    EXPECT_TRUE(canvas_.JobTitles().empty());
    EXPECT_TRUE(state_.printed);
    // The sheets printed before the failure went somewhere: the user is told where.
    EXPECT_EQ(view_.savedIn, std::vector<std::string>{"/tmp/printouts"});
}

TEST_F(PrintJobTest, NoFolderNamedWhenNothingWasPrinted) {
    pdfFolder_ = "/tmp/printouts";
    ::setenv("KESTO_RECORDING_FAIL", "0=5", 1);
    EXPECT_EQ(Print(), PrintJobOutcome::Failed);
    EXPECT_TRUE(view_.savedIn.empty());
    EXPECT_NE(view_.messages.at(0).text.find("the individual deal sheets could not be printed"),
              std::string::npos);
}

TEST_F(PrintJobTest, PdfFolderIsNamedAfterAJob) {
    pdfFolder_ = "/home/director/Documents/Kesto printouts";
    EXPECT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_EQ(view_.savedIn, std::vector<std::string>{pdfFolder_});
    pdfFolder_.clear();  // a printer: nothing to say
    EXPECT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_EQ(view_.savedIn.size(), 1u);
}

TEST_F(PrintJobTest, StatisticsSheetsOneJobEach) {
    request_.statSheets = 3;
    request_.header1 = "Club night";
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_EQ(canvas_.JobTitles(),
              (std::vector<std::string>{"Statistics", "Statistics", "Statistics"}));
    EXPECT_EQ(canvas_.EndedJobs(), 3);
    // Each sheet carries header line 1.
    int headers = 0;
    for (const auto& call : canvas_.Calls()) {
        headers += call.text == "Club night" ? 1 : 0;
    }
    EXPECT_EQ(headers, 3);
}

TEST_F(PrintJobTest, FailedSheetStopsTheRest) {
    request_.statSheets = 3;
    canvas_.FailNextBeginDoc("The printer Office could not start the print job.");
    EXPECT_EQ(Print(), PrintJobOutcome::Failed);
    EXPECT_EQ(canvas_.EndedJobs(), 0);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].text,
              "Printing stopped: the statistics sheet could not be printed. The printer Office "
              "could not start the print job.");
}

TEST_F(PrintJobTest, ALeftoverListIsEmptiedFirst) {
    // A job that ended badly in an earlier run of the library leaves boards behind; the next
    // job starts by emptying the list, so its printouts hold only its own boards.
    library_->AddDeal("[Board \"99\"]");
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    const std::vector<std::string> sequence = Sequence(Calls());
    ASSERT_GE(sequence.size(), 2u);
    EXPECT_EQ(sequence[1], "ClearDeals");  // right after the leftover, before the job's boards
}

}  // namespace
}  // namespace kesto::test
