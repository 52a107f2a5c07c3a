// Moving between the three pages: every row of the workflow's state table, with the exact
// questions and messages on the way.

#include <gtest/gtest.h>

#include "kesto/deal/generate.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/files/write_deal_file.h"
#include "kesto/options/no_option_window.h"
#include "kesto/options/option_dialog.h"
#include "kesto/options/settings_store.h"
#include "kesto/workflow/texts.h"
#include "tests/files/files_test_support.h"
#include "tests/options/stored_value.h"
#include "tests/support/case_name.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

using Pages = WorkflowTest;

TEST_F(Pages, GenerateDealsTheCountFromTheClockSeededGeneratorAndShowsThePrintPage) {
    main.UpDown1Change(30);
    main.NextBtnClick();
    EXPECT_EQ(view.display.page, Page::Print);
    ASSERT_EQ(main.boardSet.size(), 30u);
    tBoardSet expected;
    RandomGenerator random(36'000'000u);
    GenerateRandomDeals(expected, 30, random);
    EXPECT_EQ(main.boardSet, expected);
    EXPECT_EQ(view.display.copiesLabel, "N&umber of copies (with all 30 hands):");
    EXPECT_EQ(view.display.caption, "*Kesto - Print hands");  // dealt, not saved
    EXPECT_EQ(view.display.nextCaption, "&Done");
    EXPECT_TRUE(view.display.prevEnabled);
    EXPECT_TRUE(view.messages.empty());
    // Back, and one deal: the board set is emptied first.
    main.PrevBtnClick();
    main.UpDown1Change(1);
    main.NextBtnClick();
    EXPECT_EQ(main.boardSet.size(), 1u);
    EXPECT_EQ(view.display.copiesLabel, "N&umber of copies (with all 1 hands):");
}

TEST_F(Pages, SecureDealingTakesTheDealsFromTheSystemSourceNotTheClockSeed) {
    NoOptionWindow optionWindow;
    TOptionDlg options(optionWindow, languages, {settings.Path()});
    options.FormCreate();
    options.OptionBoxClick(kSecureDealing, true);
    main.SetOptions(&options);
    main.UpDown1Change(30);
    main.NextBtnClick();
    EXPECT_EQ(view.display.page, Page::Print);
    ASSERT_EQ(main.boardSet.size(), 30u);
    for (const tDeal& deal : main.boardSet) {
        for (const Seat seat : kClockwise) {
            EXPECT_EQ(deal.Hand(seat).CardCount(), 13);
        }
    }
    tBoardSet classic;
    RandomGenerator random(36'000'000u);
    GenerateRandomDeals(classic, 30, random);
    EXPECT_NE(main.boardSet, classic);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Pages, RecordShowsOneEmptyDealWithTheFocusOnNorthsSpades) {
    Record();
    EXPECT_EQ(view.display.page, Page::EnterHand);
    EXPECT_EQ(view.display.caption, "Kesto - Record hands");
    EXPECT_EQ(view.display.nextCaption, "&Next >>");
    EXPECT_TRUE(view.display.prevEnabled);
    ASSERT_EQ(main.boardSet.size(), 1u);
    EXPECT_EQ(main.boardSet[0].CardCount(), 0);
    EXPECT_EQ(view.display.dealNumber, 1);
    ASSERT_TRUE(view.caret.has_value());
    EXPECT_EQ(view.caret->field, (SuitField{Seat::North, Suit::Spades}));
    EXPECT_TRUE(view.caret->focus);
}

TEST_F(Pages, ReadCancelledStaysOnTheFirstPageWithNoDeals) {
    // The kind last saved: the read dialog shows every kind all the same.
    SettingsStore(settings.Path()).Write(kFileType, 3);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    view.openResult.accepted = false;
    main.NextBtnClick();
    EXPECT_EQ(view.display.page, Page::First);
    EXPECT_TRUE(main.boardSet.empty());
    ASSERT_EQ(view.openRequests.size(), 1u);
    const FileDialogRequest& r = view.openRequests[0];
    EXPECT_EQ(r.title, "Read deals from file");
    EXPECT_EQ(r.filter,
              "All deal files Kesto reads|*.KST;*.DLM;*.DUP;*.pbn;*.BRI;*.DGE;*.lin;*.txt|"
              "Kesto files (*.KST)|*.KST|Duplimate files (*.DLM)|*.DLM|"
              "Duplimate files (DOS version) (*.DUP)|*.DUP|PBN files (*.pbn)|*.pbn|"
              "BRI dealing machine files (*.BRI)|*.BRI|DGE dealing machine files (*.DGE)|*.DGE|"
              "LIN files for online play (*.lin)|*.lin|"
              "Older Kesto text files (*.txt)|*.txt|All files|*.*");
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.defaultExtension, "KST");
    EXPECT_TRUE(r.mustExist);
    EXPECT_EQ(r.initialDirectory, "");  // the window's documents folder
}

