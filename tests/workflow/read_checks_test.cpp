// Deals read from a file get the checks of typed-in deals in the window: a file that says its
// deals are complete but holds a short or empty deal goes to the hand-entry page with the
// window's message at once.

#include <gtest/gtest.h>

#include "kesto/files/own_deal_file.h"
#include "tests/files/files_test_support.h"
#include "tests/support/worked_example.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

const std::string& kWorked = kWorkedHands;
const std::string kFiftyOne = kWorked.substr(0, kWorked.size() - 1);  // West's four of clubs gone

class ReadChecks : public WorkflowTest {
  protected:
    void Read(bool generated, std::initializer_list<std::string> deals) {
        PutFile(path, OwnFile(deals, generated));
        view.openResult.accepted = true;
        view.openResult.fileName = path;
        view.openResult.filterIndex = 1;
        main.RadioGroup1Click(DealSource::ReadFromFile);
        main.NextBtnClick();
    }
    const std::string path = (settings.Folder() / "club.kst").string();
};

TEST_F(ReadChecks, ACompleteFileWithAShortDealStopsOnThatDealWithTheWindowsMessage) {
    Read(true, {kWorked, kFiftyOne, kWorked});
    EXPECT_EQ(view.display.page, Page::EnterHand);
    EXPECT_FALSE(main.DealsComplete);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(view.messages[0].text, "Deal 2 has only 51 cards.");
    EXPECT_EQ(view.display.dealNumber, 2);
    EXPECT_EQ(main.boardSet.size(), 3u);
}

// A file keeps every board: an empty deal at its end is named as any other, where typed-in
// deals would drop it. A file of entered deals is checked at Next on the hand-entry page.
TEST_F(ReadChecks, AnEmptyDealAtTheEndOfAFileIsNamedNotDropped) {
    for (const bool generated : {true, false}) {
        SCOPED_TRACE(generated);
        view.zeroCardsTexts.clear();
        view.zeroCardsAnswer = ZeroCardsChoice::AddCards;
        Read(generated, {kWorked, kWorked, "- - - -"});
        if (!generated) {
            main.NextBtnClick();
        }
        EXPECT_EQ(view.display.page, Page::EnterHand);
        EXPECT_EQ(main.boardSet.size(), 3u);
        EXPECT_EQ(view.zeroCardsTexts, std::vector<std::string>{"Deal 3 has no cards."});
        EXPECT_EQ(view.display.dealNumber, 3);
        main.PrevBtnClick();  // back to the first page for the next file
    }
}

}  // namespace
}  // namespace kesto::test
