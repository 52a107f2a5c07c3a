#include <gtest/gtest.h>

#include <fstream>

#include "kesto/plan/plan_file.h"
#include "kesto/plan/plan_reader.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/seed_zero.h"

namespace kesto::test {
namespace {

// Board 1 of the classic generator's first run from RandomState 0.
tDeal WorkedDeal() {
    return DealOf(kBoard1North, kBoard1East, kBoard1South, kBoard1West);
}

// Each line as "text line number, count (* for none), whether the worked deal meets it as
// boards 1 to 4", the boards whose dealers are North, East, South and West, then its fixed
// cards on board 1 ("fixed N:SA S:HQ") and a dealer script's produce, where there are any.
std::string Reading(const Plan& plan) {
    std::string reading;
    for (const PlanLine& line : plan.lines) {
        reading += (reading.empty() ? "" : "; ") + std::to_string(line.lineNumber) + " " +
                   (line.count ? std::to_string(*line.count) : "*") + " ";
        for (int board = 1; board <= 4; ++board) {
            reading +=
                line.condition.Meets(FiguresOf(WorkedDeal()), BoardDealer(board)) ? '1' : '0';
        }
        reading += line.fixedCards.empty() ? "" : " fixed";
        for (const FixedCard& card : line.fixedCards) {
            tSuitSet holding = 0;
            holding |= RankBit(card.rank);
            reading += std::string(" ") + SeatLetter(SeatOf(card.seat, Seat::North)) + ":" +
                       "SHDC"[static_cast<int>(card.suit)] + SuitText(holding, "T");
        }
    }
    return reading + (plan.produce ? " produce " + std::to_string(*plan.produce) : "");
}

TEST(PlanReaderTest, PlansReadAsWritten) {
    const struct {
        const char* text;
        const char* reading;
    } cases[] = {
        {"hcp(dealer) 15-17 and balanced(dealer)", "1 * 1000"},
        {"HCP(north) > 15 or Hcp(N) < 15", "1 * 0000"},
        {"hcp(lho) = 12", "1 * 1000"},
        {"hcp(partner) + hcp(dealer) = 26", "1 * 1010"},
        {"hcp(rho)<5", "1 * 1000"},
        {"hcp(West) = 2 and hcp(e) = 12 and hcp(SOUTH) = 11 and hcp(n) = 15", "1 * 1111"},
        {"12 <= hcp(dealer)", "1 * 1100"},
        {"hcp(dealer) <> 12", "1 * 1011"},
        {"controls(dealer) >= 3", "1 * 1110"},
        {"clubs(dealer) - hearts(dealer) >= 3", "1 * 0100"},
        // not binds tightest, then and, then or.
        {"not balanced(dealer) or hcp(dealer) = 15 and spades(dealer) = 3", "1 * 1110"},
        {"not (balanced(dealer) or hcp(dealer) = 15) and spades(dealer) = 3", "1 * 0010"},
        {"not not balanced(dealer)", "1 * 1001"},
        {"semibalanced(dealer)", "1 * 1101"},
        {"shape(dealer) = 3433", "1 * 1000"},
        {"shape(dealer) = any 4333", "1 * 1001"},
        {"shape(dealer) = xx5X", "1 * 0010"},
        {"shape(dealer)=ANY 5xx1", "1 * 0010"},
        {"\t 2 : spades(S)=3 or diamonds(s) 5-13\r\n", "1 2 1111"},
        // A range with the en dash of a word processor (Windows-1252).
        {"hcp(dealer) 15\x96"
         "17 and balanced(dealer)",
         "1 * 1000"},
        {"hcp(N) >= 20 - hcp(S) and hcp(E) > 3-2+1", "1 * 1111"},
        {"8: hcp(dealer) 15-17 and balanced(dealer)\n\n4: hearts(dealer) >= 4\n \n",
         "1 8 1000; 3 4 1010"},
        // One suit's points and controls, and the losing-trick count as dealer counts it.
        {"hcp(dealer, spades) = 4 and controls(dealer, Hearts) = 2", "1 * 1000"},
        {"losers(dealer) = 6 and losers(dealer, club) = 1", "1 * 0110"},
        {"losers(W) = 12 and losers(N, diamonds) + losers(E, hearts) = 4", "1 * 1111"},
        // A card, suit then rank: joined by "and" it is fixed; under "or" or "not" a test.
        {"hascard(N, SA) and hcp(N) > 10 and HasCard(partner, hk)", "1 * 1000 fixed N:SA S:HK"},
        {"hascard(dealer, SA) or hascard(dealer, st)", "1 * 1010"},
        {"not hascard(rho, C2) and (hascard(N, DK) and hascard(n, d5))",
         "1 * 0111 fixed N:DK N:D5"},
    };
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.text);
        ASSERT_FALSE(read.error) << c.text << ": " << PlanErrorText(*read.error);
        EXPECT_EQ(Reading(read.plan), c.reading) << c.text;
    }
}

