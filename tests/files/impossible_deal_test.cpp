// Deal files that hold deals no table can hold, or that were cut short, are refused whole,
// with the board and the fault; the most boards a file may hold is the same for every kind.

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files_test_support.h"
#include "kesto/deal/deal_notation.h"
#include "kesto/files/bri_file.h"
#include "kesto/files/deal_check.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/read_deal_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worked_example.h"

namespace kesto::test {
namespace {

constexpr const char* kNorth = kWorkedNorth;
constexpr const char* kEast = kWorkedEast;
constexpr const char* kSouth = kWorkedSouth;
constexpr const char* kWest = kWorkedWest;
const std::string& kWorked = kWorkedHands;

// Four seat lines a board, in the given order of seat letters.
std::string LegacyFile(const std::vector<std::vector<std::string>>& boards) {
    std::string text = "Kesto 3.1 Hands entered by user.\r\nA\r\nB\r\n\r\n";
    for (std::size_t b = 0; b < boards.size(); ++b) {
        if (b > 0) {
            text += "-----\r\n";
        }
        for (const std::string& line : boards[b]) {
            text += line + "\r\n";
        }
    }
    return text;
}

std::vector<std::string> LegacyBoard(const std::string& n = kNorth, const std::string& e = kEast,
                                     const std::string& s = kSouth, const std::string& w = kWest) {
    return {"N " + n, "E " + e, "S " + s, "W " + w};
}

// The text of a DLM file of twelve boards with board `board`'s code replaced.
std::string DlmWithCode(int board, const std::string& code) {
    std::string text = DLMFileText(RandomBoards(12), "A", "B", DealSource::Generate);
    const std::string key = "Board " + TwoDigits(board) + "=";
    const std::size_t at = text.find(key) + key.size();
    return text.replace(at, 29, code);
}

std::string DlmCutAfterBoard(int board) {
    const std::string text = DLMFileText(RandomBoards(12), "A", "B", DealSource::Generate);
    const std::string key = "Board " + TwoDigits(board) + "=";
    return text.substr(0, text.find("\r\n", text.find(key)) + 2);
}

// Two DUP records (a random deal, then the worked example) with the worked example's card
// field k (1..39; North's first card is the ace of spades, "01") replaced.
std::string DupWithField(int k, const std::string& digits) {
    std::string bytes = DUPFileBytes({RandomBoards(1)[0], WorkedExampleDeal()});
    return bytes.replace(kDUPRecordSize + 2 * (k - 1), 2, digits);
}

struct RefusedCase {
    const char* what;
    std::string bytes;
    std::string reason;  // after "Error reading FILE. "
};

std::vector<RefusedCase> RefusedCases() {
    const tDeal fourteen =
        DealOf("AK97.QJ4.T852.A43", kEast, kSouth, "642.65.J973.T85");  // West's 4 to North
    return {
        {"own: card in two hands",
         OwnFile({kWorked, Hands(kNorth, "AQT3.AK72.Q64.KJ9", kSouth, kWest)}),
         "Board 2 holds the ace of spades twice."},
        {"own: 14 cards", OwnFile({Hands("AK97.QJ4.T852.A43", kEast, kSouth, "642.65.J973.T85")}),
         "Board 1 gives North 14 cards."},
        {"own: 26 cards", OwnFile({Hands("AKQT973.AKQJ742.QT86542.AKJ93", "-", kSouth, kWest)}),
         "Board 1 gives North 26 cards."},
        {"own: letter that is no card", OwnFile({Hands(kNorth, "QT3.AK72.Q64.KJX", kSouth, kWest)}),
         "Board 1 holds \"X\", which is no card."},
        {"own: card twice in one hand",
         OwnFile({kWorked, Hands("AAK97.QJ4.T852.A3", kEast, kSouth, kWest)}),
         "Board 2 holds the ace of spades twice."},
        {"own: fifth suit", OwnFile({Hands("AK97.QJ4.T852.A.3", kEast, kSouth, kWest)}),
         "Board 1 has a hand of more than four suits."},
        {"own: fifth hand", OwnFile({kWorked + " -"}), "Board 1 has more than four hands."},
        {"own: cut in a deal", OwnFile({kWorked}) + "[Deal \"N:AK97.QJ4.T8",
         "Board 2 is cut short."},
        {"legacy: letter that is no card", LegacyFile({LegacyBoard("AK97.QJ4.T852.AX")}),
         "Board 1 holds \"X\", which is no card."},
        {"legacy: 0 that is no ten", LegacyFile({LegacyBoard(), LegacyBoard("AK97.QJ4.0852.A3")}),
         "Board 2 holds \"0\", which is no card."},
        {"legacy: 14 cards",
         LegacyFile({LegacyBoard("AK97.QJ4.T852.A43", kEast, kSouth, "642.65.J973.T85")}),
         "Board 1 gives North 14 cards."},
        {"legacy: card in two hands", LegacyFile({LegacyBoard(kNorth, "AQT3.AK72.Q64.KJ9")}),
         "Board 1 holds the ace of spades twice."},
        {"legacy: seat twice",
         LegacyFile({{"N " + std::string(kNorth), "E " + std::string(kEast),
                      "S " + std::string(kSouth), "N " + std::string(kWest)}}),
         "Board 1 names seat N twice."},
        {"legacy: cut in a group",
         LegacyFile({LegacyBoard()}) + "-----\r\nN AK97.QJ4.T852.A3\r\nE QT3.AK",
         "Board 2 is cut short."},
        {"dlm: letter q", DlmWithCode(3, "qaaaaabffffffkkkkkklpppppp000"),
         "Board 3 holds \"q\", which is no card."},
        {"dlm: code cut short", DlmCutAfterBoard(4) + "Duplicates 05=0\r\nBoard 05=aaaaaabfff",
         "Board 5 is cut short."},
        {"dlm: file ends inside the range", DlmCutAfterBoard(7), "The file ends before board 8."},
        {"dlm: 14 cards", DlmWithCode(2, EncodeDLMBoard(fourteen, 2)),
         "Board 2 gives North 14 cards."},
        {"dup: card listed twice", DupWithField(14, "01"),
         "Board 2 holds the ace of spades twice."},
        {"dup: 00", DupWithField(1, "00"), "Board 2 gives West 14 cards."},
        {"dup: no card number", DupWithField(27, "53"), "Board 2 gives West 14 cards."},
        {"dup: cut in a record", DUPFileBytes(RandomBoards(3)).substr(0, 400),
         "Board 3 is cut short."},
    };
}

TEST(ImpossibleDeals, AreRefusedWithTheBoardAndTheFaultAndNothingIsRead) {
    ScratchFolder folder;
    const std::string path = folder.Path("deals");
    for (const RefusedCase& c : RefusedCases()) {
        SCOPED_TRACE(c.what);
        PutFile(path, c.bytes);
        DealFileContents contents;
        contents.boardSet.resize(2);
        contents.header1 = "stale";
        const Status read = ReadAnyDealFile(path, contents);
        EXPECT_EQ(read.Reason(), "Error reading " + path + ". " + c.reason);
        EXPECT_TRUE(contents.boardSet.empty());
        EXPECT_TRUE(contents.header1.empty());
    }
}

// The dealing machines' and the online table's files, through their readers.
TEST(ImpossibleDeals, AreRefusedByTheBRIDGEAndLINReadersNamingTheBoard) {
    using Parse = Status (*)(std::string_view, DealFileContents&);
    const std::string bri = BRIFileBytes({RandomBoards(1)[0], WorkedExampleDeal()});
    const std::string dge = DGEFileBytes({RandomBoards(1)[0], WorkedExampleDeal()});
    const auto lin = [](const std::string& hands) { return "qx|o4|md|1" + hands + "|pg||\n"; };
    struct Case {
        Parse parse;
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {ParseBRIFile, std::string(bri).replace(128 + 26, 2, "01"),
         "Board 2 holds the ace of spades twice."},
        {ParseBRIFile, std::string(bri).replace(128 + 52, 2, "00"), "Board 2 gives West 14 cards."},
        {ParseBRIFile, BRIFileBytes(RandomBoards(501)), TooManyBoardsText()},
        {ParseDGEFile, std::string(dge).replace(128 + 1, 1, "Q"),
         "Board 2 holds the queen of spades twice."},
        {ParseDGEFile, DGEFileBytes(RandomBoards(501)), TooManyBoardsText()},
        {ParseLINFile, lin("SAK97HQJ4DT852CA3,SAH65DJ973CT854,,"),
         "Board 4 holds the ace of spades twice."},
        {ParseLINFile,
         lin("SAK97HQJ4DT852CA43,S642H65DJ973CT85,SQT3HAK72DQ64CKJ9,SJ85HT983DAKCQ762"),
         "Board 4 gives South 14 cards."},
        {ParseLINFile, LINFileText(RandomBoards(501), "", ""), TooManyBoardsText()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        DealFileContents contents;
        contents.boardSet.resize(2);
        EXPECT_EQ(c.parse(c.bytes, contents).Reason(), c.reason);
        EXPECT_TRUE(contents.boardSet.empty());
    }
}

std::string RepeatedOwnFile(int boards) {
    return OwnFile(std::vector<std::string>(static_cast<std::size_t>(boards), kWorked));
}

std::string RepeatedLegacyFile(int boards) {
    return LegacyFile(
        std::vector<std::vector<std::string>>(static_cast<std::size_t>(boards), LegacyBoard()));
}

TEST(BoardLimit, EveryReaderRefusesMoreThan500BoardsNamingTheLimit) {
    ScratchFolder folder;
    const std::string path = folder.Path("many");
    const std::string tooMany = "The file holds more than 500 boards; Kesto reads at most 500.";
    struct Case {
        const char* what;
        std::string atLimit, overLimit;
    };
    const Case cases[] = {
        {"own", RepeatedOwnFile(500), RepeatedOwnFile(501)},
        {"legacy", RepeatedLegacyFile(500), RepeatedLegacyFile(501)},
        {"dup", DUPFileBytes(RandomBoards(500)), DUPFileBytes(RandomBoards(501))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DealFileContents contents;
        PutFile(path, c.atLimit);
        ASSERT_TRUE(ReadAnyDealFile(path, contents).Ok());
        EXPECT_EQ(contents.boardSet.size(), 500u);
        PutFile(path, c.overLimit);
        EXPECT_EQ(ReadAnyDealFile(path, contents).Reason(),
                  "Error reading " + path + ". " + tooMany);
        EXPECT_TRUE(contents.boardSet.empty());
    }
}

TEST(BoardLimit, ABoardSetAtTheLimitWrittenAsTheOwnFileReadsBackWholeAndOneMoreIsNotWritten) {
    ScratchFolder folder;
    const tBoardSet boards = RandomBoards(501);
    const tBoardSet atLimit(boards.begin(), boards.end() - 1);
    ASSERT_TRUE(
        WriteOwnDealFile(folder.Path("500.kst"), atLimit, "A", "B", DealSource::Generate).Ok());
    DealFileContents contents;
    ASSERT_TRUE(ReadAnyDealFile(folder.Path("500.kst"), contents).Ok());
    EXPECT_EQ(contents.boardSet, atLimit);

    const Status over =
        WriteOwnDealFile(folder.Path("501.kst"), boards, "A", "B", DealSource::Generate);
    EXPECT_NE(over.Reason().find("500"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("501.kst")));
}

// A message names the file as the user gave it, small letters and all.
TEST(ReadErrors, NameTheFileExactlyAsGiven) {
    ScratchFolder folder;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Folder());
    PutFile("big10m.bin", std::string(kMaxDealFileBytes + 1, 'x'));
    DealFileContents contents;
    const std::string tooBig = ReadAnyDealFile("big10m.bin", contents).Reason();
    const std::string missing = ReadAnyDealFile("gone.kst", contents).Reason();
    std::filesystem::current_path(before);
    EXPECT_EQ(tooBig, "big10m.bin is too big for a deal file.");
    EXPECT_EQ(missing, "Cannot open gone.kst: No such file or directory.");
}

}  // namespace
}  // namespace kesto::test
