#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "files_test_support.h"
#include "kesto/files/deal_file_kinds.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/platform/ascii_text.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

using test::DataPath;

TEST(RecogniseDealFile, FirstMatchWins) {
    const std::string digits78(78, '7');
    const std::string bri = digits78 + std::string(32, ' ') + std::string(18, '\0');
    struct Case {
        std::string bytes;
        DealFileKind kind;
    };
    const Case cases[] = {
        {"% Kesto 3.2 Hands randomly generated.\r\n% PBN 1.0\r\n", DealFileKind::Own},
        {"% Kesto 3.2 Hands entered by user.\r\n", DealFileKind::Own},
        {"% Kesto 12 beta Hands randomly generated. and more\r\n", DealFileKind::Own},
        {"% Kesto 3.2 Hands entered by user.\n% PBN 1.0\n", DealFileKind::Own},
        {"% Kesto 3.2\r\n Hands randomly generated.", DealFileKind::Unknown},
        // Any other file with a PBN version line is read as PBN.
        {"% PBN 1.0\r\n", DealFileKind::Pbn},
        {"Kesto 3.1 Hands randomly generated.\r\nx", DealFileKind::Legacy},
        {"Kesto 3.1 Hands entered by user.\nx", DealFileKind::Legacy},
        {"Kesto 3.1 Hands entered by user. \r\n", DealFileKind::Unknown},
        // Without a line end the padding belongs to the first line, which then ends in spaces.
        {"Kesto 3.1 Hands entered by user.", DealFileKind::Unknown},
        {"[Document]\r\n", DealFileKind::Dlm},
        {"[Document]", DealFileKind::Dlm},
        {"[document]\r\n", DealFileKind::Unknown},
        {digits78, DealFileKind::Dup},
        {digits78 + " ", DealFileKind::Dup},
        {digits78 + '\0', DealFileKind::Dup},
        {digits78 + '\x06', DealFileKind::Dup},
        {digits78 + "7", DealFileKind::Unknown},
        {digits78 + '\x03', DealFileKind::Unknown},
        {std::string(77, '1') + " 1", DealFileKind::Unknown},
        {"", DealFileKind::Unknown},
        // A whole BRI record, alone or followed by the next one's digits; a DUP record with
        // blank hands goes on with its trailer instead.
        {bri, DealFileKind::Bri},
        {bri + digits78, DealFileKind::Bri},
        {digits78 + std::string(68, ' ') + "YN1  1 1  ", DealFileKind::Dup},
        {bri.substr(0, 127), DealFileKind::Dup},
        {"\x06"
         "AK\x03Q\x04J\x05T",
         DealFileKind::Dge},
        {"pn|a,b,c,d|st||md|3SAKQHAKQDAKQCAKQJ,,,|", DealFileKind::Lin},
        {"% PBN 2.1\r\n% md|1S|\r\n", DealFileKind::Pbn},
        {"[Deal \"N:- - - -\"]\r\n{md|1S|}", DealFileKind::Pbn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(RecogniseDealFile(c.bytes), c.kind);
    }
}

// Every golden file and every file of another program is of the kind of its extension; a file
// that is refused may be of no kind.
TEST(RecogniseDealFile, GoldenFilesAreOfTheKindOfTheirExtension) {
    for (const char* folder : {"kst", "legacy", "dlm", "dup", "pbn", "bri", "dge", "lin",
                               "interop/bigdeal", "interop/deal-convert"}) {
        for (const auto& entry : std::filesystem::directory_iterator(DataPath(folder))) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(".") || name.ends_with(".md")) {
                continue;
            }
            SCOPED_TRACE(entry.path().string());
            const std::string extension = UpperAscii(entry.path().extension().string());
            DealFileKind kind = DealFileKind::Unknown;
            for (const DealFileKindRow& row : kDealFileKinds) {
                kind = "." + UpperAscii(row.extension) == extension ? row.kind : kind;
            }
            const DealFileKind recognised = RecogniseDealFile(FileBytes(entry.path().string()));
            if (name.starts_with("n_")) {
                EXPECT_TRUE(recognised == kind || recognised == DealFileKind::Unknown);
            } else {
                EXPECT_EQ(recognised, kind);
            }
        }
    }
}

TEST(RecogniseDealFile, OnlyTheFirst255BytesCount) {
    std::string line = "% Kesto " + std::string(250, 'x') + " Hands randomly generated.\r\n";
    EXPECT_EQ(RecogniseDealFile(line), DealFileKind::Unknown);
    line = "% Kesto " + std::string(221, 'x') + " Hands randomly generated.\r\n";
    EXPECT_EQ(RecogniseDealFile(line), DealFileKind::Own);
}