TEST(PlanReaderTest, BrokenPlansSayWhereAndWhatWasExpected) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {" \n",
         "Line 1, column 1: a line such as 8: hcp(dealer) 15-17 and balanced(dealer) was "
         "expected; the plan is empty."},
        {"8: hcp(dealer) 15-17\n4: semibalanced()",
         "Line 2, column 17: a seat (N, E, S, W, dealer, lho, partner, rho) was expected."},
        {"hcp(N) 17-15",
         "Line 1, column 8: the range 17-15 is empty; the lower end comes first, as in 15-17."},
        {"0: balanced(N)", "Line 1, column 1: a count from 1 to 500 was expected."},
        {"400: balanced(N)\n101: balanced(S)",
         "Line 2, column 1: a count that keeps the plan at 500 boards or fewer was expected; the "
         "counts up to here add up to 501."},
        {"balanced(N)\n4: balanced(S)",
         "Line 1, column 1: a count (such as 8: before the condition) was expected; only a plan "
         "of one line may leave out its count."},
        {"4: balanced(N)\n balanced(S)",
         "Line 2, column 2: a count (such as 8: before the "
         "condition) was expected; only a plan of one line may "
         "leave out its count."},
        {"shape(N) = 5432",
         "Line 1, column 12: a shape whose lengths add up to 13 was expected; 5432 adds up to 14."},
        {"shape(N)=any 66x4",
         "Line 1, column 14: a shape whose lengths add up to at most 13 was "
         "expected; 66x4 adds up to 16."},
        {"shape(N) = 543",
         "Line 1, column 12: a shape of four lengths in the order spades, "
         "hearts, diamonds, clubs (such as 5431 or 5xxx) was expected."},
        {"hpc(N) > 10",
         "Line 1, column 1: \"hpc\" is not a known word; a test (such as hcp(N) "
         ">= 12, balanced(S), shape(E) = 5431 or hascard(W, SA)) was expected."},
        {"(hcp(N) > 10", "Line 1, column 13: \")\" was expected to close the \"(\" of column 1."},
        {"hcp(N) > 10 hcp(S) > 5",
         "Line 1, column 13: \"and\", \"or\" or the end of the line was expected."},
        {"(balanced(N) x)", "Line 1, column 14: \"and\", \"or\" or \")\" was expected."},
        {"hcp(N) 15", "Line 1, column 10: a range (such as 15-17) was expected."},
        {"3: hcp(N) 16-18\n2: hcp(N) = 15-17",
         "Line 2, column 11: a range takes no comparison sign before it; write hcp(N) 15-17."},
        {"hcp(dealer) + hcp(partner) >=31 \x96 33",
         "Line 1, column 28: a range takes no comparison sign before it; write hcp(dealer) + "
         "hcp(partner) 31 \x96 33."},
        {"1: 15-17 balanced",
         "Line 1, column 4: the range 15-17 needs the value it limits and its seat before it; "
         "write hcp(dealer) 15-17 and balanced(dealer)."},
        {"15 - 17 and balanced(N)",
         "Line 1, column 1: the range 15 - 17 needs the value it limits and its seat before it; "
         "write hcp(dealer) 15 - 17."},
        {"hcp(N) 15-",
         "Line 1, column 11: the upper end of the range (a whole number) was expected."},
        {"hcp(N) == 12",
         "Line 1, column 9: a value (a whole number, hcp, controls, losers, spades, "
         "hearts, diamonds or clubs) was expected."},
        {"hcp(N, hearts, S) > 3", "Line 1, column 14: \")\" was expected."},
        {"spades(N, hearts) > 3", "Line 1, column 9: \")\" was expected."},
        {"losers(N, notrump) < 3",
         "Line 1, column 11: \"notrump\" is not a known word; a suit (spades, hearts, diamonds or "
         "clubs) was expected."},
        {"hascard(N, AS)",
         "Line 1, column 12: a card, suit then rank (such as SA, HT or C9), was "
         "expected."},
        {"2: hascard(N, SA) and hascard(S, SA)",
         "Line 1: the ace of spades is fixed to both N and S."},
        {"2: hascard(dealer, HK) and hascard(E, HK)",
         "Line 1: the king of hearts is fixed to both dealer and E."},
        {"5: script",
         "Line 1, column 10: the name of a file that holds a dealer script was "
         "expected."},
        {"hcp N > 3", "Line 1, column 5: \"(\" was expected."},
        {"hcp(N > 3", "Line 1, column 7: \")\" was expected."},
        {"shape(N) 5431", "Line 1, column 10: \"=\" was expected, as in shape(N) = 5431."},
        {"hcp(N) > 1000", "Line 1, column 10: a whole number up to 999 was expected."},
        {"(((((((((((((((((balanced(N)))))))))))))))))",
         "Line 1, column 17: at most 16 parentheses open at once were expected."},
        {"hcp(N) = 12 and",
         "Line 1, column 16: a test (such as hcp(N) >= 12, balanced(S), "
         "shape(E) = 5431 or hascard(W, SA)) was expected."},
    };
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.text);
        ASSERT_TRUE(read.error) << c.text;
        EXPECT_EQ(PlanErrorText(*read.error), c.message) << c.text;
        EXPECT_TRUE(read.plan.lines.empty()) << c.text;
    }
}

