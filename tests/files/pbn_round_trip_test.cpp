// A PBN file Kesto writes reads back into the same board set, header lines included: through
// the save kind chosen by name and the reader chosen by the file's first bytes, as the window
// and the batch do it.

#include <gtest/gtest.h>

#include "kesto/files/pbn_writer.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/files/write_deal_file.h"
#include "tests/files/files_test_support.h"
#include "tests/support/case_name.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

struct RoundTripCase {
    const char* name;
    tBoardSet boards;
    std::string header1, header2;
    std::optional<CivilDate> date;
};

tBoardSet HandEnteredBoards() {
    tBoardSet boards = RandomBoards(5, 7);
    boards[1] = DealOf(kWorkedNorth, "", "", "");           // one hand typed so far
    boards[2] = tDeal();                                    // nothing typed
    boards[3] = DealOf("", kWorkedEast, kWorkedSouth, "");  // two hands
    return boards;
}

std::vector<RoundTripCase> Cases() {
    return {
        {"club_night", RandomBoards(36), "Kesto Bridge Club", "Wednesday, December 9, 2026",
         CivilDate{2026, 12, 9, 3}},
        {"hand_entered", HandEnteredBoards(), "Pairs \xE9t\xE9", "", std::nullopt},
        {"escapes", RandomBoards(2), "#1 \"Spring\" cup \\ room #2", "## Caf\xE9 {4} ; [x]",
         std::nullopt},
        {"most_boards", RandomBoards(kMaxBoards, 3), "", "Room 2", std::nullopt},
    };
}

class PbnRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(PbnRoundTrip, ReadsBackTheSameBoardsAndHeaderLines) {
    const RoundTripCase& c = GetParam();
    ScratchFolder folder;
    const std::string path = folder.Path(std::string(c.name) + ".pbn");
    const DealsToWrite deals{c.boards, c.header1, c.header2, DealSource::Record, c.date};
    ASSERT_TRUE(WriteDealFile(SaveKindOfFileName(path), path, deals).Ok());

    DealFileContents again;
    ASSERT_TRUE(ReadAnyDealFile(path, again).Ok()) << ReadAnyDealFile(path, again).Reason();
    EXPECT_EQ(again.boardSet, c.boards);
    EXPECT_EQ(again.header1, c.header1);
    EXPECT_EQ(again.header2, c.header2);
    std::vector<int> positions(c.boards.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        positions[i] = static_cast<int>(i) + 1;
    }
    EXPECT_EQ(again.boardNumbers, positions) << "boards are numbered by position";
    EXPECT_TRUE(again.dealsComplete);
}

INSTANTIATE_TEST_SUITE_P(Boards, PbnRoundTrip, ::testing::ValuesIn(Cases()), CaseName());

// The tags a later analysis adds after Result leave the boards and header lines as they were.
TEST(PbnRoundTripWithFurtherTags, ReadsTheSameBoards) {
    ScratchFolder folder;
    const tBoardSet boards = RandomBoards(3, 11);
    const std::vector<std::vector<PbnTag>> more(
        3, {{"OptimumScore", "NS 140"}, {"DoubleDummyTricks", "89967899674347643476"}});
    const std::string path = folder.Path("analysed.pbn");
    ASSERT_TRUE(WritePbnFile(path, {boards, "Club", "Room 2", std::nullopt, more}).Ok());
    DealFileContents again;
    ASSERT_TRUE(ReadAnyDealFile(path, again).Ok());
    EXPECT_EQ(again.boardSet, boards);
    EXPECT_EQ(again.header1, "Club");
    EXPECT_EQ(again.header2, "Room 2");
}

}  // namespace
}  // namespace kesto::test