struct LeaveCase {
    const char* name;
    std::vector<int> cardCounts;  // 0, 52 or a part deal
    Page page;                    // where Next leaves the user
    std::size_t deals;            // board set afterwards
    int currentDeal;
    std::vector<std::pair<MessageKind, std::string>> messages;
    std::vector<std::string> zeroCardsTexts;
};

class LeaveHandEntry : public WorkflowTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveHandEntry, ChecksTheDealsInBoardOrder) {
    const LeaveCase& c = GetParam();
    Record();
    main.boardSet.clear();
    for (int count : c.cardCounts) {
        main.boardSet.push_back(count == 52 ? FullDeal() : PartDeal(count));
    }
    view.zeroCardsAnswer = ZeroCardsChoice::AddCards;
    main.NextBtnClick();
    EXPECT_EQ(view.display.page, c.page);
    EXPECT_EQ(main.boardSet.size(), c.deals);
    EXPECT_EQ(main.CurrentDeal, c.currentDeal);
    EXPECT_EQ(view.display.dealNumber, c.currentDeal + 1);
    ASSERT_EQ(view.messages.size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_EQ(view.messages[i].kind, c.messages[i].first);
        EXPECT_EQ(view.messages[i].text, c.messages[i].second);
        EXPECT_EQ(view.messages[i].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(view.zeroCardsTexts, c.zeroCardsTexts);
}

INSTANTIATE_TEST_SUITE_P(
    StateTable, LeaveHandEntry,
    ::testing::Values(
        LeaveCase{"TrailingEmptyDealsDropped", {52, 52, 52, 0, 0}, Page::Print, 3, 0, {}, {}},
        LeaveCase{"NoDealWithCards",
                  {0, 0, 0},
                  Page::EnterHand,
                  1,
                  0,
                  {{MessageKind::Information, "Nothing to print"}},
                  {}},
        LeaveCase{"ShortDeal",
                  {52, 13},
                  Page::EnterHand,
                  2,
                  1,
                  {{MessageKind::Warning, "Deal 2 has only 13 cards."}},
                  {}},
        LeaveCase{"ShortDealBeforeAnEmptyOne",
                  {52, 0, 51, 52},
                  Page::EnterHand,
                  4,
                  2,
                  {{MessageKind::Warning, "Deal 3 has only 51 cards."}},
                  {}},
        LeaveCase{"OneEmptyDeal", {52, 0, 52}, Page::EnterHand, 3, 1, {}, {"Deal 2 has no cards."}},
        LeaveCase{"TwoEmptyDeals",
                  {52, 0, 52, 0, 52},
                  Page::EnterHand,
                  5,
                  1,
                  {},
                  {"Deals 2 and 4 have no cards."}},
        LeaveCase{"SeveralEmptyDeals",
                  {0, 52, 0, 0, 52, 0, 52, 0},
                  Page::EnterHand,
                  7,
                  0,
                  {},
                  {"Deals 1, 3, 4 and 6 have no cards."}},
        LeaveCase{"AllComplete", {52, 52}, Page::Print, 2, 0, {}, {}}),
    CaseName());

TEST_F(Pages, DealsWithoutCardsSkippedOrPrintedGoToThePrintPage) {
    for (auto [choice, printEmpty] : {std::pair{ZeroCardsChoice::SkipEmptyDeals, false},
                                      std::pair{ZeroCardsChoice::PrintAllDeals, true}}) {
        Record();
        main.boardSet = {FullDeal(), tDeal(), FullDeal()};
        main.PrintEmptyDeals = !printEmpty;
        view.zeroCardsAnswer = choice;
        main.NextBtnClick();
        EXPECT_EQ(view.display.page, Page::Print);
        EXPECT_EQ(main.PrintEmptyDeals, printEmpty);
        EXPECT_EQ(main.boardSet.size(), 3u);
        // The print request says so.
        EXPECT_EQ(main.PrintRequest().mode, DealSource::Record);
        EXPECT_EQ(main.PrintRequest().printEmptyDeals, printEmpty);
        main.PrevBtnClick();  // mode 1, not printed: back to hand entry without a question
        EXPECT_EQ(view.display.page, Page::EnterHand);
        view.answers = {Answer::Ok};
        main.PrevBtnClick();
        EXPECT_EQ(view.display.page, Page::First);
    }
}

TEST_F(Pages, PreviousFromHandEntryAsksOnlyWhenADealHasCards) {
    Record();
    main.PrevBtnClick();
    EXPECT_EQ(view.display.page, Page::First);
    EXPECT_TRUE(view.messages.empty());

    Record();
    main.Edit1KeyPress({Seat::North, Suit::Spades}, 'A');
    view.answers = {Answer::Cancel};
    main.PrevBtnClick();
    EXPECT_EQ(view.display.page, Page::EnterHand);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(view.messages[0].text,
              "Backing up now will result in losing the data that has been entered.  Proceed "
              "anyway?");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::OkCancel);

    view.answers = {Answer::Ok};
    main.PrevBtnClick();
    EXPECT_EQ(view.display.page, Page::First);
    EXPECT_EQ(main.boardSet.size(), 1u);  // emptied only by the next Next
}

TEST_F(Pages, PreviousFromThePrintPageInGenerateModeGoesStraightBack) {
    main.NextBtnClick();
    main.Printed = true;
    main.PrevBtnClick();
    EXPECT_EQ(view.display.page, Page::First);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Pages, PreviousFromThePrintPageAfterPrintingAsksToClear) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        Record();
        main.boardSet = {FullDeal(), FullDeal()};
        main.NextBtnClick();
        ASSERT_EQ(view.display.page, Page::Print);
        main.Printed = true;
        view.messages.clear();
        view.answers = {answer};
        main.PrevBtnClick();
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].text, "Clear all printed deals?");
        EXPECT_EQ(view.messages[0].kind, MessageKind::Confirmation);
        EXPECT_EQ(view.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(view.display.page, Page::EnterHand);
        if (answer == Answer::Yes) {
            ASSERT_EQ(main.boardSet.size(), 1u);
            EXPECT_EQ(main.boardSet[0].CardCount(), 0);
        } else {
            EXPECT_EQ(main.boardSet.size(), 2u);
        }
        view.answers = {Answer::Ok};
        main.PrevBtnClick();
        view.messages.clear();
    }
}