// Every golden deal file: y_ files read (those below to what their row says, the first board
// the worked example deal), n_ files give the read error with the reason and an empty board set.
TEST(ReadAnyDealFile, GoldenFilesReadAsTheirNamesSay) {
    struct Read {
        std::size_t boards;
        std::vector<int> numbers;
        std::vector<int> otherDealerOrVulnerability;  // as the LIN notice lists them
        std::string header1;
    };
    const std::map<std::string, Read> reads = {
        {"y_three_boards.bri", {3, {}, {}, ""}},
        {"y_filler_not_blank.bri",
         {3, {}, {}, ""}},  // what fills a record after its cards is not read
        {"y_three_boards.dge", {3, {}, {}, ""}},
        {"y_second_deal_incomplete.dge",
         {2, {}, {}, ""}},  // read as it stands, for the hand-entry checks
        // UTF-8 and Windows-1252 text read alike.
        {"y_three_boards.lin", {3, {1, 2, 3}, {}, "Caf\xE9 night"}},
        {"y_windows1252_event.lin", {1, {1}, {}, "Caf\xE9 night"}},
        {"y_hand_viewer.lin", {1, {1}, {}, ""}},
        {"y_open_and_closed_rooms_from_5.lin", {3, {5, 6, 7}, {}, "Spring pairs"}},
        {"y_dealer_and_vulnerability_of_their_own.lin", {3, {1, 2, 3}, {2, 3}, ""}},
        {"y_event_named_like_a_deal_tag.lin",
         {1, {1}, {}, "[Deal \"N:AKQJT98765432... - - -\"] cup"}},
    };
    const std::string unknown =
        "Kesto does not know this kind of file: it reads its own KST "
        "files, Duplimate DLM and DUP files, BRI and DGE files, PBN files and LIN files.";
    const std::map<std::string, std::string> reasons = {
        {"n_version_line_only.pbn", "The file holds no deals."},
        {"n_document_only.dlm", "The file holds no deals."},
        {"n_lower_case_document.dlm", unknown},
        {"n_utf16.pbn",
         "The file is saved as UTF-16 text; Kesto reads deal files saved as ANSI "
         "(Windows-1252) or UTF-8."},
        {"n_one_dot.txt", "Line 5 (board 1) gives 2 suits, not four."},
        {"n_five_suits.txt", "Line 5 (board 1) gives 5 suits, not four."},
        {"n_empty_seat_line.txt", "Line 6 (board 1) is empty."},
        {"n_bad_seat_letter.txt",
         "Line 5 (board 1) does not begin with a seat letter (N, E, S or W)."},
        {"n_short_last_group.txt", "Board 2 is cut short."},
        {"n_letter_in_card_field.dup", "Board 2 holds \"x1\", which is no card number."},
        {"n_157_bytes.dup", "Board 2 is cut short."},
        {"n_binary_of_another_program.rzd", unknown},
        {"n_cut_record.bri", "Board 3 is cut short."},
        {"n_letter_in_card_field.bri", "Board 3 holds \"x1\", which is no card number."},
        {"n_letter_in_board_1.bri", "Board 1 holds \"x1\", which is no card number."},
        {"n_letter_in_board_2.bri", "Board 2 holds \"x1\", which is no card number."},
        {"n_cut_record.dge", "Board 3 is cut short."},
        {"n_hands_text_cut_short.dge", "Board 1 is cut short."},
        {"n_letter_that_is_no_card.dge", "Board 2 holds \"X\", which is no card."},
        {"n_marks_out_of_order.dge", "Board 2 has its suit marks out of order."},
        {"n_card_before_suit_letter.lin", "Board 1 has a card before its suit letter."},
        {"n_five_hands.lin", "Board 1 has more than four hands."},
        {"n_md_not_closed.lin", "Board 2 is cut short."},
        {"n_ten_as_10.lin", "Board 1 holds \"1\", which is no card."},
        {"n_two_deals_for_board_6.lin", "Board 6 is given twice with two different deals."},
        {"n_no_md_pair.lin", "Board 2 has no deal: its md pair is missing."},
        {"n_nd_instead_of_md.lin", "Board 3 has no deal: its md pair is missing."},
        {"n_nul_before_md.lin", "Board 2 has a pair whose name holds the byte 0 (line 2)."},
        {"n_nul_before_md_of_board_2_without_qx.lin",
         "Board 2 has a pair whose name holds the byte 0 (line 2)."},
    };
    int seen = 0;
    for (const char* folder : {"kst", "legacy", "dlm", "dup", "pbn", "bri", "dge", "lin"}) {
        for (const auto& entry : std::filesystem::directory_iterator(DataPath(folder))) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with("y_") && !name.starts_with("n_")) {
                continue;
            }
            SCOPED_TRACE(entry.path().string());
            ++seen;
            DealFileContents contents;
            contents.boardSet.resize(5);
            const Status read = ReadAnyDealFile(entry.path().string(), contents);
            if (name.starts_with("y_")) {
                EXPECT_TRUE(read.Ok()) << read.Reason();
                EXPECT_FALSE(contents.boardSet.empty());
                if (reads.contains(name)) {
                    const Read& expected = reads.at(name);
                    ASSERT_EQ(contents.boardSet.size(), expected.boards);
                    EXPECT_EQ(contents.boardSet[0], WorkedExampleDeal());
                    EXPECT_EQ(contents.boardNumbers, expected.numbers);
                    EXPECT_EQ(contents.otherDealerOrVulnerability,
                              expected.otherDealerOrVulnerability);
                    EXPECT_EQ(contents.header1, expected.header1);
                }
            } else {
                EXPECT_FALSE(read.Ok());
                EXPECT_TRUE(contents.boardSet.empty());
                const std::string first = "Error reading " + entry.path().string() + ". ";
                EXPECT_TRUE(read.Reason().starts_with(first)) << read.Reason();
                EXPECT_GT(read.Reason().size(), first.size()) << "no reason given";
                if (reasons.contains(name)) {
                    EXPECT_EQ(read.Reason(), first + reasons.at(name));
                }
            }
        }
    }
    EXPECT_GE(seen, 40);
}

