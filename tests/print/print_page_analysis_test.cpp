// The makeable contracts in the main window's core: the analysis starts in the background when
// the print page shows, "Prin&t" and "&Create" wait for it (the window may cancel the wait),
// a solver failure is a message, and with the option off nothing of it runs.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "kesto/deal/deal_notation.h"
#include "kesto/html/html_analysis.h"
#include "kesto/platform/file_io.h"
#include "kesto/workflow/texts.h"
#include "print_test_support.h"
#include "tests/support/fixed_solver.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

namespace fs = std::filesystem;

// The window: its wait for the analysis answers from the script.
class WaitingWindowView final : public FakeMainWindowView, public HtmlExportView {
  public:
    bool WaitForAnalysis(const BackgroundAnalysis& analysis) override {
        ++waits;
        stateWhenWaiting = analysis.Current().state;
        if (beforeWaiting) {
            beforeWaiting();
        }
        if (!finishWait) {
            return false;  // the user pressed Cancel
        }
        analysis.Wait();
        return true;
    }
    Ui& Dialogs() override { return *this; }
    HtmlHintsResult THTMLWarnDlg(const HtmlHintsTexts&) override {
        return {HtmlHintsAnswer::No, true};
    }
    void ShowOptionsOnOtherPage() override {}
    FileDialogResult SaveFileDialog(const FileDialogRequest&) override { return {true, page, 1}; }

    bool finishWait = true;
    std::function<void()> beforeWaiting;
    int waits = 0;
    BackgroundAnalysis::State stateWhenWaiting = BackgroundAnalysis::State::Idle;
    std::string page;
};

class PrintPageAnalysisTest : public PrintJobTest {
  protected:
    void SetUp() override {
        PrintJobTest::SetUp();
        ::setenv("KESTO_SETTINGS", settingsPath_.c_str(), 1);
        Store(kShowMakeableContracts, true);
        CreateOptions();
        window_.page = folder_ + "/page.htm";
    }
    void TearDown() override {
        main_.reset();
        ::unsetenv("KESTO_SETTINGS");
        PrintJobTest::TearDown();
    }

    // Starts the window's core with the solver.
    void StartWindow(DoubleDummySolver& solver) {
        main_ =
            std::make_unique<TKestoMain>(window_, clock_, languages_, SettingsFile{settingsPath_},
                                         RecordingLibraries(), &solver);
        main_->FormCreate();
        ASSERT_FALSE(main_->TerminateRequested());
        main_->SetOptions(options_.get());
        main_->FormShow();
        window_.messages.clear();
    }

    // Starts the window's core with the solver and deals four boards: the print page shows.
    void DealFourBoards(DoubleDummySolver& solver) {
        StartWindow(solver);
        main_->UpDown1Change(4);
        main_->UpDown3Change(1);
        main_->UpDown4Change("0");
        main_->NextBtnClick();
        ASSERT_EQ(main_->CurrentPage(), Page::Print);
    }

    // The records the library got, in order.
    std::vector<std::string> Records() const {
        std::vector<std::string> records;
        for (const LibraryCall& call : Calls()) {
            if (call.name == "AddDeal") {
                records.push_back(call.args[0]);
            }
        }
        return records;
    }

    void ExpectRecordsWithTags() const {
        const std::vector<std::string> records = Records();
        ASSERT_EQ(records.size(), 4u);
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i], DealRecord(static_cast<int>(i) + 1, main_->boardSet[i]) + "|" +
                                      std::string(kFixedAnalysisTags));
        }
    }

    WaitingWindowView window_;
    FixedClock clock_ = TestClock();
    std::unique_ptr<TKestoMain> main_;
};

