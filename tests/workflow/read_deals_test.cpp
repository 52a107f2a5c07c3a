#include "kesto/workflow/read_deals.h"

#include <gtest/gtest.h>

#include "kesto/workflow/texts.h"
#include "tests/files/files_test_support.h"
#include "tests/support/scratch_folder.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

TEST(ReadDealFile, AFileThatReadsShowsNothing) {
    test::FakeUi ui;
    DealFileContents contents;
    ASSERT_TRUE(ReadDealFile(test::DataPath("kst/y_two_generated_boards.kst"), ui, contents));
    EXPECT_EQ(contents.boardSet.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
}

// The reader's reason reaches the user as it is: one error with an OK button.
TEST(ReadDealFile, AFailureShowsTheReasonAsAnErrorWithOk) {
    test::ScratchFolder folder;
    const std::string gone = folder.Path("vanished.kst");
    const std::string broken = test::DataPath("dup/n_letter_in_card_field.dup");
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {gone, "Cannot open " + gone + ": No such file or directory."},
        {folder.Folder().string(), folder.Folder().string() + " is not a file."},
        {broken, "Error reading " + broken + ". Board 2 holds \"x1\", which is no card number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        test::FakeUi ui;
        DealFileContents contents;
        contents.boardSet.resize(2);
        EXPECT_FALSE(ReadDealFile(c.path, ui, contents));
        EXPECT_TRUE(contents.boardSet.empty());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(ui.messages[0].text, c.message);
    }
}

TEST(BoardsRenumberedText, TheFilesNumbersAsRunsThenKestos) {
    struct Case {
        std::vector<int> numbers;
        std::string said;  // between "are numbered " and ". Kesto numbers them "
        std::string kesto;
    };
    const Case cases[] = {
        {{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, "5 to 16", "1 to 12"},
        {{7}, "7", "1"},
        {{1, 2, 3, 7, 8, 9}, "1 to 3, 7 to 9", "1 to 6"},
        {{3, 1, 2}, "3, 1, 2", "1 to 3"},
        {{1, 1, 2, 2}, "1, 1, 2, 2", "1 to 4"},
        {{0, 5, 6}, "5, 6; 1 board has no number Kesto can read", "1 to 3"},
        {{0, 0, 0, 99999}, "99999; 3 boards have no number Kesto can read", "1 to 4"},
        {{2, 4, 6, 8, 10, 11}, "2, 4, 6, 8, ...", "1 to 6"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texts::BoardsRenumberedText("club.pbn", c.numbers),
                  "The boards in club.pbn are numbered " + c.said + ". Kesto numbers them " +
                      c.kesto + ", and dealer and vulnerability follow the new numbers.");
    }
}

TEST(OtherDealerOrVulnerabilityText, NamesTheBoardsAsRunsAndWhatGivesThem) {
    EXPECT_EQ(texts::OtherDealerOrVulnerabilityText("teach.pbn", true, {2, 3, 4, 6, 7}),
              "In teach.pbn, the Dealer or Vulnerable tag of boards 2 to 4, 6, 7 differs from the "
              "usual rotation. Kesto gives every board the dealer and vulnerability of its "
              "number, so these change.");
    EXPECT_EQ(texts::OtherDealerOrVulnerabilityText("club.lin", false, {2}),
              "In club.lin, the dealer or vulnerability of board 2 differs from the usual "
              "rotation. Kesto gives every board the dealer and vulnerability of its number, so "
              "these change.");
}

TEST(AcceptBoardNumbers, AsksOnlyWhenTheFileNumbersOtherwise) {
    struct Case {
        std::vector<int> numbers;
        bool asks;
    };
    const Case cases[] = {
        {{}, false}, {{1, 2, 3}, false}, {{0, 0}, false}, {{1, 0, 3}, false},
        {{2}, true}, {{1, 3}, true},     {{0, 5}, true},  {{2, 1}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberedAsKestoNumbers(c.numbers), !c.asks);
        for (const Answer answer : {Answer::Ok, Answer::Cancel}) {
            FakeMainWindowView ui;
            ui.answers.push_back(answer);
            const bool accepted = AcceptBoardNumbers("in.pbn", c.numbers, ui);
            EXPECT_EQ(accepted, !c.asks || answer == Answer::Ok);
            ASSERT_EQ(ui.messages.size(), c.asks ? 1u : 0u);
            if (c.asks) {
                EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
                EXPECT_EQ(ui.messages[0].buttons, MessageButtons::OkCancel);
                EXPECT_EQ(ui.messages[0].text, texts::BoardsRenumberedText("in.pbn", c.numbers));
            }
        }
    }
}

}  // namespace
}  // namespace kesto::test