// Dealer scripts as Debian's dealer reads them; unless a case says otherwise, the seats turn
// to each board's dealer from the script's dealer (north when it names none).
TEST(PlanReaderTest, DealerScriptsReadAsDealerReadsThem) {
    const struct {
        const char* script;
        const char* reading;
        ScriptSeats seats = ScriptSeats::Turned;
    } cases[] = {
        {"condition hcp(north) == 15", "1 * 1000"},
        {"dealer east\ncondition hcp(east) == 12", "2 * 0100"},
        {"dealer east\ncondition hcp(east) == 12", "2 * 1111", ScriptSeats::AsWritten},
        // Comments of three kinds, a bare condition, the first produce and the last condition.
        {"# teaching set 3\n/* responder\n   with points */ produce 12 produce 9\n"
         "condition hcp(north) > 30\nhcp(south) >= 11 // partner of the opener",
         "5 * 1011 produce 12"},
        // Singular and plural words, one suit's figures, losers counted as dealer counts them.
        {"condition hcps(north) + controls(north) + control(north, spades) + loser(north) + "
         "losers(north, hearts) + hcp(north, club) == 15 + 6 + 2 + 8 + 2 + 3",
         "1 * 1000"},
        // C's precedence: "not" binds tightest, so not spades(north) > 4 is (not 3) > 4.
        {"opener = hcp(north) >= 12 and not spades(north) > 4\ncondition opener", "2 * 0000"},
        {"opener = hcp(north) >= 12 && !(spades(north) > 4)\n"
         "strong = opener && hcp(north) * 2 / 3 == 10\ncondition strong ? 1 : 0",
         "3 * 1000"},
        {"condition hcp(north) > 14 ? spades(north) == 4 : hcp(north) > 11 ? 1 : 0", "1 * 0100"},
        {"condition -7 / 2 == -3 && -7 % 3 == -1 && 7 / 0 == 0 && hcp(north) - -1 == 16 && "
         "hcp(north) * 100 + 1234 == 2734",
         "1 * 1000"},
        // Shapes joined by + (or nothing), taken away by -, x any length, any in any order.
        {"condition shape(north, any 4333 + 5xxx - 3433)", "1 * 0001"},
        {"condition shape(north, 4333 3433) or shape(north, any 0xxx)", "1 * 1000"},
        // Cards, rank then suit; predealt cards turn with the seats.
        {"condition hascard(north, AS) && hascard(south, KH)", "1 * 1000 fixed N:SA S:HK"},
        {"dealer south\npredeal south SA, HKQ north D\ncondition 1",
         "3 * 1111 fixed N:SA N:HK N:HQ"},
        {"predeal south SA, HKQ\npredeal north D", "1 * 1111 fixed S:SA S:HK S:HQ",
         ScriptSeats::AsWritten},
        {"predeal spades(north) == 3\ncondition hcp(north) > 10", "2 * 1010"},
        // Points of the script's own scale: ace, king, queen, jack one each.
        {"pointcount 1 1 1 1\ncondition hcp(north) == 5 && hcp(north, hearts) == 1", "2 * 1100"},
        // Actions that only print, the vulnerability and generate are read and left.
        {"vulnerable EW generate 1000\ncondition hcp(north) > 10\naction printall, "
         "printoneline(hcp(north)), printes(\"points \", hcp(north), \\n), print(north, south)",
         "2 * 1110"},
        {"produce 3", "1 * 1111 produce 3"},
    };
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.script, {.seats = c.seats});
        ASSERT_FALSE(read.error) << c.script << ": " << PlanErrorText(*read.error);
        EXPECT_EQ(Reading(read.plan), c.reading) << c.script;
        EXPECT_TRUE(read.plan.HoldsScript()) << c.script;
    }
}