TEST_F(PrintPageAnalysisTest, ThePrintPageStartsItAndTheWindowGoesOnMeanwhile) {
    GatedSolver solver;
    DealFourBoards(solver);  // returns while the solver is held at its gate
    ASSERT_NE(main_->Analysis(), nullptr);
    solver.WaitUntilEntered();
    EXPECT_EQ(main_->Analysis()->Current().state, BackgroundAnalysis::State::Running);
    EXPECT_EQ(main_->Analysis()->Current().total, 4u);  // no busy bar while the first call runs
    main_->UpDown3Change(2);                            // the page still answers
    EXPECT_EQ(main_->PrintRequest().copies, 2);
    EXPECT_FALSE(main_->ViewedBoard().makeable);  // the viewer says it is coming
    EXPECT_EQ(main_->ViewedBoard().analysisNote, texts::kMakeablePending);
    solver.Open();
    main_->Analysis()->Wait();
    EXPECT_EQ(main_->Analysis()->Current().state, BackgroundAnalysis::State::Done);
    EXPECT_EQ(main_->Analysis()->Current().done, 4u);
    EXPECT_EQ(solver.tableCalls.load(), 1);
    // Now the viewer's board has it, whichever is chosen: North-South make 4 spades.
    main_->BoardListClick(2);
    const BoardDiagram viewed = main_->ViewedBoard();
    EXPECT_EQ(viewed.board, 3);
    ASSERT_TRUE(viewed.makeable);
    EXPECT_EQ(viewed.makeable->levels[0][1], "4");
    EXPECT_EQ(viewed.makeable->par.back().text, ", NS +420");
    EXPECT_EQ(viewed.analysisNote, "");
}

// Cancelling the wait prints nothing and stops the analysis; printing again starts it afresh,
// waits for it, and every record carries its tags.
TEST_F(PrintPageAnalysisTest, PrintWaitsForItThenEveryRecordCarriesItsTags) {
    GatedSolver solver;
    DealFourBoards(solver);
    window_.finishWait = false;
    main_->PrintBtnClick();
    EXPECT_EQ(window_.waits, 1);
    EXPECT_TRUE(Calls().empty());
    EXPECT_FALSE(main_->Printed);
    EXPECT_TRUE(window_.messages.empty());
    EXPECT_EQ(main_->Analysis()->Current().state, BackgroundAnalysis::State::Cancelled);

    window_.finishWait = true;
    window_.beforeWaiting = [&solver] { solver.Open(); };
    main_->PrintBtnClick();
    EXPECT_EQ(window_.waits, 2);
    EXPECT_EQ(window_.stateWhenWaiting, BackgroundAnalysis::State::Running);
    ExpectRecordsWithTags();
    EXPECT_TRUE(main_->Printed);
    EXPECT_TRUE(window_.messages.empty());
    const int solved = solver.tableCalls.load();

    // Done now: a second printout neither waits nor solves again.
    ::unsetenv("KESTO_RECORDING_FILE");
    fs::remove(recordingPath_);
    ::setenv("KESTO_RECORDING_FILE", recordingPath_.c_str(), 1);
    main_->PrintBtnClick();
    EXPECT_EQ(window_.waits, 2);
    ExpectRecordsWithTags();
    EXPECT_EQ(solver.tableCalls.load(), solved);
}

TEST_F(PrintPageAnalysisTest, ASolverFailureIsShownAndNothingIsPrinted) {
    FixedSolver solver;
    solver.failure = "The double-dummy solver failed: Cards duplicated.";
    DealFourBoards(solver);
    main_->PrintBtnClick();
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(window_.messages[0].text, texts::AnalysisFailedText(solver.failure));
    EXPECT_NE(window_.messages[0].text.find("Cards duplicated."), std::string::npos);
    EXPECT_TRUE(Calls().empty());
    EXPECT_FALSE(main_->Printed);
    EXPECT_EQ(main_->ViewedBoard().analysisNote, texts::kMakeableMissing);
}

