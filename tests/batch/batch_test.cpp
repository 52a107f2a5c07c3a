#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <regex>
#include <sstream>

#include "kesto/batch/batch.h"
#include "kesto/deal/deal_notation.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/plan/plan_file.h"
#include "kesto/plan/plan_reader.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/registry_hive.h"
#include "kesto/workflow/texts.h"
#include "tests/analysis/analysis_test_deals.h"
#include "tests/support/bounded_child.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/seed_zero.h"

// getrandom for this program, failing as on a kernel without it while refuseRandom is set.
static bool refuseRandom = false;
extern "C" ssize_t getrandom(void* buffer, size_t length, unsigned int flags) {
    if (!refuseRandom) {
        return ::syscall(SYS_getrandom, buffer, length, flags);
    }
    errno = ENOSYS;
    return -1;
}

namespace kesto::test {
namespace {

const std::string kTwoBoardsFromSeedZero = kBoard1Record + "\n" + kBoard2Record + "\n";

class BatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings_ = folder_ + "/Kesto.reg";
        ::setenv("KESTO_SETTINGS", settings_.c_str(), 1);
    }
    void TearDown() override { ::unsetenv("KESTO_SETTINGS"); }

    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        BatchServices services;
        services.settingsPath = settings_;
        return RunBatch(args, out_, err_, services);
    }
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    void PutSettings(const std::string& valueLine) const {
        ASSERT_TRUE(ReplaceFileAtomically(settings_,
                                          "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\"
                                          "Kesto\\3.2]\r\n" +
                                              valueLine + "\r\n")
                        .Ok());
    }

    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
    std::string settings_;
    std::ostringstream out_;
    std::ostringstream err_;
};

// A seed deals with the classic generator, whatever is stored.
TEST_F(BatchTest, ListsTheTwoBoardsOfSeedZero) {
    for (const bool secureStored : {false, true}) {
        if (secureStored) {
            PutSettings("\"SecureDealing\"=dword:00000001");
        }
        EXPECT_EQ(Run({"--seed", "0", "--generate", "2", "--list"}), 0);
        EXPECT_EQ(out_.str(), kTwoBoardsFromSeedZero);
        EXPECT_EQ(err_.str(), "");
    }
}

// Each listed deal is complete: 13 cards a hand, every card once.
void ExpectCompleteDeals(const std::string& listing, std::size_t count) {
    std::istringstream lines(listing);
    std::size_t deals = 0;
    for (std::string line; std::getline(lines, line); ++deals) {
        tDeal deal;
        ReadDealValue(deal, DealTagValue(line.substr(line.find("[Deal "))).value_or(""));
        tHand all;
        for (const Seat seat : kClockwise) {
            EXPECT_EQ(deal.Hand(seat).CardCount(), 13) << line;
            for (const Suit suit : kAllSuits) {
                all.Holding(suit) |= deal.Hand(seat).Holding(suit);
            }
        }
        EXPECT_EQ(all.CardCount(), 52) << line;
    }
    EXPECT_EQ(deals, count);
}

TEST_F(BatchTest, SecureDealingGivesCompleteDealsThatDifferEveryRun) {
    ASSERT_EQ(Run({"--secure", "--generate", "40", "--list"}), 0) << err_.str();
    const std::string first = out_.str();
    ExpectCompleteDeals(first, 40);
    ASSERT_EQ(Run({"--secure", "--generate", "40", "--list"}), 0);
    EXPECT_NE(out_.str(), first);
}

TEST_F(BatchTest, AFailedSecureSourceEndsTheJobThereWithItsMessage) {
    PutSettings("\"SecureDealing\"=dword:00000001");  // the last row deals securely by it
    refuseRandom = true;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--secure", "--generate", "2", "--list"},
             {"--secure", "--generate", "2", "--analyse"},
             {"--secure", "--generate", "2", "--print", "--copies", "1", "--output-folder", "pdf"},
             {"--generate", "2", "--save", Path("x.kst")}}) {
        EXPECT_EQ(Run(args), 1) << args.back();
        EXPECT_EQ(out_.str() + err_.str(),
                  "kesto batch: " + texts::SecureDealingFailedText(std::strerror(ENOSYS)) + "\n");
    }
    refuseRandom = false;
    EXPECT_EQ(scratch_.Entries(), std::vector<std::string>{"Kesto.reg"});
}