TEST(PlanReaderTest, BrokenOrRefusedScriptsSayWhere) {
    std::string explosive = "a0 = hcp(north)\n";
    for (int i = 1; i <= 16; ++i) {
        explosive += "a" + std::to_string(i) + " = a" + std::to_string(i - 1) + " + a" +
                     std::to_string(i - 1) + "\n";
    }
    const struct {
        std::string script;
        const char* message;
    } cases[] = {
        {"produce 10\ncondition tricks(north, spades) >= 10",
         "Line 2: Kesto does not deal to \"tricks\" (double-dummy tricks during dealing)."},
        {"condition 1\naction average hcp(north)",
         "Line 2: Kesto does not deal to \"average\" (averages over the deals produced)."},
        {"condition 1\naltcount 1 4 3",
         "Line 2: Kesto does not deal to \"altcount\" (point "
         "counts of a script's own beside hcp)."},
        {"condition tens(north) > 1",
         "Line 1: Kesto does not deal to \"tens\" (the alternative count pt0, tens)."},
        {"condition hcp(N) > 10",
         "Line 1, column 15: a seat (north, east, south or west, in small letters) was expected."},
        {"condition hascard(north, SA)",
         "Line 1, column 26: a card, rank then suit (such as AS or TC), was expected."},
        {"opener = 1\nopener = 2",
         "Line 2, column 1: \"opener\" is already defined on line 1; a script defines each name "
         "once."},
        {"condition strong\nstrong = 1",
         "Line 1, column 11: \"strong\" is not defined; a definition such as strong = "
         "hcp(north) >= 12 must come before it is used."},
        {"produce 501",
         "Line 1, column 9: a number of boards from 1 to 500 was expected after "
         "produce."},
        {"predeal north SA\npredeal south SA",
         "Line 2, column 15: the ace of spades is predealt twice."},
        {"predeal north SA\ncondition hascard(east, AS)",
         "Line 2: the ace of spades is fixed to both north and east."},
        {"condition shape(north, 5432)",
         "Line 1, column 24: a shape whose lengths add up to 13 was expected; 5432 adds up to 14."},
        {"condition 1 /* never closed",
         "Line 1, column 13: the comment begun here was expected to end with */."},
        {"produce 10\n  # an indented hash is no comment",
         "Line 2, column 3: a command (condition, produce, dealer, predeal, vulnerable, "
         "generate, pointcount, action) or a definition such as opener = hcp(north) >= 12 was "
         "expected."},
        {"condition hcp(north) > 10 ? 1",
         "Line 1, column 30: \":\" was expected to go with the "
         "\"?\" of line 1, column 27."},
        {"vulnerable both\ncondition 1", "Line 1, column 12: none, NS, EW or all was expected."},
        {"predeal north SAKQJT98765432, HA",
         "Line 1, column 31: more than 13 cards are predealt to north."},
        {"condition 1\npointcount 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
         "Line 2, column 38: at most 13 points, for the ace down to the two, were expected."},
        {"condition " + std::string(70, '(') + "1" + std::string(70, ')'),
         "Line 1, column 75: an expression nested at most 64 deep was expected."},
        {explosive + "condition a16 > 0",
         "Line 18, column 1: a condition of at most 20000 steps, with its definitions in place, "
         "was expected."},
    };
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.script);
        ASSERT_TRUE(read.error) << c.script;
        EXPECT_EQ(PlanErrorText(*read.error), c.message) << c.script;
        EXPECT_TRUE(read.plan.lines.empty()) << c.script;
    }
}