// A deal file's makeable contracts are only checked: the boards whose tables differ from the
// solver's are named once, and what is printed is the solver's.
TEST_F(PrintPageAnalysisTest, AFilesMakeableContractsThatDifferAreNamedOnce) {
    const auto game = [](int board, const char* dealer, const char* vulnerable,
                         const char* tricks) {
        return "[Board \"" + std::to_string(board) + "\"]\r\n[Dealer \"" + dealer +
               "\"]\r\n[Vulnerable \"" + vulnerable +
               "\"]\r\n[Deal \"N:AKQJ.AKQJ.AK.AKQ 765.8765.876.765 T98.T9.QJT9.JT98 "
               "432.432.5432.432\"]\r\n[DoubleDummyTricks \"" +
               tricks + "\"]\r\n\r\n";
    };
    const std::string file = folder_ + "/analysed.pbn";
    ASSERT_TRUE(ReplaceFileAtomically(file, game(1, "N", "None", "9a8769a8764356743567") +
                                                game(2, "E", "NS", "dddddddddddddddddddd"))
                    .Ok());
    FixedSolver solver;
    StartWindow(solver);
    main_->OpenDealFile(file);
    ASSERT_EQ(main_->CurrentPage(), Page::Print);
    main_->UpDown3Change(1);
    main_->UpDown4Change("0");
    main_->PrintBtnClick();
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(window_.messages[0].text, texts::FileAnalysisDiffersText({2}));
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 2u);
    for (const std::string& record : records) {
        EXPECT_TRUE(record.ends_with(kFixedAnalysisTags)) << record;
    }
    main_->PrintBtnClick();
    EXPECT_EQ(window_.messages.size(), 1u);
    EXPECT_TRUE(main_->Printed);
}

TEST_F(PrintPageAnalysisTest, TheHtmlPageWaitsAndACancelledWaitWritesNothing) {
    GatedSolver solver;
    DealFourBoards(solver);
    ASSERT_TRUE(ReplaceFileAtomically(window_.page, "old page").Ok());
    window_.finishWait = false;
    main_->CreateBtnClick(window_, HtmlOptionsOf(*options_));
    EXPECT_EQ(ReadWholeFile(window_.page).value, "old page");
    EXPECT_FALSE(main_->Printed);

    window_.finishWait = true;
    window_.beforeWaiting = [&solver] { solver.Open(); };
    main_->CreateBtnClick(window_, HtmlOptionsOf(*options_));
    const std::string page = ReadWholeFile(window_.page).value;
    const DealAnalysis* analysis = main_->Analysis()->Analyser().Find(main_->boardSet[0], 1).get();
    ASSERT_NE(analysis, nullptr);
    const std::string rows = HtmlAnalysisRows(*analysis, HtmlAnalysisWordsOf(languages_));
    std::size_t tables = 0;
    for (std::size_t at = page.find(rows); at != std::string::npos; at = page.find(rows, at + 1)) {
        ++tables;
    }
    EXPECT_EQ(tables, 4u);
    EXPECT_TRUE(main_->Printed);
}

// With the option off nothing of it runs and the calls are as before; turned on in the options
// on the print page, it starts at once.
TEST_F(PrintPageAnalysisTest, WithTheOptionOffNothingRunsUntilItIsTurnedOn) {
    Store(kShowMakeableContracts, false);
    CreateOptions();
    FixedSolver solver;
    DealFourBoards(solver);
    main_->PrintBtnClick();
    EXPECT_EQ(main_->Analysis(), nullptr);
    EXPECT_FALSE(main_->ViewedBoard().makeable);
    EXPECT_EQ(main_->ViewedBoard().analysisNote, "");
    EXPECT_EQ(window_.waits, 0);
    EXPECT_EQ(solver.tableCalls.load(), 0);
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 4u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i], DealRecord(static_cast<int>(i) + 1, main_->boardSet[i]));
    }
    for (const LibraryCall& call : Calls()) {
        EXPECT_NE(call.name, "SetAnalysisWords");
    }

    options_->OptionBoxClick(kShowMakeableContracts, true);
    main_->OptionsApplied();  // OK
    ASSERT_NE(main_->Analysis(), nullptr);
    main_->Analysis()->Wait();
    ::unsetenv("KESTO_RECORDING_FILE");
    fs::remove(recordingPath_);
    ::setenv("KESTO_RECORDING_FILE", recordingPath_.c_str(), 1);
    main_->PrintBtnClick();
    EXPECT_EQ(window_.waits, 0);
    ExpectRecordsWithTags();
    EXPECT_EQ(solver.tableCalls.load(), 1);
}

}  // namespace
}  // namespace kesto::test