TEST_F(BatchTest, UsageErrorsSayWhatIsWrongWithWhichOption) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string languages =
        "--language takes one of English, Dansk, Deutsch, Dutch, Fran\xC3\xA7"
        "ais, Italiano, Polski, Svenska";
    const std::vector<Case> cases = {
        {{"--seed"}, "--seed needs a number"},
        {{"--seed", "-1"}, "--seed takes a number from 0 to 4294967295"},
        {{"--seed", "-0"}, "--seed takes a number from 0 to 4294967295"},
        {{"--seed", "4294967296"}, "--seed takes a number from 0 to 4294967295"},
        {{"--generate"}, "--generate takes a number of boards from 1 to 500"},
        {{"--generate", "0"}, "--generate takes a number of boards from 1 to 500"},
        {{"--generate", "501"}, "--generate takes a number of boards from 1 to 500"},
        {{"--generate", "2x"}, "--generate takes a number of boards from 1 to 500"},
        {{"--generate", "99999999999999999999"},
         "--generate takes a number of boards from 1 to 500"},
        {{"--read"}, "--read needs a file name"},
        {{"--save"}, "--save needs a file name"},
        {{"--html"}, "--html needs a file name"},
        {{"--read", ""}, "--read needs a file name"},
        {{"--generate", "2", "--save", ""}, "--save needs a file name"},
        {{"--generate", "2", "--save", "a.kst", "--save", ""}, "--save needs a file name"},
        {{"--generate", "2", "--html", ""}, "--html needs a file name"},
        {{"--header1"}, "--header1 needs a text"},
        {{"--header2"}, "--header2 needs a text"},
        {{"--gif-location"}, "--gif-location needs a text"},
        {{"--language"}, "--language needs a language name"},
        {{"--copies"}, "--copies takes a number from 0 to 1000"},
        {{"--print", "--copies", "-1"}, "--copies takes a number from 0 to 1000"},
        {{"--print", "--sets", "101"}, "--sets takes a number from 0 to 100"},
        {{"--stat-sheets", " 1"}, "--stat-sheets takes a number from 0 to 1000"},
        {{"--output-folder"}, "--output-folder needs a folder"},
        {{"--print", "--output-folder", ""}, "--output-folder needs a folder"},
        {{"--list", "-x"}, "unknown option -x"},
        {{"--bogus"}, "unknown option --bogus"},
        {{"--language", "Klingon"}, languages},
        {{"--language", "english"}, languages},  // names are matched exactly
        {{"--seed", "x", "--help"}, "--seed takes a number from 0 to 4294967295"},
        {{"--read", "a.kst", "--generate", "1"}, "--generate and --read cannot go together"},
        {{"--generate", "2", "--read", "x.kst"}, "--generate and --read cannot go together"},
        {{"--secure", "--seed", "7", "--generate", "1"}, "--seed and --secure cannot go together"},
        {{"--secure", "--read", "a.kst"}, "--read and --secure cannot go together"},
        {{"--gif-location", "images"}, "--stats and --gif-location go with --html"},
        {{"--stats"}, "--stats and --gif-location go with --html"},
        {{"--curtains"},
         "--copies, --sets, --stat-sheets, --curtains and --output-folder go with --print"},
        {{"--output-folder", "out"},
         "--copies, --sets, --stat-sheets, --curtains and --output-folder go with --print"},
        {{"--copies", "1"},
         "--copies, --sets, --stat-sheets, --curtains and --output-folder go with --print"},
        {{"--plan", ""}, "--plan needs a plan"},
        {{"--plan", "x", "--plan-file", "p.txt"}, "--plan and --plan-file cannot go together"},
        {{"--plan-file", "p.txt", "--read", "a.kst"},
         "--plan or --plan-file and --read cannot go together"},
        {{"--generate", "4", "--mix"}, "--mix goes with --plan or --plan-file"},
        {{"--plan", "2: hcp(N) > 9\n2: hcp(dealer) >= 12 and hearts(X) > 4"},
         "the plan cannot be read: Line 2, column 33: \"X\" is not a known word; a seat (N, E, S, "
         "W, dealer, lho, partner, rho) was expected."},
        {{"--plan", "hcp(N) > 9"},
         "a plan of one condition without a count needs --generate N for its boards"},
        {{"--plan", "2: hcp(N) = 15-17"},
         "the plan cannot be read: Line 1, column 11: a range takes no comparison sign before "
         "it; write hcp(N) 15-17."},
        {{"--generate", "4", "--fixed-seats"}, "--fixed-seats goes with --plan or --plan-file"},
        {{"--plan", "produce 4\ncondition tricks(north, spades) > 9"},
         "the plan cannot be read: Line 2: Kesto does not deal to \"tricks\" (double-dummy "
         "tricks during dealing)."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), 2) << c.message;
        EXPECT_EQ(err_.str(), "kesto batch: " + c.message +
                                  "\nusage: kesto batch [options]; see kesto batch --help\n");
        EXPECT_EQ(out_.str(), "") << c.message;
    }
}

// Each listed board meets the line of the plan it was dealt for, in that order.
void ExpectBoardsMeet(const std::string& listing, const Plan& plan, const std::vector<int>& lines) {
    std::istringstream records(listing);
    std::size_t board = 0;
    for (std::string line; std::getline(records, line); ++board) {
        ASSERT_LT(board, lines.size()) << line;
        tDeal deal;
        ReadDealValue(deal, DealTagValue(line.substr(line.find("[Deal "))).value_or(""));
        EXPECT_TRUE(plan.lines[lines[board]].condition.Meets(
            FiguresOf(deal), BoardDealer(static_cast<int>(board) + 1)))
            << line;
    }
    EXPECT_EQ(board, lines.size());
}