// "count: script FILE" lines take a script file beside the plan; its faults name their place in
// the file.
TEST(PlanReaderTest, ScriptLinesReadTheirFilesBesideThePlan) {
    ScratchFolder folder;
    std::ofstream(folder.Path("1nt.dl")) << "# responder\ndealer south\nproduce 7\n"
                                            "condition hcp(south) >= 15 && hcp(north) >= 11\n";
    std::ofstream(folder.Path("tricks.dl")) << "produce 2\n\ncondition tricks(north, notrumps) > 9";
    std::ofstream(folder.Path("broken.dl")) << "condition hcp(south) >=";
    const std::string inFolder = folder.Folder().string() + "/";
    const struct {
        const char* plan;
        const char* reading;  // or the message
    } cases[] = {
        {"6: script 1nt.dl\n2: hcp(dealer) > 20", "1 6 1000; 2 2 0000"},
        {"script \"1nt.dl\"", "1 * 1000 produce 7"},
        {"4: hcp(N) > 3\n3: script tricks.dl",
         "Line 2: in tricks.dl, line 3: Kesto does not deal to \"tricks\" (double-dummy tricks "
         "during dealing)."},
        {"3: script broken.dl",
         "Line 1, column 11: in broken.dl, line 1, column 24: a value (a number, a defined name, "
         "hcp(north), spades(north), controls(north), losers(north), shape(north, any 4333) or "
         "hascard(north, AS)) was expected."},
    };
    for (const auto& c : cases) {
        const PlanReading read = ReadPlan(c.plan, {.readScript = ScriptFilesIn(inFolder)});
        EXPECT_EQ(read.error ? PlanErrorText(*read.error) : Reading(read.plan), c.reading)
            << c.plan;
    }
    const PlanReading missing =
        ReadPlan("2: script gone.dl", {.readScript = ScriptFilesIn(inFolder)});
    ASSERT_TRUE(missing.error);
    EXPECT_TRUE(PlanErrorText(*missing.error)
                    .starts_with("Line 1, column 11: the script gone.dl cannot be read: "))
        << PlanErrorText(*missing.error);
}

}  // namespace
}  // namespace kesto::test