TEST_F(Pages, PreviousFromThePrintPageInReadModeFollowsDealsComplete) {
    for (bool complete : {true, false}) {
        // Deals read from a file reach the print page (here by way of hand entry).
        Record();
        main.RadioGroup1Click(DealSource::ReadFromFile);
        main.boardSet = {FullDeal(), FullDeal()};
        main.DealsComplete = complete;
        main.UpDown4Change("2");
        main.NextBtnClick();
        ASSERT_EQ(view.display.page, Page::Print);
        // Sets of individual sheets start at 0 for deals read, and that is remembered.
        EXPECT_EQ(view.display.sets, 0);
        EXPECT_EQ(main.RememberedIndividualSets, 0);
        main.Printed = true;
        view.messages.clear();
        view.answers = {Answer::No};
        main.PrevBtnClick();
        if (complete) {
            EXPECT_EQ(view.display.page, Page::First);
            EXPECT_TRUE(view.messages.empty());
        } else {
            EXPECT_EQ(view.display.page, Page::EnterHand);
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(view.messages[0].text, "Clear all printed deals?");
            EXPECT_EQ(main.boardSet.size(), 2u);
            view.answers = {Answer::Ok};
            main.PrevBtnClick();
        }
        main.RadioGroup1Click(DealSource::Record);
    }
}