TEST_F(BatchTest, APlanDealsItsCountsInOrderAndASeedRepeatsThem) {
    const std::string text = "2: hcp(dealer) 15-17 and balanced(dealer)\r\n3: spades(lho) >= 6\r\n";
    ASSERT_TRUE(ReplaceFileAtomically(Path("plan.txt"), text).Ok());
    const Plan plan = ReadPlan(text).plan;
    ASSERT_EQ(Run({"--seed", "5", "--plan-file", Path("plan.txt"), "--list"}), 0) << err_.str();
    const std::string first = out_.str();
    ExpectBoardsMeet(first, plan, {0, 0, 1, 1, 1});
    ASSERT_EQ(Run({"--seed", "5", "--plan", text, "--list"}), 0);
    EXPECT_EQ(out_.str(), first);
    ASSERT_EQ(Run({"--seed", "5", "--plan", text, "--mix", "--list"}), 0);
    EXPECT_NE(out_.str(), first);
    ExpectCompleteDeals(out_.str(), 5);
}

// A plan file is read as a text editor saves it, or refused at once with a message; a plan
// that can never be dealt says so before dealing.
TEST_F(BatchTest, PlanFilesAreReadAsEditorsSaveThemAndAreRefusedWithAMessage) {
    ASSERT_EQ(::mkfifo(Path("pipe.txt").c_str(), 0600), 0);
    const std::string utf8Plan =
        "2: hcp(N) 10\xE2\x80\x93"
        "12 and balanced(N)\r\n";
    const std::string utf16Plan(
        "\xFF\xFE"
        "2\0:\0 \0h\0c\0p\0",
        14);
    const struct {
        const char* file;  // written with contents, unless it exists
        std::string contents;
        std::vector<std::string> more;  // options besides --plan-file and --list
        int status;
        std::string err;  // after "kesto batch: "
        std::size_t boards;
    } cases[] = {
        {"bom.txt", "\xEF\xBB\xBF" + utf8Plan, {}, 0, "", 2},
        {"generate.txt",
         utf8Plan,
         {"--generate", "9"},
         0,
         "warning: --generate is ignored: the plan's counts give 2 boards.",
         2},
        {"big.txt",
         std::string(kMaxPlanFileBytes + 1, ' '),
         {},
         1,
         Path("big.txt") + " is too big for a plan file: a plan file holds at most 1,000,000 "
                           "bytes.",
         0},
        {"utf16.txt",
         utf16Plan,
         {},
         1,
         "The file is saved as UTF-16 text; Kesto reads plan files saved as ANSI "
         "(Windows-1252) or UTF-8.",
         0},
        {"pipe.txt", "", {}, 1, Path("pipe.txt") + " is not a file.", 0},
        {"/dev/zero", "", {}, 1, "/dev/zero is not a file.", 0},
        {"never.txt",
         "4: hcp(N) >= 21 and hcp(dealer) >= 20",
         {},
         1,
         "No deal can meet line 1 with East dealing, as on board 2; no boards were dealt.",
         0},
        // A dealer script deals --generate N boards, else its produce, else dealer's 40; a
        // plan's script lines find their files beside it.
        {"script.dl", "dealer south\nproduce 3\ncondition hcp(south) >= 12", {}, 0, "", 3},
        {"script.dl", "", {"--generate", "5"}, 0, "", 5},
        {"noproduce.dl", "condition hcp(north) >= 0", {}, 0, "", 40},
        {"mixed.txt", "2: script script.dl\r\n1: hcp(N) > 10\r\n", {"--mix"}, 0, "", 3},
    };
    EXPECT_TRUE(RunsWithinBounds(
        [&]() -> std::string {
            std::string problems;
            for (const auto& c : cases) {
                const std::string file = c.file[0] == '/' ? c.file : Path(c.file);
                if (!std::filesystem::exists(file) &&
                    !ReplaceFileAtomically(file, c.contents).Ok()) {
                    return "cannot write " + file;
                }
                std::vector<std::string> args = {"--plan-file", file, "--list"};
                args.insert(args.end(), c.more.begin(), c.more.end());
                const int status = Run(args);
                const std::string err = c.err.empty() ? "" : "kesto batch: " + c.err + "\n";
                const std::string listing = out_.str();
                const auto boards =
                    static_cast<std::size_t>(std::count(listing.begin(), listing.end(), '\n'));
                if (status != c.status || err_.str() != err || boards != c.boards) {
                    problems += std::string(c.file) + ": status " + std::to_string(status) + ", " +
                                std::to_string(boards) + " boards, " + err_.str();
                }
            }
            return problems;
        },
        20, std::size_t{1} << 30));
}

// A dealer script's seats turn so that its dealer sits in each board's dealer seat; with
// --fixed-seats they stay as written. The boards keep their usual dealers either way.
TEST_F(BatchTest, ADealerScriptTurnsToEachBoardsDealerUnlessItsSeatsAreFixed) {
    const std::string script = "dealer east\nproduce 8\ncondition hcp(east) >= 20\n";
    for (const bool fixed : {false, true}) {
        std::vector<std::string> args = {"--seed", "3", "--plan", script, "--list"};
        if (fixed) {
            args.push_back("--fixed-seats");
        }
        ASSERT_EQ(Run(args), 0) << err_.str();
        std::istringstream records(out_.str());
        int board = 0;
        for (std::string line; std::getline(records, line);) {
            ++board;
            tDeal deal;
            ReadDealValue(deal, DealTagValue(line.substr(line.find("[Deal "))).value_or(""));
            const Seat strong = fixed ? Seat::East : BoardDealer(board);
            EXPECT_GE(FiguresOf(deal.Hand(strong))[Figure::Hcp], 20) << line;
            EXPECT_NE(line.find(std::string("[Dealer \"") + SeatLetter(BoardDealer(board))),
                      std::string::npos)
                << line;
        }
        EXPECT_EQ(board, 8);
    }
}

