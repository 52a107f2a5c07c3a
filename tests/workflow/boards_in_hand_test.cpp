// The boards in hand: the window's title names their file and marks them changed, nothing
// unsaved is dropped without asking, and going back to record them keeps them.

#include <gtest/gtest.h>

#include <ostream>

#include "kesto/deal/generate.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/files/write_deal_file.h"
#include "kesto/workflow/texts.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

class BoardsInHand : public WorkflowTest {
  public:
    using WorkflowTest::main;
    using WorkflowTest::Record;
    using WorkflowTest::view;

    // A file of four deals entered by hand, read as "Read deals from file" reads it: to the
    // hand-entry page.
    void ReadRecordedFile() {
        tBoardSet deals;
        RandomGenerator random(7);
        GenerateRandomDeals(deals, 4, random);
        ASSERT_TRUE(WriteDealFile(DealFileKind::Own, Path("club.kst"),
                                  {deals, "A", "B", DealSource::Record})
                        .Ok());
        view.openResult = {true, Path("club.kst"), 1};
        main.RadioGroup1Click(DealSource::ReadFromFile);
        main.NextBtnClick();
        ASSERT_EQ(main.CurrentPage(), Page::EnterHand);
    }
    void Generate() {
        main.UpDown1Change(30);
        main.NextBtnClick();
    }
    void Type(Seat seat, Suit suit, const std::string& keys) {
        for (char key : keys) {
            main.Edit1KeyPress({seat, suit}, key);
        }
    }
    void SaveAs(const std::string& name) {
        view.saveResult = {true, Path(name), 1};
        ASSERT_TRUE(main.SaveBtnClick());
    }
    std::string Path(const std::string& name) const { return (settings.Folder() / name).string(); }
};

struct InHandCase {
    const char* name;
    void (*make)(BoardsInHand&);
    bool asked;  // closing asks whether to save them
    const char* caption;
};

void PrintTo(const InHandCase& c, std::ostream* out) {
    *out << c.name;
}

const InHandCase kInHandCases[] = {
    {"NothingYet", [](BoardsInHand&) {}, false, "Kesto"},
    {"Dealt", [](BoardsInHand& t) { t.Generate(); }, true, "*Kesto - Print hands"},
    {"Read", [](BoardsInHand& t) { t.ReadRecordedFile(); }, false, "club.kst - Kesto"},
    {"ReadThenChanged",
     [](BoardsInHand& t) {
         t.ReadRecordedFile();
         t.main.Button5Click();  // "&Clear deal"
     },
     true, "*club.kst - Kesto"},
    {"ReadThenChangedBack",
     [](BoardsInHand& t) {
         t.ReadRecordedFile();
         const tDeal first = t.main.boardSet[0];
         t.main.Button5Click();
         t.main.boardSet[0] = first;
         t.main.Refresh();
     },
     false, "club.kst - Kesto"},
    {"Typed",
     [](BoardsInHand& t) {
         t.Record();
         t.Type(Seat::North, Suit::Spades, "AK");
     },
     true, "*Kesto - Record hands"},
    {"RecordPageLeftEmpty", [](BoardsInHand& t) { t.Record(); }, false, "Kesto - Record hands"},
};

class WhatClosingAsks : public BoardsInHand, public ::testing::WithParamInterface<InHandCase> {};

TEST_P(WhatClosingAsks, OnlyWhenSomethingWouldBeLost) {
    const InHandCase& c = GetParam();
    c.make(*this);
    EXPECT_EQ(view.display.caption, c.caption);
    EXPECT_EQ(main.BoardsChanged(), c.asked);
    EXPECT_EQ(main.MayClose(), !c.asked);  // the view answers Cancel
    EXPECT_EQ(view.saveQuestions.size(), c.asked ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Boards, WhatClosingAsks, ::testing::ValuesIn(kInHandCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(BoardsInHand, TheAnswerToTheCloseQuestionDecides) {
    Generate();
    ASSERT_FALSE(main.MayClose());
    EXPECT_TRUE(view.saveRequests.empty());

    view.saveAnswer = SaveAnswer::Save;  // and then Cancel in the save dialog
    EXPECT_FALSE(main.MayClose());
    EXPECT_EQ(view.saveRequests.size(), 1u);

    view.saveAnswer = SaveAnswer::Discard;
    EXPECT_TRUE(main.MayClose());
    EXPECT_TRUE(main.BoardsChanged());

    view.saveAnswer = SaveAnswer::Save;
    view.saveResult = {true, Path("night.kst"), 1};
    EXPECT_TRUE(main.MayClose());
    DealFileContents saved;
    ASSERT_TRUE(ReadAnyDealFile(Path("night.kst"), saved).Ok());
    EXPECT_EQ(saved.boardSet, main.boardSet);
    EXPECT_EQ(view.display.caption, "night.kst - Kesto");
    EXPECT_EQ(view.saveQuestions.size(), 4u);
    // The next save suggests that file.
    main.SaveBtnClick();
    EXPECT_EQ(view.saveRequests.back().initialFileName, "night.kst");
    EXPECT_EQ(view.saveRequests.back().initialDirectory, settings.Folder().string() + "/");
}

// "&Open..." and "&New" drop the boards in hand only after the same question; Cancel keeps
// them, and so does Cancel in the open dialog.
TEST_F(BoardsInHand, OpenAndNewAskFirst) {
    ReadRecordedFile();
    main.Button5Click();
    view.openResult = {false, "", 1};
    main.OpenMenuClick();
    ASSERT_EQ(view.saveQuestions.size(), 1u);
    EXPECT_EQ(view.saveQuestions[0].question, "Save the deals before reading another file?");
    EXPECT_EQ(view.saveQuestions[0].detail,
              "If you don't save, your changes to club.kst will be lost.");
    EXPECT_EQ(view.openRequests.size(), 1u);  // the read above
    view.saveAnswer = SaveAnswer::Discard;
    main.OpenMenuClick();
    EXPECT_EQ(view.openRequests.size(), 2u);
    EXPECT_EQ(main.boardSet.size(), 4u);
    EXPECT_EQ(main.CurrentPage(), Page::EnterHand);

    main.NewMenuClick();
    EXPECT_EQ(view.saveQuestions.back().question, "Save the deals before starting new ones?");
    EXPECT_EQ(main.CurrentPage(), Page::First);
    EXPECT_TRUE(main.boardSet.empty());
    EXPECT_EQ(view.display.caption, "Kesto");
}

// Saving from the hand-entry page leaves out the empty deal after the last one typed.
TEST_F(BoardsInHand, SavingTypedDealsLeavesOutTheEmptyLastOne) {
    Record();
    Type(Seat::North, Suit::Spades, "AKQ");
    main.Edit20Change(2);
    ASSERT_GT(main.boardSet.size(), 1u);
    EXPECT_TRUE(view.display.saveEnabled);
    EXPECT_FALSE(view.display.printEnabled);
    SaveAs("typed.kst");
    DealFileContents saved;
    ASSERT_TRUE(ReadAnyDealFile(Path("typed.kst"), saved).Ok());
    EXPECT_EQ(saved.boardSet.size(), 1u);
    EXPECT_FALSE(main.BoardsChanged());
    EXPECT_EQ(view.display.caption, "typed.kst - Kesto");
}

}  // namespace
}  // namespace kesto::test