// Boards safe in a file but not printed: Done asks. Boards not saved are asked about as the
// window closes (MayClose), printed or not.
TEST_F(Pages, DoneClosesAtOnceAfterPrintingOtherwiseAsks) {
    main.NextBtnClick();
    view.messages.clear();
    main.NextBtnClick();
    EXPECT_EQ(view.closeRequests, 1);
    EXPECT_TRUE(view.messages.empty());
    view.saveResult = {true, (settings.Folder() / "night.kst").string(), 1};
    ASSERT_TRUE(main.SaveBtnClick());

    view.answers = {Answer::No};
    main.NextBtnClick();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "You haven't printed any hands yet.  Exit anyway?");
    EXPECT_EQ(view.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(view.closeRequests, 1);
    EXPECT_EQ(view.display.page, Page::Print);

    view.answers = {Answer::Yes};
    main.NextBtnClick();
    EXPECT_EQ(view.closeRequests, 2);

    main.Printed = true;
    view.messages.clear();
    main.NextBtnClick();
    EXPECT_EQ(view.closeRequests, 3);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Pages, ChangingTheModeClearsPrintedSoDoneAsksAgain) {
    main.Printed = true;
    main.RadioGroup1Click(DealSource::Record);
    EXPECT_FALSE(main.Printed);
    EXPECT_FALSE(view.display.randomCountVisible);
    EXPECT_EQ(view.display.mode, DealSource::Record);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    EXPECT_FALSE(view.display.randomCountVisible);
    EXPECT_EQ(view.display.mode, DealSource::ReadFromFile);
    main.RadioGroup1Click(DealSource::Generate);
    EXPECT_TRUE(view.display.randomCountVisible);
    EXPECT_EQ(view.display.mode, DealSource::Generate);
    main.NextBtnClick();
    view.saveResult = {true, (settings.Folder() / "night.kst").string(), 1};
    main.SaveBtnClick();
    main.NextBtnClick();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, texts::kNotPrintedExit);
}

TEST_F(Pages, ThePrintPageShowsTheRememberedSetsExceptWhenReading) {
    main.UpDown4Change("3");
    EXPECT_EQ(main.RememberedIndividualSets, 3);
    main.NextBtnClick();
    EXPECT_EQ(view.display.sets, 3);
    main.PrevBtnClick();
    // An unreadable number keeps the remembered one and says so.
    main.UpDown4Change("");
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(view.messages[0].text, "'' is not a valid whole number.");
    main.UpDown4Change("2x");
    EXPECT_EQ(main.RememberedIndividualSets, 3);
}

TEST_F(Pages, CountFieldsTakeDigitsAndBackspaceOnly) {
    for (char c : std::string("0123456789\b")) {
        EXPECT_TRUE(TKestoMain::CountKeyPress(c)) << c;
    }
    for (char c : std::string("-+ a.,\r\x1b")) {
        EXPECT_FALSE(TKestoMain::CountKeyPress(c)) << c;
    }
}

TEST_F(Pages, CountsStayInTheirRanges) {
    main.UpDown1Change(0);
    EXPECT_EQ(main.RandomDealCount(), 1);
    main.UpDown1Change(501);
    EXPECT_EQ(main.RandomDealCount(), 500);
    main.UpDown3Change(1001);
    main.UpDown4Change("101");
    main.UpDown5Change(-1);
    const PrintJobRequest printing = main.PrintRequest();
    EXPECT_EQ(printing.copies, 1000);
    EXPECT_EQ(printing.sets, 100);
    EXPECT_EQ(printing.statSheets, 0);
}

TEST_F(Pages, ADealNumberBeyondAShrunkBoardSetShowsTheLastDeal) {
    Record();
    main.boardSet = {FullDeal(), FullDeal(), FullDeal()};
    main.Edit20Change(5);  // six deals now, deal 5 shown
    EXPECT_EQ(main.boardSet.size(), 6u);
    main.NextBtnClick();  // drops deals 4 to 6
    ASSERT_EQ(view.display.page, Page::Print);
    EXPECT_EQ(main.boardSet.size(), 3u);
    main.PrevBtnClick();
    EXPECT_EQ(view.display.page, Page::EnterHand);
    EXPECT_EQ(main.CurrentDeal, 2);
    EXPECT_EQ(view.display.dealNumber, 3);
    EXPECT_EQ(main.boardSet.size(), 3u);
}