// Every plan and dealer script the help page quotes reads, and deals.
TEST_F(BatchTest, TheHelpPagesPlansDeal) {
    const std::string page = ReadWholeFile(KESTO_SOURCE_DIR "/help/plans.html").value;
    const std::regex quoted(R"(<pre class="plan">([^<]*)</pre>)");
    int plans = 0;
    for (std::sregex_iterator it(page.begin(), page.end(), quoted), end; it != end; ++it, ++plans) {
        std::string plan = std::regex_replace((*it)[1].str(), std::regex("&gt;"), ">");
        plan = std::regex_replace(plan, std::regex("&lt;"), "<");
        plan = std::regex_replace(plan, std::regex("&amp;"), "&");
        EXPECT_EQ(Run({"--seed", "1", "--generate", "4", "--plan", plan, "--list"}), 0)
            << plan << err_.str();
    }
    EXPECT_GE(plans, 6);
}

TEST_F(BatchTest, HelpComesBeforeAnythingAfterIt) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"--help", "--bogus"}, {"--list", "--help", "--generate", "0"}}) {
        EXPECT_EQ(Run(args), 0) << args[0];
        EXPECT_EQ(out_.str(), BatchHelpText()) << args[0];
        EXPECT_EQ(err_.str(), "") << args[0];
    }
    for (const char* option : {"--seed", "--generate", "--read", "--save", "--list", "--header1",
                               "--header2", "--language"}) {
        EXPECT_NE(BatchHelpText().find(option), std::string::npos) << option;
    }
}

TEST_F(BatchTest, SavedFilesReadBackToTheSameBoards) {
    ASSERT_EQ(Run({"--seed", "0", "--generate", "2", "--header1", "Club night", "--save",
                   Path("a.kst"), "--save", Path("a.DLM"), "--save", Path("a.dup"), "--save",
                   Path("a.bri"), "--save", Path("a.DGE"), "--save", Path("a.lin")}),
              0)
        << err_.str();
    EXPECT_EQ(ReadWholeFile(Path("a.kst")).value.substr(0, 38),
              "% Kesto 3.2 Hands randomly generated.\r");
    EXPECT_EQ(ReadWholeFile(Path("a.DLM")).value.substr(0, 10), "[Document]");
    EXPECT_EQ(ReadWholeFile(Path("a.dup")).value.size(), 2u * 156u);
    // The kind by the extension, whatever its case: each file's own mark.
    EXPECT_EQ(ReadWholeFile(Path("a.bri")).value.size(), 2u * 128u);
    EXPECT_EQ(ReadWholeFile(Path("a.DGE")).value.substr(0, 1), "\x06");
    EXPECT_EQ(ReadWholeFile(Path("a.lin")).value.substr(0, 13), "vg|Club night");
    for (const char* name : {"a.kst", "a.DLM", "a.dup", "a.bri", "a.DGE", "a.lin"}) {
        EXPECT_EQ(Run({"--read", Path(name), "--list"}), 0) << name << err_.str();
        EXPECT_EQ(out_.str(), kTwoBoardsFromSeedZero) << name;
    }
}

// The PBN export file by its extension: header line 1 as the Event, line 2 as the Site and,
// when it is a date in one of the date formats, as the Date; the lines given in UTF-8 are
// written in Windows-1252.
TEST_F(BatchTest, SavesAPbnExportFileByItsExtension) {
    const auto game = [](const char* site, const char* date, const char* board, const char* dealer,
                         const char* vulnerable, const std::string& deal) {
        return std::string("[Event \"Club night\"]\r\n[Site \"") + site + "\"]\r\n[Date \"" + date +
               "\"]\r\n[Board \"" + board +
               "\"]\r\n[West \"?\"]\r\n[North \"?\"]\r\n[East \"?\"]\r\n[South \"?\"]\r\n"
               "[Dealer \"" +
               dealer + "\"]\r\n[Vulnerable \"" + vulnerable + "\"]\r\n[Deal \"" + deal +
               "\"]\r\n[Scoring \"?\"]\r\n[Declarer \"?\"]\r\n[Contract \"?\"]\r\n"
               "[Result \"?\"]\r\n";
    };
    const std::string board1 = "N:" + kBoard1Hands;
    const std::string board2 = "E:" + Hands(kBoard2East, kBoard2South, kBoard2West, kBoard2North);
    struct Case {
        const char* header2;
        const char* site;
        const char* date;
    };
    for (const Case& c : {Case{"Caf\xC3\xA9", "Caf\xE9", "?"},
                          Case{"December 7, 2026", "December 7, 2026", "2026.12.07"}}) {
        ASSERT_EQ(Run({"--seed", "0", "--generate", "2", "--header1", "Club night", "--header2",
                       c.header2, "--save", Path("club.PBN")}),
                  0)
            << err_.str();
        EXPECT_EQ(ReadWholeFile(Path("club.PBN")).value,
                  "% PBN 2.1\r\n% EXPORT\r\n" + game(c.site, c.date, "1", "N", "None", board1) +
                      "\r\n" + game(c.site, c.date, "2", "E", "NS", board2));
        EXPECT_EQ(err_.str(), "");
    }
}

