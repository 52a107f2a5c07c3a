#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files_test_support.h"
#include "kesto/deal/deal_notation.h"
#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_kinds.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/pbn_reader.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/files/read_deal_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worked_example.h"

namespace kesto::test {
namespace {

const std::string kA = "N:" + kWorkedHands;
constexpr const char* kB = "N:T9.AQ5.KQJ8.AQ94 843.K632.9652.K5 AKQ72.T9.A74.T82 J65.J874.T3.J763";
constexpr const char* kC = "N:K4.J864.985.AK95 J9732.T.QT3.QJ62 T865.9.AKJ7.T843 AQ.AKQ7532.642.7";

// Each deal as a Deal value from North, so a failure shows the hands.
std::vector<std::string> DealValues(const tBoardSet& boardSet) {
    std::vector<std::string> values;
    for (const tDeal& deal : boardSet) {
        const std::string tag = DealTag(deal, 'N');
        values.push_back(tag.substr(7, tag.size() - 9));
    }
    return values;
}

// The hand-written files, one for each thing a PBN reader meets in files of other programs.
TEST(ParsePbnFile, HandWrittenFilesReadToTheirBoardsAndHeaderLines) {
    struct Case {
        const char* file;
        std::vector<std::string> deals;
        std::vector<int> numbers;
        std::string header1, header2;
        std::string date = "?";  // header line 2 as a date, as the PBN writer gives it
        std::vector<int> otherDealerOrVulnerability = {};
    };
    const std::vector<Case> cases = {
        {"y_comments.pbn", {kA, kB}, {1, 2}, "Club night", "Clubhouse"},
        {"y_cr_line_ends.pbn", {kA, kB, kC}, {1, 2, 3}, "Club night", "Clubhouse"},
        {"y_crlf_byte_order_mark.pbn", {kA, kB, kC}, {1, 2, 3}, "Club night", "Clubhouse"},
        {"y_lf_line_ends.pbn", {kA, kB, kC}, {1, 2, 3}, "Club night", "Clubhouse"},
        // UTF-8: the en dash is in Windows-1252's own block; the Polish letters are not.
        {"y_utf8_headers.pbn",
         {kA},
         {1},
         "Caf\xE9 Zo\xEB \x96 ?\xF3"
         "d?",
         "K\xF6ln \x80"},
        {"y_windows1252_headers.pbn", {kA}, {1}, "Caf\xE9 Zo\xEB \x96 Z\xFCrich", "K\xF6ln \x80"},
        {"y_hash_values.pbn", {kA, kB, kC}, {1, 2, 3}, "Tuesday pairs", "Clubhouse"},
        // The Site is "?", so line 2 is the Date; a second Board or Deal tag starts a game: the
        // second deal starts with East in lower case.
        {"y_west_first_any_order.pbn", {kA, kA, kC}, {1, 2, 0}, "Teams", "", "2026.12.09"},
        {"y_numbered_from_5.pbn", {kA, kB, kC, kA}, {5, 6, 7, 8}, "Second half", "", "2026.12.09"},
        {"y_games_without_empty_lines.pbn", {kA, kB, kC, kA}, {1, 2, 3, 0}, "", ""},
        // North deals every board; West's hand, left out, is what the other three leave.
        {"y_teaching_set.pbn", {kA, kA, kB}, {1, 2, 3}, "Lesson 3", "", "2024.03.15", {2, 3}},
        {"y_unknown_hands.pbn",
         {"N:... QT3.AK72.Q64.KJ9 ... 642.65.J973.T854", "N:... ... ... ...", "N:... ... ... ..."},
         {1, 2, 3},
         "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DealFileContents contents;
        const Status read =
            ParsePbnFile(FileBytes(DataPath(std::string("pbn/") + c.file)), contents);
        ASSERT_TRUE(read.Ok()) << read.Reason();
        EXPECT_EQ(DealValues(contents.boardSet), c.deals);
        EXPECT_EQ(contents.boardNumbers, c.numbers);
        EXPECT_EQ(contents.header1, c.header1);
        EXPECT_EQ(contents.header2, c.header2);
        EXPECT_EQ(PbnDate(contents.header2Date), c.date);
        EXPECT_EQ(contents.otherDealerOrVulnerability, c.otherDealerOrVulnerability);
        EXPECT_TRUE(contents.dealsComplete);
    }
}

TEST(ParsePbnFile, RefusedFilesSayWhyAndLeaveNothing) {
    struct Case {
        const char* file;
        std::string reason;
    };
    const Case cases[] = {
        {"n_tag_not_closed.pbn", "The tag pair on line 3 is not complete."},
        {"n_card_twice.pbn", "Board 4 holds the ace of spades twice."},
        {"n_no_first_seat.pbn", "Board 1 has a Deal tag that does not begin with its first seat."},
        {"n_ten_as_10.pbn", "Board 1 holds \"1\", which is no card."},
        {"n_three_hands.pbn", "Board 1 gives only three hands."},
        {"n_comment_never_closed.pbn",
         "The comment that begins with \"{\" on line 5 is never closed."},
        {"n_lower_case_deal_tag.pbn",
         "The tag on line 2 is named \"deal\"; Kesto reads a deal only from a tag named "
         "\"Deal\"."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DealFileContents contents;
        contents.boardSet.resize(2);
        contents.boardNumbers = {4, 5};
        const Status read =
            ParsePbnFile(FileBytes(DataPath(std::string("pbn/") + c.file)), contents);
        EXPECT_FALSE(read.Ok());
        EXPECT_EQ(read.Reason(), c.reason);
        EXPECT_TRUE(contents.boardSet.empty());
        EXPECT_TRUE(contents.boardNumbers.empty());
    }
}

TEST(ParsePbnFile, SmallTextsShowEachRule) {
    const std::string deal = std::string("[Deal \"") + kA + "\"]";
    struct Case {
        std::string text;
        std::size_t boards;
        std::vector<int> numbers;
        std::string header1;
    };
    const Case cases[] = {
        // A line of spaces and tabs ends a game just as an empty one does.
        {deal + "\n \t \n" + deal + "\n", 2, {}, ""},
        // Without a blank line a second Deal tag starts the next game.
        {deal + "\n" + deal + "\n", 2, {}, ""},
        // A game without a Deal tag is no board, but its "##" values hold for the next games.
        {"[Event \"##Pairs\"]\n\n[Board \"3\"]\n" + deal + "\n", 1, {3}, "Pairs"},
        // "#" with no earlier value is empty; "?" reads as empty too.
        {"[Event \"#\"]\n" + deal + "\n\n[Event \"?\"]\n" + deal, 2, {}, ""},
        // A board without a usable number keeps the place for its 0.
        {"[Board \"x\"]\n" + deal + "\n\n[Board \"7\"]\n" + deal, 2, {0, 7}, ""},
        // A "%" only in the first column starts an escape line; elsewhere it is text.
        {"%" + deal + "\n [Event \"100%\"] " + deal, 1, {}, "100%"},
        // Escaped quote and backslash inside a value.
        {"[Event \"The \\\"Ace\\\" \\\\ club\"]\n" + deal, 1, {}, "The \"Ace\" \\ club"},
        // A string in section data may hold brackets and semicolons.
        {deal + "\n[Auction \"N\"]\n1C \"[Board ;\" Pass\n[Board \"2\"]", 1, {2}, ""},
        {"", 0, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DealFileContents contents;
        ASSERT_TRUE(ParsePbnFile(c.text, contents).Ok());
        EXPECT_EQ(contents.boardSet.size(), c.boards);
        EXPECT_EQ(contents.boardNumbers, c.numbers);
        EXPECT_EQ(contents.header1, c.header1);
    }
}

TEST(ParsePbnFile, MoreThanFiveHundredBoardsAreRefused) {
    std::string text;
    for (int board = 1; board <= kMaxBoards; ++board) {
        text += "[Board \"" + std::to_string(board) + "\"]\n[Deal \"N:- - - -\"]\n\n";
    }
    DealFileContents contents;
    ASSERT_TRUE(ParsePbnFile(text, contents).Ok());
    EXPECT_EQ(contents.boardSet.size(), static_cast<std::size_t>(kMaxBoards));
    text += "[Deal \"N:- - - -\"]\n";
    EXPECT_EQ(ParsePbnFile(text, contents).Reason(), TooManyBoardsText());
    EXPECT_TRUE(contents.boardSet.empty());
}

TEST(PbnRecognition, VersionLinesAndDealTags) {
    struct Case {
        std::string text;
        bool versionLine;
        bool dealTag;
    };
    const Case cases[] = {
        {"% PBN 2.1\r\n", true, false},      {"\xEF\xBB\xBF%PBN 1.0\n", true, false},
        {"%  pbn 10.23", true, false},       {"% PBN\n", false, false},
        {"% PBN x.y\n", false, false},       {"% PBN 2.\n", false, false},
        {" % PBN 2.1\n", false, false},      {"[Deal \"N:A", false, true},
        {"[ Deal\n \"", false, true},        {"[Deal", false, true},
        {"{ [Deal \"N:\"] }", false, false}, {"; [Deal \"N:\"]", false, false},
        {"% [Deal \"N:\"]", false, false},   {"[Dealer \"N\"]", false, false},
        {"\"[Deal \\\" \"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StartsWithPbnVersionLine(c.text), c.versionLine);
        EXPECT_EQ(HoldsPbnDealTag(c.text), c.dealTag);
    }
}

TEST(ReadAnyDealFile, PbnFilesAreKnownByTheirContentsWhateverTheirName) {
    test::ScratchFolder folder;
    const std::string pbn = FileBytes(DataPath("pbn/y_lf_line_ends.pbn"));
    // A long comment puts the first Deal tag past the first bytes, which tell the other kinds.
    const std::string late = "{" + std::string(400, 'c') + "}\n" + pbn.substr(pbn.find("[Event"));
    for (const auto& [name, bytes] :
         {std::pair{"deals.KST", pbn}, std::pair{"deals", pbn}, std::pair{"late.txt", late}}) {
        SCOPED_TRACE(name);
        const std::string path = folder.Path(name);
        PutFile(path, bytes);
        DealFileContents contents;
        ASSERT_TRUE(ReadAnyDealFile(path, contents).Ok());
        EXPECT_EQ(DealValues(contents.boardSet), (std::vector<std::string>{kA, kB, kC}));
    }
    EXPECT_EQ(RecogniseDealFile(late), DealFileKind::Pbn);
}

// The PBN listing of another dealing program gives the deals its DLM and DUP files hold, with
// Kesto's dealer and vulnerability for each board's number.
TEST(ReadAnyDealFile, PbnFilesOfAnotherDealingProgramMatchItsDuplimateFiles) {
    for (const char* set : {"bigdeal-1", "bigdeal-12", "bigdeal-36"}) {
        SCOPED_TRACE(set);
        const std::string base = DataPath(std::string("interop/bigdeal/") + set);
        DealFileContents pbn;
        ASSERT_TRUE(ReadAnyDealFile(base + ".pbn", pbn).Ok());
        for (const char* extension : {".dlm", ".dup"}) {
            DealFileContents other;
            ASSERT_TRUE(ReadAnyDealFile(base + extension, other).Ok());
            EXPECT_EQ(pbn.boardSet, other.boardSet) << extension;
        }
        const std::string text = FileBytes(base + ".pbn");
        ASSERT_EQ(pbn.boardNumbers.size(), pbn.boardSet.size());
        for (std::size_t i = 0; i < pbn.boardSet.size(); ++i) {
            const int board = static_cast<int>(i) + 1;
            EXPECT_EQ(pbn.boardNumbers[i], board);
            // The file's own Dealer and Vulnerable tags for this board are Kesto's.
            const std::size_t at = text.find(BoardTag(board) + "\n");
            ASSERT_NE(at, std::string::npos);
            const std::string game = text.substr(at, text.find("\n\n", at) - at);
            EXPECT_NE(game.find(DealerTag(board)), std::string::npos) << board;
            EXPECT_NE(game.find(VulnerableTag(board)), std::string::npos) << board;
        }
        EXPECT_EQ(pbn.header1, "");
        EXPECT_EQ(pbn.header2, "");
        EXPECT_TRUE(pbn.dealsComplete);
    }
}

TEST(ParseDLMFile, BoardNumbersFollowTheFilesRange) {
    DealFileContents contents;
    ASSERT_TRUE(ParseDLMFile(FileBytes(DataPath("dlm/y_ranged_from_5_to_3.dlm")), contents).Ok());
    ASSERT_EQ(contents.boardNumbers.size(), contents.boardSet.size());
    EXPECT_EQ(contents.boardNumbers, (std::vector<int>{3, 4, 5}));
    ASSERT_TRUE(
        ParseDLMFile(FileBytes(DataPath("dlm/y_twelve_generated_boards.dlm")), contents).Ok());
    EXPECT_EQ(contents.boardNumbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

}  // namespace
}  // namespace kesto::test