TEST_F(Pages, TheDateCheckBoxAsksForTheFormatOnlyOnceTheWindowIsShown) {
    view.dateAnswer = 3;
    main.CheckBox3Click(true);
    EXPECT_EQ(view.dateDialogs, 1);
    EXPECT_EQ(view.dateEntries,
              (std::vector<std::string>{"12/7/2026", "Monday, December 7, 2026",
                                        "Monday, 7 December 2026", "December 7, 2026",
                                        "7 December 2026", "7-Dec-26"}));
    EXPECT_EQ(main.DateFormatIndex, 3);
    EXPECT_EQ(view.display.line2, "December 7, 2026");
    EXPECT_TRUE(main.UseDateInHeader);

    // Closed without OK: the format stays, the date is still written.
    view.dateAnswer.reset();
    main.CheckBox3Click(true);
    EXPECT_EQ(main.DateFormatIndex, 3);
    EXPECT_EQ(view.display.line2, "December 7, 2026");

    main.CheckBox3Click(false);
    EXPECT_EQ(view.display.line2, "");
    EXPECT_FALSE(main.UseDateInHeader);
    EXPECT_EQ(view.dateDialogs, 2);
}

}  // namespace
}  // namespace kesto::test

namespace kesto::test {
namespace {

class ReadFromFile : public WorkflowTest {
  protected:
    std::string SaveDeals(DealSource source, int count) {
        tBoardSet deals;
        RandomGenerator random(7);
        GenerateRandomDeals(deals, count, random);
        const std::string path = (settings.Folder() / "club.kst").string();
        const DealsToWrite written{deals, "Club night", "Monday", source};
        EXPECT_TRUE(WriteDealFile(DealFileKind::Own, path, written).Ok());
        saved = deals;
        return path;
    }
    void ChooseFile(const std::string& path, int filterIndex) {
        view.openResult.accepted = true;
        view.openResult.fileName = path;
        view.openResult.filterIndex = filterIndex;
    }
    int StoredFileType() {
        const auto stored = StoredValue(settings.Path(), kFileType.name);
        return stored ? static_cast<int>(stored->number) : -1;
    }
    tBoardSet saved;
};

TEST_F(ReadFromFile, GeneratedDealsGoToThePrintPageAndArePrintedAsRead) {
    ChooseFile(SaveDeals(DealSource::Generate, 4), 2);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    main.NextBtnClick();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.display.page, Page::Print);
    EXPECT_TRUE(main.DealsComplete);
    EXPECT_EQ(main.boardSet, saved);
    EXPECT_EQ(view.display.line1, "Club night");
    EXPECT_EQ(view.display.line2, "Monday");
    EXPECT_EQ(view.display.sets, 0);
    EXPECT_EQ(StoredFileType(), -1);  // reading leaves the kind last saved alone
    // Printed as read, without sets.
    const PrintJobRequest request = main.PrintRequest();
    EXPECT_EQ(request.mode, DealSource::ReadFromFile);
    EXPECT_TRUE(request.dealsComplete);
    EXPECT_EQ(*request.boardSet, saved);
    EXPECT_EQ(request.header1, "Club night");
    EXPECT_EQ(request.header2, "Monday");
    EXPECT_EQ(request.sets, 0);
}

// Kinds with header lines give theirs; DUP files give empty ones; BRI and DGE files have none,
// so the director's lines stay, the date included.
TEST_F(ReadFromFile, HeaderLinesComeFromFilesThatHaveThem) {
    struct Case {
        const char* file;
        std::string line1, line2;
    };
    const Case cases[] = {
        {"kst/y_two_generated_boards.kst", "Club night", "Monday"},
        {"dup/y_three_boards.dup", "", ""},
        {"bri/y_three_boards.bri", "Pairs", "Monday, 7 December 2026"},
        {"dge/y_three_boards.dge", "Pairs", "Monday, 7 December 2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        main.Edit17Change("Pairs");
        main.Edit18Change("Monday, 7 December 2026");
        ChooseFile(DataPath(c.file), 1);
        main.RadioGroup1Click(DealSource::ReadFromFile);
        main.NextBtnClick();
        ASSERT_EQ(view.display.page, Page::Print);
        EXPECT_EQ(view.display.line1, c.line1);
        EXPECT_EQ(view.display.line2, c.line2);
        main.PrevBtnClick();
    }
}

TEST_F(ReadFromFile, RecordedDealsGoToHandEntryForReview) {
    SettingsStore(settings.Path()).Write(kFileType, 2);  // another kind remembered before
    ChooseFile(SaveDeals(DealSource::Record, 2), 1);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    main.NextBtnClick();
    EXPECT_EQ(view.display.page, Page::EnterHand);
    EXPECT_FALSE(main.DealsComplete);
    EXPECT_EQ(main.boardSet.size(), 2u);
}

TEST_F(ReadFromFile, AFileThatCannotBeReadLeavesTheFirstPageAndNoDeals) {
    const std::string path = (settings.Folder() / "broken.kst").string();
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("no deals here\r\n", f);
        std::fclose(f);
    }
    ChooseFile(path, 2);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    main.NextBtnClick();
    EXPECT_EQ(view.display.page, Page::First);
    EXPECT_TRUE(main.boardSet.empty());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(view.messages[0].text.starts_with("Error reading " + path + ". "));
}

// Boards numbered 5 to 8 in the file become 1 to 4 only after the user has been told; the
// notice comes before anything is read into the window.
// The file's date shows in the chosen date format.
TEST_F(ReadFromFile, BoardsNumberedOtherwiseAreReadAfterTheNoticeIsAnsweredOk) {
    const std::string path = DataPath("pbn/y_numbered_from_5.pbn");
    main.DateFormatIndex = 1;
    ChooseFile(path, 5);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    main.NextBtnClick();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(view.messages[0].text,
              "The boards in " + path +
                  " are numbered 5 to 8. Kesto numbers them 1 to 4, and dealer and "
                  "vulnerability follow the new numbers.");
    EXPECT_EQ(view.display.page, Page::Print);
    EXPECT_TRUE(main.DealsComplete);
    EXPECT_EQ(main.boardSet.size(), 4u);
    EXPECT_EQ(view.display.line1, "Second half");
    EXPECT_EQ(view.display.line2, "Wednesday, December 9, 2026");
}

TEST_F(ReadFromFile, CancelOnTheBoardNumberOrDealerNoticeReadsNothing) {
    for (const char* file :
         {"pbn/y_numbered_from_5.pbn", "dlm/y_ranged_from_5_to_3.dlm", "pbn/y_teaching_set.pbn"}) {
        SCOPED_TRACE(file);
        view.messages.clear();
        view.answers = {Answer::Cancel};
        ChooseFile(DataPath(file), 2);
        main.RadioGroup1Click(DealSource::ReadFromFile);
        main.NextBtnClick();
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(view.display.page, Page::First);
        EXPECT_TRUE(main.boardSet.empty());
        EXPECT_EQ(view.display.line1, "");
    }
}

// Files numbered 1, 2, 3 ... read without a question, PBN files as complete deals.
TEST_F(ReadFromFile, PbnFilesNumberedFromOneReadWithoutAQuestion) {
    ChooseFile(DataPath("interop/bigdeal/bigdeal-12.pbn"), 4);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    main.NextBtnClick();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.display.page, Page::Print);
    EXPECT_EQ(main.boardSet.size(), 12u);
}