TEST_F(BatchTest, NeverWritesTheSettings) {
    ASSERT_EQ(Run({"--generate", "3", "--save", Path("s.dlm")}), 0);
    ASSERT_EQ(Run({"--read", Path("s.dlm")}), 0);
    EXPECT_FALSE(std::filesystem::exists(settings_));
    // Nor moves a damaged one aside: that is the window's to do.
    const std::string tooBig(kMaxHiveFileBytes + 1, ';');
    ASSERT_TRUE(ReplaceFileAtomically(settings_, tooBig).Ok());
    ASSERT_EQ(Run({"--seed", "0", "--generate", "2", "--list"}), 0);
    EXPECT_EQ(out_.str(), kTwoBoardsFromSeedZero);
    EXPECT_EQ(err_.str(), "kesto batch: The settings file " + settings_ +
                              " is damaged (it holds 1048577 bytes, more than the 1048576 a "
                              "settings file may hold), so Kesto uses its default settings.\n");
    EXPECT_EQ(scratch_.Entries(), (std::vector<std::string>{"Kesto.reg", "s.dlm"}));
    EXPECT_EQ(ReadWholeFile(settings_).value, tooBig);
}

// A named pipe as the settings file: the job runs on the defaults at once, with one line that
// says why, and the pipe is left as it is.
TEST_F(BatchTest, ANamedPipeAsTheSettingsFileGivesDefaultsAndOneNotice) {
    ASSERT_EQ(::mkfifo(settings_.c_str(), 0600), 0);
    EXPECT_TRUE(RunsWithinBounds(
        [this]() -> std::string {
            const int status = Run({"--seed", "0", "--generate", "2", "--list"});
            const std::string expected = "kesto batch: The settings file " + settings_ +
                                         " could not be read (it is a named pipe, not a file), "
                                         "so Kesto uses its default settings and will not save "
                                         "settings over that file during this run.\n";
            if (status != 0 || out_.str() != kTwoBoardsFromSeedZero) {
                return "status " + std::to_string(status) + ": " + err_.str();
            }
            return err_.str() == expected ? "" : "stderr: " + err_.str();
        },
        20, std::size_t{1} << 30));
    EXPECT_TRUE(std::filesystem::is_fifo(settings_));
}

TEST_F(BatchTest, FailuresGiveStatusOneWithTheMessage) {
    EXPECT_EQ(Run({"--read", Path("missing.kst")}), 1);
    EXPECT_NE(err_.str().find("missing.kst"), std::string::npos);

    ASSERT_TRUE(ReplaceFileAtomically(Path("junk.kst"), "% PBN 1.0\r\n").Ok());
    EXPECT_EQ(Run({"--read", Path("junk.kst")}), 1);
    EXPECT_NE(err_.str().find("Error reading " + Path("junk.kst") + "."), std::string::npos);

    EXPECT_EQ(Run({"--generate", "1", "--save", Path("no/such/folder/x.dup")}), 1);
    EXPECT_NE(err_.str().find("Error writing .DUP file."), std::string::npos);
}

