// The library's readers, compiled in from its source: deal records, the settings file and
// Windows-1252 texts.

#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>

#include <fstream>
#include <string>

#include "kestprt3/board_record.h"
#include "kestprt3/printer_settings.h"
#include "kestprt3/windows1252.h"
#include "tests/support/bounded_child.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/seed_zero.h"

namespace kesto::prt3 {
namespace {

std::uint16_t Ranks(std::string_view ranks) {
    std::uint16_t set = 0;
    for (const char c : ranks) {
        const int rank = c == 'A'   ? 14
                         : c == 'K' ? 13
                         : c == 'Q' ? 12
                         : c == 'J' ? 11
                         : c == 'T' ? 10
                                    : c - '0';
        set = static_cast<std::uint16_t>(set | (1u << rank));
    }
    return set;
}

Hand MakeHand(std::string_view s, std::string_view h, std::string_view d, std::string_view c) {
    return {Ranks(s), Ranks(h), Ranks(d), Ranks(c)};
}

const std::string kExample = test::kBoard1Record;

TEST(BoardRecord, TheExampleRecord) {
    const std::optional<Board> board = ReadBoardRecord(kExample);
    ASSERT_TRUE(board);
    EXPECT_EQ(board->number, "1");
    EXPECT_EQ(board->dealer, kNorth);
    EXPECT_EQ(board->vulnerability, Vulnerability::kNone);
    ASSERT_TRUE(board->hasDeal);
    EXPECT_EQ(board->hands[kNorth], MakeHand("A74", "AT83", "KJ5", "K65"));
    EXPECT_EQ(board->hands[kEast], MakeHand("KQ98", "J4", "T7", "AQT84"));
    EXPECT_EQ(board->hands[kSouth], MakeHand("T63", "KQ92", "AQ942", "9"));
    EXPECT_EQ(board->hands[kWest], MakeHand("J52", "765", "863", "J732"));
    EXPECT_EQ(HighCardPoints(board->hands[kNorth]), 15);
    EXPECT_EQ(CardCount(board->hands[kWest]), 13);
}

TEST(BoardRecord, TagsInAnyOrderAndEveryVulnerabilityWord) {
    struct Case {
        const char* record;
        const char* number;
        std::optional<Seat> dealer;
        Vulnerability vulnerability;
    };
    const Case cases[] = {
        {"[Vulnerable \"NS\"][Deal \"E:... ... ... ...\"][Board \"12\"]", "12", kEast,
         Vulnerability::kNorthSouth},
        {"[Dealer \"w\"] [Vulnerable \"ew\"] [Board \"3\"]", "3", kWest, Vulnerability::kEastWest},
        {"[Board \"4\"]|[Dealer \"S\"]|[Vulnerable \"All\"]", "4", kSouth, Vulnerability::kBoth},
        {"[Board \"5\"]|[Vulnerable \"Both\"]|[Dealer \"X\"]", "5", std::nullopt,
         Vulnerability::kBoth},
        {"[Board \"6\"]|[Vulnerable \"Love\"]", "6", std::nullopt, Vulnerability::kNone},
        {"[Board \"7\"]|[Vulnerable \"sometimes\"]", "7", std::nullopt, Vulnerability::kUnknown},
        {"[Event \"x\"]|[Board \"8\"]|[Board \"9\"]", "8", std::nullopt, Vulnerability::kUnknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        const std::optional<Board> board = ReadBoardRecord(c.record);
        ASSERT_TRUE(board);
        EXPECT_EQ(board->number, c.number);
        EXPECT_EQ(board->dealer, c.dealer);
        EXPECT_EQ(board->vulnerability, c.vulnerability);
    }
}

TEST(BoardRecord, DealValues) {
    struct Case {
        const char* value;
        bool read;
        Hand north, east;
    };
    const Case cases[] = {
        // East first: the first hand is East's, the fourth North's.
        {"E:AK.. .Q.. ... J...", true, MakeHand("J", "", "", ""), MakeHand("AK", "", "", "")},
        {"s:- - AKQ... -", true, MakeHand("AKQ", "", "", ""), {}},
        {"N:ak10.qj.. ...", true, MakeHand("AK", "QJ", "", ""), {}},
        {"N:A.K.Q.J.T ...", true, MakeHand("A", "K", "Q", "J"), {}},
        {"N:AKQ", true, MakeHand("AKQ", "", "", ""), {}},
        {"X:AKQ... ... ... ...", false, {}, {}},
        {"NAKQ... ... ... ...", false, {}, {}},
        {"", false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::array<Hand, 4> hands{};
        hands[kSouth] = MakeHand("2", "", "", "");
        ASSERT_EQ(ReadDealValue(c.value, hands), c.read);
        if (c.read) {
            EXPECT_EQ(hands[kNorth], c.north);
            EXPECT_EQ(hands[kEast], c.east);
        } else {
            EXPECT_EQ(hands[kSouth], MakeHand("2", "", "", ""));  // untouched
        }
    }
}

TEST(BoardRecord, NothingToPrintAndEveryCutOfTheExample) {
    for (const char* record : {"", "|||", "[", "[Deal \"Q:AKQ\"]", "[Board \"\"]", "garbage"}) {
        EXPECT_FALSE(ReadBoardRecord(record)) << record;
    }
    const std::string example = kExample;
    for (std::size_t length = 0; length < example.size(); ++length) {
        const std::optional<Board> board = ReadBoardRecord(example.substr(0, length));
        // Once the board number's closing quote is there the board prints; the deal once its
        // value is closed.
        EXPECT_EQ(board.has_value(), length >= 10) << length;
        if (board) {
            EXPECT_EQ(board->hasDeal, length >= example.size() - 1) << length;
        }
    }
    // A missing Dealer tag: the deal's first seat is the dealer.
    const std::optional<Board> board = ReadBoardRecord("[Board \"2\"][Deal \"E:... ... ... ...\"]");
    ASSERT_TRUE(board);
    EXPECT_EQ(board->dealer, kEast);
}

TEST(BoardRecord, TheAnalysisTagsGiveTricksByDeclarerAndPar) {
    const std::string record = std::string(kExample) +
                               "|[DoubleDummyTricks \"0123456789ABCDd01234\"]"
                               "|[OptimumScore \"NS -300\"]|[ParContract \"E 5HX,W 5Sxx\"]";
    const std::optional<Board> board = ReadBoardRecord(record);
    ASSERT_TRUE(board && board->analysis);
    const BoardAnalysis& analysis = *board->analysis;
    // The tag lists declarers N, S, E, W; the table holds them clockwise.
    using Row = std::array<int, kStrains>;
    EXPECT_EQ(analysis.tricks[kNorth], (Row{0, 1, 2, 3, 4}));
    EXPECT_EQ(analysis.tricks[kSouth], (Row{5, 6, 7, 8, 9}));
    EXPECT_EQ(analysis.tricks[kEast], (Row{10, 11, 12, 13, 13}));
    EXPECT_EQ(analysis.tricks[kWest], (Row{0, 1, 2, 3, 4}));
    ASSERT_TRUE(analysis.hasPar);
    EXPECT_EQ(analysis.parScoreNS, -300);
    EXPECT_EQ(analysis.par,
              (std::vector<ParItem>{{"E", 5, kHeartStrain, 1}, {"W", 5, kSpadeStrain, 2}}));
    EXPECT_FALSE(ReadBoardRecord(kExample)->analysis);
}

TEST(BoardAnalysis, ParValues) {
    struct Case {
        const char* score;
        const char* contract;
        bool hasPar;
        int scoreNS;
        std::vector<ParItem> par;
    };
    const Case cases[] = {
        {"NS 420", "NS 4S", true, 420, {{"NS", 4, kSpadeStrain, 0}}},
        {"EW 420", "ew 4s", true, -420, {{"EW", 4, kSpadeStrain, 0}}},
        {" NS +400 ", "N 3NT, 5D", true, 400, {{"N", 3, kNoTrump, 0}, {"N", 5, kDiamondStrain, 0}}},
        {"NS 0", "Pass", true, 0, {}},
        // Unreadable: par is left out, the table stays.
        {"", "NS 4S", false, 0, {}},
        {"420", "NS 4S", false, 0, {}},
        {"NS 420", "NS 8S", false, 0, {}},
        {"NS 420", "NS 4Z", false, 0, {}},
        {"NS 420", "NS 4SXXX", false, 0, {}},
        {"NS 420", "4S", false, 0, {}},
        {"NS 420", "NE 4S", false, 0, {}},
        {"NS 420", "NS 4S,", false, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.score) + " / " + c.contract);
        const std::optional<BoardAnalysis> analysis =
            ReadBoardAnalysis("88888888888888888888", c.score, c.contract);
        ASSERT_TRUE(analysis);
        EXPECT_EQ(analysis->hasPar, c.hasPar);
        EXPECT_EQ(analysis->parScoreNS, c.scoreNS);
        EXPECT_EQ(analysis->par, c.par);
    }
}

TEST(BoardAnalysis, OnlyTwentyDigitsOfNoMoreThanThirteenMakeATable) {
    for (const char* tricks :
         {"", "8888888888888888888", "888888888888888888888", "8888888888888888888e",
          "888888888888888888-8", "88888 8888888888888"}) {
        SCOPED_TRACE(tricks);
        EXPECT_FALSE(ReadBoardAnalysis(tricks, "NS 0", "Pass"));
    }
    EXPECT_TRUE(ReadBoardAnalysis(" dddddddddddddddddddd ", "", ""));
}

TEST(PrinterSettings, ValuesOfTheProgramsKeyOnly) {
    struct Case {
        const char* text;
        const char* printer;
        std::optional<std::string> folder;
        bool vul;
    };
    const Case cases[] = {
        {"", "", std::nullopt, true},
        {"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
         "\"PrintVulDeal\"=dword:00000000\r\n\"PrinterName\"=\"Office \\\"Laser\\\" \\\\2\"\r\n"
         "\"PdfFolder\"=\"/home/d/Hand records\"\r\n",
         "Office \"Laser\" \\2", "/home/d/Hand records", false},
        {"[hkey_current_user\\software\\tarnwick\\kesto\\3.2]\n\"printvuldeal\"=DWORD:1\n", "",
         std::nullopt, true},
        // Another key's values do not count, nor does a subkey's.
        {"[HKEY_CURRENT_USER\\Software\\Other]\n\"PrintVulDeal\"=dword:00000000\n"
         "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Deutsch]\n\"PrinterName\"=\"x\"\n",
         "", std::nullopt, true},
        // Broken lines are passed over; a value given twice counts the last time.
        {"[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\n\"PrinterName\"=\"unclosed\n"
         "\"PrintVulDeal\"=dword:zz\n\"PrintVulDeal\"=dword:123456789\n\"PdfFolder\"=dword:1\n"
         "\"PrinterName\"=\"A\"\n\"PrinterName\"=\"B\"\n",
         "B", std::nullopt, true},
        {"[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\n\"PrintVulDeal\"=dword:0\n"
         "\"PdfFolder\"=\"\"\n",
         "", std::string(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PrinterSettings settings = ParsePrinterSettings(c.text);
        EXPECT_EQ(settings.printerName, c.printer);
        EXPECT_EQ(settings.pdfFolder, c.folder);
        EXPECT_EQ(settings.printVulDeal, c.vul);
    }
}

// The settings file as the library finds it, in a child with its own environment: a named
// pipe or a device is not read (defaults at once, no wait for a writer), a regular file is,
// and without HOME the library looks in the account's home folder as the program does.
TEST(PrinterSettings, OnlyARegularFileIsReadAndNothingIsWaitedOn) {
    const kesto::test::ScratchFolder scratch;
    const std::string file = scratch.Path("Kesto.reg");
    std::ofstream(file, std::ios::binary)
        << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
           "\"PrinterName\"=\"Club laser\"\r\n";
    const std::string fifo = scratch.Path("pipe.reg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        const char* printer;
    };
    for (const Case& c : {Case{file, "Club laser"}, Case{fifo, ""}, Case{"/dev/zero", ""}}) {
        EXPECT_TRUE(kesto::test::RunsWithinBounds(
            [&c]() -> std::string {
                ::setenv("KESTO_SETTINGS", c.path.c_str(), 1);
                const PrinterSettings settings = ReadPrinterSettings();
                return settings.printerName == c.printer ? "" : "printer " + settings.printerName;
            },
            10, std::size_t{1} << 30))
            << c.path;
    }
}

TEST(PrinterSettings, WithoutHomeTheAccountsHomeFolderIsUsed) {
    const passwd* account = ::getpwuid(::getuid());
    if (account == nullptr || account->pw_dir == nullptr || account->pw_dir[0] != '/') {
        GTEST_SKIP() << "this account has no home folder in the password database";
    }
    const std::string expected = std::string(account->pw_dir) + "/.config/Tarnwick/Kesto.reg";
    EXPECT_TRUE(kesto::test::RunsWithinBounds(
        [&expected]() -> std::string {
            ::unsetenv("KESTO_SETTINGS");
            ::setenv("XDG_CONFIG_HOME", "relative", 1);
            ::unsetenv("HOME");
            const std::string path = SettingsFilePath();
            return path == expected ? "" : "path " + path;
        },
        10, std::size_t{1} << 30));
}

TEST(Windows1252, EveryByteRange) {
    EXPECT_EQ(FromWindows1252(nullptr), QString());
    EXPECT_EQ(FromWindows1252("Fran\xE7"
                              "ais"),
              QString::fromUtf8("Français"));
    EXPECT_EQ(FromWindows1252("S\xFC"
                              "d \xD8st \xD6st Gef\xE4hr"),
              QString::fromUtf8("Süd Øst Öst Gefähr"));
    EXPECT_EQ(FromWindows1252("\x80\x8A\x93\x94\x96\x97\x9F"), QString::fromUtf8("€Š“”–—Ÿ"));
    EXPECT_EQ(FromWindows1252("\x81\x8D\x8F\x90\x9D"), QStringLiteral("?????"));
    EXPECT_EQ(FromWindows1252(std::string_view("a\0b", 3)),
              QString(QStringLiteral("a")) + QChar(0) + u'b');
}

}  // namespace
}  // namespace kesto::prt3