TEST_F(ReadFromFile, PbnDealsShortOfCardsGetTheHandEntryChecksAtOnce) {
    ChooseFile(DataPath("pbn/y_unknown_hands.pbn"), 4);
    main.RadioGroup1Click(DealSource::ReadFromFile);
    main.NextBtnClick();
    EXPECT_EQ(view.display.page, Page::EnterHand);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Deal 1 has only 26 cards.");
}

TEST_F(ReadFromFile, SaveWritesTheBoardSetThroughTheSaveDialog) {
    main.UpDown1Change(3);
    main.Edit17Change("Pairs");
    main.NextBtnClick();
    const std::string path = (settings.Folder() / "out.kst").string();
    view.saveResult.accepted = true;
    view.saveResult.fileName = path;
    view.saveResult.filterIndex = 1;
    main.SaveBtnClick();
    ASSERT_EQ(view.saveRequests.size(), 1u);
    EXPECT_EQ(view.saveRequests[0].initialDirectory, "");
    DealFileContents contents;
    ASSERT_TRUE(ReadAnyDealFile(path, contents).Ok());
    EXPECT_EQ(contents.boardSet, main.boardSet);
    EXPECT_EQ(contents.header1, "Pairs");
    EXPECT_TRUE(contents.dealsComplete);
}

}  // namespace
}  // namespace kesto::test