// A save that cannot save what was asked fails with a message and leaves any old file alone.
TEST_F(BatchTest, SavesThatWouldSaveNothingOrLoseBoardsFail) {
    struct Case {
        std::vector<std::string> args;
        const char* file;
        std::string message;
    };
    const std::string unchanged =
        " The deals were not saved; an existing file of that name is unchanged.";
    const std::vector<Case> cases = {
        {{"--save", Path("a.dlm"), "--save", Path("a.kst")},
         "a.dlm",
         "There are no deals to save: deal them with --generate or read them with --read."},
        {{"--generate", "120", "--save", Path("b.dlm")},
         "b.dlm",
         "A .DLM file holds at most 99 boards, and there are 120." + unchanged},
        {{"--generate", "100", "--save", Path("b.dup")},
         "b.dup",
         "A .DUP file holds at most 99 boards, and there are 100." + unchanged},
        // The first save fails: the job stops there.
        {{"--generate", "120", "--save", Path("c.DLM"), "--save", Path("c.kst")},
         "c.DLM",
         "A .DLM file holds at most 99 boards, and there are 120." + unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(ReplaceFileAtomically(Path(c.file), "old").Ok());
        EXPECT_EQ(Run(c.args), 1);
        EXPECT_EQ(err_.str(), "kesto batch: " + c.message + "\n");
        EXPECT_EQ(ReadWholeFile(Path(c.file)).value, "old");
    }
    EXPECT_FALSE(std::filesystem::exists(Path("c.kst")));
    // 99 boards fit both.
    ASSERT_EQ(Run({"--generate", "99", "--save", Path("d.dlm"), "--save", Path("d.dup")}), 0);
    for (const char* file : {"d.dlm", "d.dup"}) {
        ASSERT_EQ(Run({"--read", Path(file), "--list"}), 0) << err_.str();
        EXPECT_NE(out_.str().find("[Board \"99\"]"), std::string::npos) << file;
    }
}

TEST_F(BatchTest, WritesTheHtmlPageInTheChosenLanguage) {
    ASSERT_EQ(Run({"--seed", "0", "--generate", "4", "--language", "Deutsch", "--html",
                   Path("page.htm"), "--stats", "--gif-location", "gif"}),
              0)
        << err_.str();
    const std::string page = ReadWholeFile(Path("page.htm")).value;
    EXPECT_NE(page.find("<B>Board 2 / Tlr: O / Gef\xE4hr: N-S</B>"), std::string::npos);
    EXPECT_NE(page.find("<IMG SRC=\"gif/spade.gif\""), std::string::npos);
    EXPECT_NE(page.find("<H2>Statistics</H2>"), std::string::npos);
    EXPECT_TRUE(page.ends_with("</BODY>\r\n</HTML>\r\n"));

    EXPECT_EQ(Run({"--generate", "1", "--html", Path("no/such/folder/page.htm")}), 1);
    EXPECT_NE(err_.str().find("page.htm"), std::string::npos);

    // Without the options, the stored ones: the language, the images' place, no dealer.
    PutSettings(
        "\"PrintVulDeal\"=dword:00000000\r\n\"GIFDirectory\"=\"/gifs\"\r\n"
        "\"UserLanguage\"=\"Deutsch\"");
    ASSERT_EQ(Run({"--seed", "0", "--generate", "2", "--html", Path("stored.htm")}), 0)
        << err_.str();
    const std::string stored = ReadWholeFile(Path("stored.htm")).value;
    EXPECT_NE(stored.find("<B>Board 2</B>"), std::string::npos);
    EXPECT_NE(stored.find("<TD> D B Z 2</TD>"), std::string::npos);
    EXPECT_NE(stored.find("<IMG SRC=\"/gifs/spade.gif\""), std::string::npos);
}

// The page is published through a symbolic link: the page and its statistics both land in
// the link's target, and the link stays.
TEST_F(BatchTest, HtmlPageBehindALinkGetsItsStatisticsInTheTarget) {
    std::filesystem::create_directory(Path("web"));
    const std::string target = Path("web/club.htm");
    std::filesystem::create_symlink("web/club.htm", Path("link.htm"));
    ASSERT_EQ(Run({"--seed", "0", "--generate", "2", "--html", Path("link.htm"), "--stats"}), 0)
        << err_.str();
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.htm")));
    const std::string page = ReadWholeFile(target).value;
    EXPECT_NE(page.find("<H2>Statistics</H2>"), std::string::npos);
    EXPECT_TRUE(page.ends_with("</BODY>\r\n</HTML>\r\n"));
}

// A save killed while it writes (here by the file size limit, as kill -9 would) keeps the
// old file; what it left beside it goes with the next save of that file.
TEST_F(BatchTest, TheNextSaveClearsUpAfterAKilledOne) {
    for (const char* name : {"deals.kst", "deals.dlm", "page.htm"}) {
        SCOPED_TRACE(name);
        const std::string file = Path(name);
        const bool page = std::string_view(name).ends_with(".htm");
        const std::vector<std::string> args = {"--generate", "60", page ? "--html" : "--save",
                                               file};
        ASSERT_EQ(Run(args), 0) << err_.str();
        const std::string old = ReadWholeFile(file).value;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const rlimit small{1024, 1024};
            ::setrlimit(RLIMIT_FSIZE, &small);
            ::_exit(Run(args));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(ReadWholeFile(file).value, old);
        EXPECT_EQ(scratch_.Entries().size(), 2u);  // the file and what the killed save left

        ASSERT_EQ(Run(args), 0) << err_.str();
        EXPECT_EQ(scratch_.Entries(), std::vector<std::string>{name});
        std::filesystem::remove(file);
    }
}

TEST_F(BatchTest, PrintsToTheOutputFolder) {
    const std::string pdfs = Path("printouts");
    ASSERT_EQ(Run({"--generate", "3", "--print", "--copies", "1", "--sets", "1", "--output-folder",
                   pdfs}),
              0)
        << err_.str();
    EXPECT_EQ(out_.str(), "Printouts written to " + pdfs + ".\n");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(pdfs)) {
        names.push_back(entry.path().filename().string());
    }
    ASSERT_EQ(names.size(), 2u);
    for (const auto& name : names) {
        EXPECT_TRUE(name.starts_with("Hand record ") || name.starts_with("Deal sheets ")) << name;
        EXPECT_TRUE(name.ends_with(".pdf")) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(settings_));

    EXPECT_EQ(Run({"--generate", "3", "--print"}), 1);  // all counts 0
    EXPECT_NE(err_.str().find("Nothing to print."), std::string::npos);
    EXPECT_EQ(Run({"--print", "--copies", "1"}), 1);
    EXPECT_NE(err_.str().find("There are no deals to print"), std::string::npos);
}

