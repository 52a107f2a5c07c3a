#include "kesto/files/lin_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "files_test_support.h"

namespace kesto::test {
namespace {

// Each y_ file's first board is the worked example deal. UTF-8 and Windows-1252 text read
// alike; the boards whose md dealer or sv pair leaves the rotation of both their place and
// their number are listed for the notice.
TEST(LINFile, GoldenFilesReadAsTheirNamesSay) {
    struct Case {
        const char* file;
        std::size_t boards;
        std::vector<int> numbers;
        std::vector<int> otherDealerOrVulnerability;
        const char* header1;
    };
    const Case cases[] = {
        {"lin/y_three_boards.lin", 3, {1, 2, 3}, {}, "Caf\xE9 night"},
        {"lin/y_windows1252_event.lin", 1, {1}, {}, "Caf\xE9 night"},
        {"lin/y_hand_viewer.lin", 1, {1}, {}, ""},
        {"lin/y_open_and_closed_rooms_from_5.lin", 3, {5, 6, 7}, {}, "Spring pairs"},
        {"lin/y_dealer_and_vulnerability_of_their_own.lin", 3, {1, 2, 3}, {2, 3}, ""},
        {"lin/y_event_named_like_a_deal_tag.lin",
         1,
         {1},
         {},
         "[Deal \"N:AKQJT98765432... - - -\"] cup"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DealFileContents contents;
        ASSERT_TRUE(ParseLINFile(FileBytes(DataPath(c.file)), contents).Ok());
        ASSERT_EQ(contents.boardSet.size(), c.boards);
        EXPECT_EQ(contents.boardSet[0], WorkedExampleDeal());
        EXPECT_EQ(contents.boardNumbers, c.numbers);
        EXPECT_EQ(contents.otherDealerOrVulnerability, c.otherDealerOrVulnerability);
        EXPECT_EQ(contents.header1, c.header1);
    }
}

TEST(LINFile, TheFileOfAConversionProgramReadsToTheDealsOfItsPBNFile) {
    const std::string base = DataPath("interop/deal-convert/test");
    DealFileContents contents;
    ASSERT_TRUE(ParseLINFile(FileBytes(base + ".lin"), contents).Ok());
    EXPECT_EQ(contents.boardSet, PbnDeals(base + ".pbn"));
    EXPECT_EQ(contents.boardSet.size(), 16u);
    EXPECT_EQ(contents.header2, "SEGMENT 1");
    EXPECT_TRUE(contents.otherDealerOrVulnerability.empty());
}

}  // namespace
}  // namespace kesto::test
