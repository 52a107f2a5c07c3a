// Debian's dealer as the oracle for dealer scripts: given a deal's four hands as predeal and a
// script's condition, dealer produces the deal or not. Every board Kesto deals from a script
// must be one dealer produces, seen from the script's seats; and on random deals Kesto's
// reading of each condition must agree with dealer's, deal by deal.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/plan/plan_dealing.h"
#include "kesto/plan/plan_reader.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

struct OracleScript {
    const char* name;
    Seat dealer;          // the script's "dealer"
    const char* predeal;  // its predeal commands, which the oracle replaces by the whole deal
    const char* rest;     // its definitions, pointcount and condition
};

// Scripts that use every part of the language Kesto reads.
constexpr OracleScript kScripts[] = {
    {"1NT and responder's points", Seat::North, "",
     "condition hcp(north) >= 15 && hcp(north) <= 17 && "
     "shape(north, any 4333 + any 4432 + any 5332) && hcp(south) >= 8\n"},
    {"weak two by east", Seat::East, "",
     "weak = hcp(east) >= 5 and hcp(east) <= 10\n"
     "condition weak and hearts(east) == 6 and shape(east, any 6xxx - any 65xx - any 64xx)\n"},
    {"losers and controls", Seat::West, "",
     "condition loser(west) <= 7 && losers(east, hearts) + control(east) >= 3 && "
     "controls(west, spades) >= 1\n"},
    {"arithmetic, comparisons and choices", Seat::South, "",
     "x = hcp(south) * 2 + spades(south) / 2 - hcp(north) % 3\n"
     "condition (x >= 20) == (hcp(east) > 5 ? 1 : 0) || !(hcp(west) < 3) && x != 7\n"},
    {"cards predealt and required", Seat::South, "predeal south SAKQ, HA\n",
     "condition hascard(north, KD) && hcp(north) >= 10 || hascard(west, 2C)\n"},
    {"a point scale of its own", Seat::North, "",
     "pointcount 6 4 2 1\ncondition hcps(north) >= 16 && hcp(south, clubs) >= 3\n"},
    {"a play problem", Seat::West,
     "predeal north SAQ5, HJ9876, D72, CK43\npredeal south SK432, HAQT, DK43, CQ52\n",
     "condition hcp(west) >= 11 && spades(west) >= 5\n"},
};

std::string HandText(const tHand& hand) {
    std::string text;
    for (const Suit suit : kAllSuits) {
        text += (suit == Suit::Spades ? "" : ".") + SuitText(hand.Holding(suit), "T");
    }
    return text;
}

// The script's seat that sits in the board's seat when the seats turn to the board's dealer.
Seat ScriptSeat(Seat boardSeat, Seat boardDealer, Seat scriptDealer) {
    return static_cast<Seat>((static_cast<int>(boardSeat) - static_cast<int>(boardDealer) +
                              static_cast<int>(scriptDealer) + 4) %
                             4);
}

class DealerOracle {
  public:
    DealerOracle() : program_(FindProgram("dealer", {"/usr/games"})) {}

    bool Present() const { return !program_.empty(); }

    // dealer's printoneline of the deal, seen from the script's seats ("n A74.AT83... e ...
    // s ... w ..."), when it meets the condition; "" when it does not.
    std::string Produces(const std::string& condition, const std::array<tHand, 4>& hands) {
        std::string script = "generate 1\nproduce 1\npredeal";
        constexpr const char* kSeatWords[] = {"north", "east", "south", "west"};
        for (const Seat seat : kClockwise) {
            script += std::string(" ") + kSeatWords[static_cast<int>(seat)];
            const tHand& hand = hands[static_cast<std::size_t>(seat)];
            for (const Suit suit : kAllSuits) {
                script += std::string(suit == Suit::Spades ? " " : ", ") +
                          "SHDC"[static_cast<int>(suit)] + SuitText(hand.Holding(suit), "T");
            }
        }
        script += "\n" + condition + "action printoneline\n";
        const std::string path = folder_.Path("oracle.dl");
        std::ofstream(path, std::ios::binary) << script;
        const ChildRun run = RunChildProgram({program_, path}, std::chrono::seconds(20));
        EXPECT_TRUE(run.Succeeded()) << script << run.errors;
        const std::size_t deal = run.output.find("n ");
        return deal == 0 ? run.output.substr(0, run.output.find(" \n")) : "";
    }

  private:
    std::string program_;
    ScratchFolder folder_;
};

std::string OneLine(const std::array<tHand, 4>& hands) {
    return "n " + HandText(hands[0]) + " e " + HandText(hands[1]) + " s " + HandText(hands[2]) +
           " w " + HandText(hands[3]);
}

TEST(DealerOracleTest, BoardsDealtFromAScriptAreDealsDealerProducesFromItsSeats) {
    DealerOracle dealer;
    if (!dealer.Present()) {
        GTEST_SKIP() << "Debian's dealer is not installed (scripts/install-deps.sh installs it)";
    }
    for (const OracleScript& script : kScripts) {
        SCOPED_TRACE(script.name);
        constexpr const char* kDealerWords[] = {"north", "east", "south", "west"};
        const std::string text = std::string("dealer ") +
                                 kDealerWords[static_cast<int>(script.dealer)] + "\n" +
                                 script.predeal + script.rest;
        const PlanReading read = ReadPlan(text);
        ASSERT_FALSE(read.error) << PlanErrorText(*read.error);
        RandomGenerator random(3);
        GeneratingRun run(random);
        tBoardSet boards;
        const PlanDealing dealt = DealToPlan(boards, read.plan, {.dealsAsked = 6}, run);
        ASSERT_TRUE(dealt.status.Ok()) << dealt.status.Reason();
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const Seat boardDealer = BoardDealer(static_cast<int>(i) + 1);
            std::array<tHand, 4> seen;  // by the script's seat
            for (const Seat seat : kClockwise) {
                seen[static_cast<std::size_t>(ScriptSeat(seat, boardDealer, script.dealer))] =
                    boards[i].Hand(seat);
            }
            EXPECT_EQ(dealer.Produces(script.rest, seen), OneLine(seen)) << "board " << i + 1;
        }
    }
}

TEST(DealerOracleTest, KestoMeetsAConditionOnTheDealsDealerProducesFromIt) {
    DealerOracle dealer;
    if (!dealer.Present()) {
        GTEST_SKIP() << "Debian's dealer is not installed (scripts/install-deps.sh installs it)";
    }
    RandomGenerator random(17);
    tBoardSet deals;
    GenerateRandomDeals(deals, 16, random);
    int met = 0;
    for (const OracleScript& script : kScripts) {
        SCOPED_TRACE(script.name);
        const PlanReading read = ReadPlan(script.rest, {.seats = ScriptSeats::AsWritten});
        ASSERT_FALSE(read.error) << PlanErrorText(*read.error);
        const Condition& condition = read.plan.lines.front().condition;
        for (std::size_t i = 0; i < deals.size(); ++i) {
            const std::array<tHand, 4> hands = {deals[i].North, deals[i].East, deals[i].South,
                                                deals[i].West};
            const bool kesto = condition.Meets(FiguresOf(deals[i]), Seat::North);
            EXPECT_EQ(kesto, !dealer.Produces(script.rest, hands).empty()) << OneLine(hands);
            met += kesto ? 1 : 0;
        }
    }
    // Both answers came up, or the comparison would prove little.
    EXPECT_GT(met, 5);
    EXPECT_LT(met, 16 * static_cast<int>(std::size(kScripts)) - 5);
}

}  // namespace
}  // namespace kesto::test