// Board 1 (dealer North, none vulnerable) and board 2 (dealer East, North-South vulnerable)
// hold the solver's first and second published examples: their tables and par as published.
TEST_F(BatchTest, AnalyseListsEachBoardsTricksAndParAfterTheDealRecords) {
    const tBoardSet boards = {DealOf(kPublished1), DealOf(kPublished2)};
    ASSERT_TRUE(WriteOwnDealFile(Path("two.kst"), boards, "", "", DealSource::Record).Ok());
    const std::string analysis =
        "[Board \"1\"]|[DoubleDummyTricks \"65657656576867568675\"]|"
        "[OptimumScore \"NS -110\"]|[ParContract \"EW 2S\"]\n"
        "[Board \"2\"]|[DoubleDummyTricks \"94a8694a863923739237\"]|"
        "[OptimumScore \"NS 100\"]|[ParContract \"EW 4SX\"]\n";

    ASSERT_EQ(Run({"--read", Path("two.kst"), "--analyse"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), analysis);
    EXPECT_EQ(err_.str(), "");

    // The option's place on the command line does not matter: the list comes first.
    ASSERT_EQ(Run({"--analyse", "--read", Path("two.kst"), "--list"}), 0) << err_.str();
    EXPECT_EQ(out_.str(),
              DealRecord(1, boards[0]) + "\n" + DealRecord(2, boards[1]) + "\n" + analysis);
}

// Standard output that takes nothing, as /dev/full.
class FullOutput : public std::streambuf {
  protected:
    int_type overflow(int_type) override {
        errno = ENOSPC;
        return traits_type::eof();
    }
};

// A listing that cannot be written all is a failure, and the job ends there.
TEST_F(BatchTest, AListingThatCannotBeWrittenFailsWithTheSystemsReason) {
    const struct {
        std::vector<std::string> args;
        const char* what;
    } cases[] = {
        {{"--seed", "0", "--generate", "2", "--list", "--save", Path("x.kst")},
         "the list of deals"},
        {{"--seed", "0", "--generate", "2", "--analyse", "--save", Path("x.kst")},
         "the makeable contracts"},
    };
    for (const auto& c : cases) {
        FullOutput full;
        std::ostream out(&full);
        err_.str("");
        BatchServices services;
        services.settingsPath = settings_;
        EXPECT_EQ(RunBatch(c.args, out, err_, services), 1) << c.what;
        EXPECT_EQ(err_.str(), "kesto batch: Kesto could not write " + std::string(c.what) +
                                  " to standard output (" + std::strerror(ENOSPC) + ").\n");
        EXPECT_FALSE(std::filesystem::exists(Path("x.kst"))) << c.what;
    }
}

// --analyse, or the stored option, puts the table and par under each deal of the page; the
// par lines of the published examples from each par side's view.
TEST_F(BatchTest, AnalyseOrTheStoredOptionPutsTheMakeableContractsOnThePage) {
    const tBoardSet boards = {DealOf(kPublished1), DealOf(kPublished2)};
    ASSERT_TRUE(WriteOwnDealFile(Path("two.kst"), boards, "", "", DealSource::Record).Ok());
    ASSERT_EQ(Run({"--read", Path("two.kst"), "--html", Path("plain.htm")}), 0) << err_.str();
    const std::string plain = ReadWholeFile(Path("plain.htm")).value;
    EXPECT_EQ(plain.find("Par: "), std::string::npos);

    ASSERT_EQ(Run({"--read", Path("two.kst"), "--analyse", "--html", Path("page.htm")}), 0)
        << err_.str();
    const std::string page = ReadWholeFile(Path("page.htm")).value;
    EXPECT_NE(page.find(" EW, NS -110</TD>"), std::string::npos);     // 2S
    EXPECT_NE(page.find("X-1 EW, NS +100</TD>"), std::string::npos);  // 4SX

    PutSettings("\"ShowMakeableContracts\"=dword:00000001");
    ASSERT_EQ(Run({"--read", Path("two.kst"), "--html", Path("stored.htm")}), 0) << err_.str();
    EXPECT_EQ(ReadWholeFile(Path("stored.htm")).value, page);
    EXPECT_EQ(out_.str(), "");  // the listing needs --analyse
}

// The PBN file carries each board's analysis as the standard tags and table after Result, with
// --analyse or the stored option; without either it is the plain export file.
TEST_F(BatchTest, AnalyseOrTheStoredOptionPutsTheAnalysisTagsInThePbnFile) {
    const tBoardSet boards = {DealOf(kPublished1), DealOf(kPublished2)};
    ASSERT_TRUE(WriteOwnDealFile(Path("two.kst"), boards, "", "", DealSource::Record).Ok());
    ASSERT_EQ(Run({"--read", Path("two.kst"), "--save", Path("plain.pbn")}), 0) << err_.str();
    const std::string plain = ReadWholeFile(Path("plain.pbn")).value;
    EXPECT_EQ(plain.find("DoubleDummyTricks"), std::string::npos);

    ASSERT_EQ(Run({"--read", Path("two.kst"), "--analyse", "--save", Path("analysed.pbn")}), 0)
        << err_.str();
    const std::string analysed = ReadWholeFile(Path("analysed.pbn")).value;
    const std::string board2 =
        "W  C  7\r\n[OptimumScore \"NS 100\"]\r\n[ParContract \"EW 4SX\"]\r\n";
    EXPECT_TRUE(analysed.ends_with(board2)) << analysed;
    EXPECT_NE(analysed.find("[Result \"?\"]\r\n[DoubleDummyTricks \"65657656576867568675\"]\r\n"
                            "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\r\n"
                            "N NT  6\r\n"),
              std::string::npos)
        << analysed;
    // Read back (the date the file gives is no header line here), written again as it was.
    ASSERT_EQ(Run({"--read", Path("analysed.pbn"), "--header2", "", "--analyse", "--save",
                   Path("again.pbn")}),
              0);
    EXPECT_EQ(ReadWholeFile(Path("again.pbn")).value, analysed);

    PutSettings("\"ShowMakeableContracts\"=dword:00000001");
    ASSERT_EQ(Run({"--read", Path("two.kst"), "--save", Path("stored.pbn")}), 0) << err_.str();
    EXPECT_EQ(ReadWholeFile(Path("stored.pbn")).value, analysed);
}

// Whatever the solver does ends only its own process: the job fails saying what happened, and
// lists and writes nothing, with --analyse or the stored option.
TEST_F(BatchTest, ASolverThatStopsFailsTheJobAndWritesNothing) {
    const tBoardSet boards = {DealOf(kPublished1), DealOf(kPublished2)};
    ASSERT_TRUE(WriteOwnDealFile(Path("two.kst"), boards, "", "", DealSource::Record).Ok());
    PutSettings("\"ShowMakeableContracts\"=dword:00000001");
    const std::string exited = "it exited with status 1, saying \"Memory::GetPtr: 0 vs. 0\"";
    const struct {
        const char* behaviour;
        std::vector<std::string> args;
        std::string how;
    } cases[] = {
        {"exit", {"--analyse"}, exited},
        {"crash",
         {"--list", "--analyse", "--save", Path("a.pbn")},
         "it was ended by signal 6, Aborted"},
        {"exit",
         {"--list", "--save", Path("a.kst"), "--html", Path("a.htm"), "--print", "--copies", "1",
          "--output-folder", Path("pdf")},
         exited},
    };
    ::setenv("LD_LIBRARY_PATH", KESTO_SOLVER_DOUBLE_DIR, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        ::setenv("KESTO_SOLVER_DOUBLE", c.behaviour, 1);
        std::vector<std::string> args = {"--read", Path("two.kst")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(Run(args), 1);
        EXPECT_EQ(err_.str(),
                  "kesto batch: The makeable contracts could not be worked out: the solver "
                  "stopped (" +
                      c.how + ").\n");
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(scratch_.Entries(), (std::vector<std::string>{"Kesto.reg", "two.kst"}));
    }
    ::unsetenv("KESTO_SOLVER_DOUBLE");
    ::unsetenv("LD_LIBRARY_PATH");
}

// A PBN file's makeable contracts are checked, never passed on: every board is solved (the
// second of two boards of one deal too), the boards whose file tables differ are named, and
// what is listed and written is the solver's.
TEST_F(BatchTest, AFilesMakeableContractsAreCheckedAgainstTheSolvers) {
    const auto game = [](int board, const char* dealer, const char* vulnerable, const char* deal,
                         const std::string& tricks) {
        return "[Board \"" + std::to_string(board) + "\"]\r\n[Dealer \"" + dealer +
               "\"]\r\n[Vulnerable \"" + vulnerable + "\"]\r\n[Deal \"" + deal + "\"]\r\n" +
               tricks + "\r\n";
    };
    const std::string table = "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\r\n";
    const std::string file =
        "% PBN 2.1\r\n" +
        game(1, "N", "None", kPublished1, "[DoubleDummyTricks \"dddddddddddddddddddd\"]") +
        game(2, "E", "NS", kPublished1, "[DoubleDummyTricks \"65657656576867568675\"]") +
        game(3, "S", "EW", kPublished2, "[DoubleDummyTricks \"94a8694a863923739237\"]") +
        game(4, "W", "All", kPublished2, table + "N S 4\r\nS NT 13");
    ASSERT_TRUE(ReplaceFileAtomically(Path("file.pbn"), file).Ok());
    const tBoardSet boards = {DealOf(kPublished1), DealOf(kPublished1), DealOf(kPublished2),
                              DealOf(kPublished2)};
    ASSERT_TRUE(WriteOwnDealFile(Path("same.kst"), boards, "", "", DealSource::Record).Ok());
    ASSERT_EQ(Run({"--read", Path("same.kst"), "--analyse"}), 0) << err_.str();
    const std::string solvers = out_.str();

    ASSERT_EQ(Run({"--read", Path("file.pbn"), "--analyse", "--save", Path("again.pbn")}), 0);
    EXPECT_EQ(out_.str(), solvers);
    EXPECT_EQ(err_.str(),
              "kesto batch: The makeable contracts that the file gives for boards 1, 4 differ "
              "from the solver's; Kesto shows the solver's.\n");
    ASSERT_EQ(Run({"--read", Path("again.pbn"), "--analyse"}), 0);
    EXPECT_EQ(out_.str(), solvers);
    EXPECT_EQ(err_.str(), "");
    // Without the analysis a saved file has none.
    ASSERT_EQ(Run({"--read", Path("file.pbn"), "--save", Path("plain.pbn")}), 0);
    EXPECT_EQ(ReadWholeFile(Path("plain.pbn")).value.find("DoubleDummyTricks"), std::string::npos);
}

TEST_F(BatchTest, AnalyseWithoutBoardsListsNothing) {
    EXPECT_EQ(Run({"--analyse"}), 0);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(), "");
}

}  // namespace
}  // namespace kesto::test
