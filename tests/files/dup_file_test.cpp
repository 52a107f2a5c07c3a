#include <gtest/gtest.h>

#include "files_test_support.h"
#include "kesto/files/dup_file.h"

namespace kesto::test {
namespace {

using test::DataPath;
using test::FileBytes;

std::string RecordText(const DUPRecord& record) {
    return {record.begin(), record.end()};
}

// The worked example's record is the golden three-board file's first; whatever the record
// held before, its last ten bytes are blanks.
TEST(DUPRecord, WorkedExampleEndsInBlanks) {
    DUPRecord record;
    record.fill('x');
    BuildDUPRecord(test::WorkedExampleDeal(), record);
    EXPECT_EQ(RecordText(record).substr(146), std::string(10, ' '));
}

TEST(DUPRecord, ShortHandsArePaddedWithSpaces) {
    DUPRecord record;
    BuildDUPRecord(test::DealOf("A...", "", "", ".2.."), record);
    const std::string text = RecordText(record);
    EXPECT_EQ(text.substr(0, 78), "01" + std::string(76, ' '));
    EXPECT_EQ(text.substr(78, 68),
              std::string("\x06"
                          "A\x03\x04\x05\x06\x03\x04\x05\x06\x03\x04\x05\x06\x03"
                          "2\x04\x05") +
                  std::string(68 - 18, ' '));
}

TEST(DUPRecord, OverfullHandsAreCutAtTheFieldEnds) {
    const char* all = "AKQJT98765432.AKQJT98765432.AKQJT98765432.AKQJT98765432";
    DUPRecord record;
    BuildDUPRecord(test::DealOf(all, all, "", ""), record);
    const std::string text = RecordText(record);
    std::string numbers;
    for (int n = 1; n <= 39; ++n) {
        numbers += TwoDigits(n);
    }
    EXPECT_EQ(text.substr(0, 78), numbers);
    EXPECT_EQ(text.substr(78, 68),
              "\x06"
              "AKQJT98765432\x03"
              "AKQJT98765432\x04"
              "AKQJT98765432\x05"
              "AKQJT98765432\x06"
              "AKQJT987654");
    EXPECT_EQ(text.substr(146), std::string(10, ' '));
}

TEST(DUPFile, TwoDigits) {
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(52), "52");
    EXPECT_EQ(TwoDigits(123), "123");
}

TEST(DUPFile, ThreeBoardsAreGolden) {
    const tBoardSet boards = {test::WorkedExampleDeal(), test::RotatedExampleDeal(),
                              test::DealOf("AKQJT98765432...", ".AKQJT98765432..",
                                           "..AKQJT98765432.", "...AKQJT98765432")};
    const std::string bytes = DUPFileBytes(boards);
    ASSERT_EQ(bytes.size(), 468u);
    EXPECT_EQ(bytes, FileBytes(DataPath("dup/y_three_boards.dup")));
}

// Kesto's settings before and BigDeal's: the deals read as with Kesto's settings now.
TEST(DUPFile, ReadsEveryLayoutOfTheMachineSettings) {
    const std::string golden = FileBytes(DataPath("dup/y_three_boards.dup"));
    DealFileContents expected, contents;
    ASSERT_TRUE(ParseDUPFile(golden, expected).Ok());
    for (const std::string settings : {"YN  1 1  3", "YN1  0 03 "}) {
        std::string bytes = golden;
        for (std::size_t r = 0; r < 3; ++r) {
            bytes.replace(r * 156 + 146, 10, settings);
        }
        ASSERT_TRUE(ParseDUPFile(bytes, contents).Ok()) << settings;
        EXPECT_EQ(contents.boardSet, expected.boardSet) << settings;
    }
}

TEST(DUPFile, EveryRecordCarriesTheBoardCount) {
    for (const auto& [count, settings] : {std::pair{12, "YN1  1 12 "}, {123, "YN1  1 123"}}) {
        const std::string bytes = DUPFileBytes(test::RandomBoards(count));
        ASSERT_EQ(bytes.size(), 156u * count);
        for (int r = 0; r < count; ++r) {
            ASSERT_EQ(bytes.substr(r * 156 + 146, 10), settings) << "record " << r;
        }
    }
}

TEST(DUPFile, ReadsBackWhatItWrites) {
    const tBoardSet boards = test::RandomBoards(123);
    DealFileContents contents;
    ASSERT_TRUE(ParseDUPFile(DUPFileBytes(boards), contents).Ok());
    EXPECT_EQ(contents.boardSet, boards);
    EXPECT_TRUE(contents.header1.empty());
    EXPECT_TRUE(contents.header2.empty());
    EXPECT_TRUE(contents.dealsComplete);
}

// West takes every card not listed, so "00" records and a card listed twice make deals no
// table can hold: they are refused, with the board and the fault.
TEST(DUPFile, ImpossibleDealsAreRefusedNamingTheBoard) {
    struct Case {
        const char* file;
        const char* reason;
    };
    const Case cases[] = {
        {"dup/n_records_of_00.dup", "Board 1 gives West 52 cards."},
        {"dup/n_same_card_north_and_east.dup", "Board 1 holds the ace of spades twice."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DealFileContents contents;
        const Status parsed = ParseDUPFile(test::FileBytes(DataPath(c.file)), contents);
        EXPECT_EQ(parsed.Reason(), c.reason);
        EXPECT_TRUE(contents.boardSet.empty());
    }
}

TEST(DUPRecord, CardFieldsAreReadAsTheRunTimeLibraryReadsNumbers) {
    // Leading blanks and a sign are numbers; 0, negatives and numbers above 52 name no card.
    struct Case {
        const char* field;
        bool number;
        int westLoses;  // cards taken from West
    };
    const Case cases[] = {{" 1", true, 1},  {"+1", true, 1},  {"01", true, 1},  {"52", true, 1},
                          {"00", true, 0},  {"-1", true, 0},  {"53", true, 0},  {"99", true, 0},
                          {"  ", false, 0}, {"1 ", false, 0}, {"x1", false, 0}, {"+-", false, 0},
                          {"- ", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const std::string part = c.field + std::string(kCardNumberPartSize - 2, '0');
        tDeal deal;
        EXPECT_EQ(ReadCardNumberPart(deal, part), c.number ? 0 : 1);
        if (c.number) {
            EXPECT_EQ(deal.West.CardCount(), 52 - c.westLoses);
            EXPECT_EQ(deal.North.CardCount(), c.westLoses);
        }
    }
}

}  // namespace
}  // namespace kesto::test