TEST(ReadAnyDealFile, TheKindComesFromTheContentsNotTheName) {
    test::ScratchFolder folder;
    const std::string path = folder.Path("deals.dup");
    test::PutFile(path, test::FileBytes(DataPath("kst/y_two_generated_boards.kst")));
    DealFileContents contents;
    ASSERT_TRUE(ReadAnyDealFile(path, contents).Ok());
    EXPECT_EQ(contents.boardSet.size(), 2u);
    EXPECT_EQ(contents.header1, "Club night");
    EXPECT_TRUE(contents.dealsComplete);
}

TEST(ReadAnyDealFile, DUPFilesHaveNoHeaderLinesAndCompleteDeals) {
    DealFileContents contents;
    contents.header1 = "stale";
    contents.header2 = "stale";
    ASSERT_TRUE(ReadAnyDealFile(DataPath("dup/y_twelve_boards.dup"), contents).Ok());
    EXPECT_EQ(contents.boardSet.size(), 12u);
    EXPECT_EQ(contents.header1, "");
    EXPECT_EQ(contents.header2, "");
    EXPECT_TRUE(contents.dealsComplete);
}

TEST(ReadAnyDealFile, TenMegabytesOfDigitsAreRefusedAndSixAreAReadError) {
    test::ScratchFolder folder;
    for (const std::size_t megabytes : {10u, 6u}) {
        const std::string path = folder.Path("digits.dup");
        test::PutFile(path, std::string(megabytes << 20, '7'));
        DealFileContents contents;
        const Status result = ReadAnyDealFile(path, contents);
        EXPECT_FALSE(result.Ok());
        EXPECT_TRUE(contents.boardSet.empty());
        if (megabytes == 6) {
            EXPECT_TRUE(result.Reason().starts_with("Error reading " + path + ". "));
        } else {
            EXPECT_EQ(result.Reason(), path + " is too big for a deal file.");
        }
    }
}

TEST(ReadAnyDealFile, LongLinesAreReadWithoutHarm) {
    test::ScratchFolder folder;
    const std::string path = folder.Path("long.kst");
    const std::string header = "% Kesto 3.2 Hands entered by user.\r\n% PBN 1.0\r\n% " +
                               std::string(100000, 'h') + "\r\n% \r\n%\r\n";
    // A long header line is read whole; a long Deal tag names its cards more than once.
    test::PutFile(path, header + "[Deal \"N:" + std::string(100000, 'A') + "\"]\r\n");
    DealFileContents contents;
    EXPECT_EQ(ReadAnyDealFile(path, contents).Reason(),
              "Error reading " + path + ". Board 1 holds the ace of spades twice.");
    EXPECT_TRUE(contents.boardSet.empty());
    test::PutFile(path, header + "[Deal \"N:A... - - -\"]\r\n");
    ASSERT_TRUE(ReadAnyDealFile(path, contents).Ok());
    ASSERT_EQ(contents.boardSet.size(), 1u);
    EXPECT_EQ(contents.header1.size(), 100000u);
    EXPECT_EQ(contents.boardSet[0].North.spades, RankBit(kAce));
}

// Files written by another dealing program read to the deals of its PBN listing.
TEST(ReadAnyDealFile, DealsOfAnotherDealingProgram) {
    for (const char* set : {"bigdeal-1", "bigdeal-12", "bigdeal-36"}) {
        const std::string base = DataPath(std::string("interop/bigdeal/") + set);
        const tBoardSet expected = PbnDeals(base + ".pbn");
        ASSERT_FALSE(expected.empty()) << set;
        for (const char* extension : {".dlm", ".dup"}) {
            SCOPED_TRACE(base + extension);
            DealFileContents contents;
            ASSERT_TRUE(ReadAnyDealFile(base + extension, contents).Ok());
            EXPECT_EQ(contents.boardSet, expected);
            EXPECT_TRUE(contents.dealsComplete);
            for (const tDeal& deal : contents.boardSet) {
                for (const Seat seat : kClockwise) {
                    EXPECT_EQ(deal.Hand(seat).CardCount(), 13);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kesto::test
