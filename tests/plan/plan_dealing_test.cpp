#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/deal/secure_random.h"
#include "kesto/plan/plan_dealing.h"
#include "kesto/plan/plan_reader.h"

namespace kesto::test {
namespace {

Plan PlanOf(std::string_view text) {
    PlanReading read = ReadPlan(text);
    EXPECT_FALSE(read.error) << PlanErrorText(*read.error);
    return std::move(read.plan);
}

// Lines no deal meets twice (the dealer's points tell them apart), with seats named both ways.
constexpr std::string_view kThreeThemes =
    "5: hcp(dealer) >= 15 and balanced(dealer)\n"
    "3: hcp(dealer) <= 6 and hearts(N) >= 4\n"
    "4: hcp(dealer) 8-12 and spades(lho) >= 4\n";

TEST(PlanDealingTest, EveryBoardMeetsItsLineAndEachLineGetsItsCount) {
    const Plan plan = PlanOf(kThreeThemes);
    for (const bool secure : {false, true}) {
        for (const bool mix : {false, true}) {
            SCOPED_TRACE(std::string(secure ? "secure" : "classic") + (mix ? ", mixed" : ""));
            RandomGenerator random(11);
            SecureRandom secureRandom;
            GeneratingRun run = secure ? GeneratingRun(secureRandom) : GeneratingRun(random);
            tBoardSet boards;
            const PlanDealingOptions options{.mix = mix};
            const PlanDealing dealt = DealToPlan(boards, plan, options, run);
            ASSERT_TRUE(dealt.status.Ok()) << dealt.status.Reason();
            ASSERT_EQ(boards.size(), 12u);
            ASSERT_EQ(dealt.lineOfBoard.size(), 12u);
            std::vector<int> met(plan.lines.size(), 0);
            for (std::size_t i = 0; i < boards.size(); ++i) {
                for (std::size_t line = 0; line < plan.lines.size(); ++line) {
                    const bool meets = plan.lines[line].condition.Meets(
                        FiguresOf(boards[i]), BoardDealer(static_cast<int>(i) + 1));
                    EXPECT_EQ(meets, dealt.lineOfBoard[i] == static_cast<int>(line))
                        << "board " << i + 1 << ", line " << line + 1;
                    met[line] += meets ? 1 : 0;
                }
            }
            EXPECT_EQ(met, (std::vector<int>{5, 3, 4}));
            const bool inOrder = std::is_sorted(dealt.lineOfBoard.begin(), dealt.lineOfBoard.end());
            if (!secure) {
                EXPECT_EQ(inOrder, !mix);
                RandomGenerator again(11);
                GeneratingRun rerun(again);
                tBoardSet repeated;
                DealToPlan(repeated, plan, options, rerun);
                EXPECT_EQ(repeated, boards) << "the same seed and plan gave other boards";
            } else if (!mix) {
                EXPECT_TRUE(inOrder);
            }
        }
    }
}

TEST(PlanDealingTest, APlanEveryDealMeetsDealsAsTheGeneratingRun) {
    RandomGenerator planned(0);
    RandomGenerator generated(0);
    GeneratingRun run(planned);
    tBoardSet planBoards;
    tBoardSet runBoards;
    DealToPlan(planBoards, PlanOf("hcp(N) >= 0"), {.dealsAsked = 5}, run);
    GenerateRandomDeals(runBoards, 5, generated);
    EXPECT_EQ(planBoards, runBoards);
    EXPECT_EQ(planned.RandomState, generated.RandomState);
}

TEST(PlanDealingTest, ARunThatEndsEarlyLeavesTheBoardSetAlone) {
    PlanProgress lastReport;
    const PlanProgressReport cancelAtOnce = [&lastReport](const PlanProgress& progress) {
        lastReport = progress;
        return false;
    };
    const auto noEntropy = [](std::span<std::uint8_t>) {
        return Status::Unreadable("no entropy", ENOSYS);
    };
    // A clock one second on at every look, and a line whose check of one deal takes more
    // condition steps than pass between two looks: the clock is read before every deal.
    const auto ticking = [seconds = 0]() mutable {
        return std::chrono::steady_clock::time_point(std::chrono::seconds(seconds++));
    };
    std::string costly = "1: hcp(N) = 37";
    for (std::uint64_t test = 0; test < kClockInterval / 4; ++test) {
        costly += " or hcp(N) = 37";  // four steps each
    }
    ASSERT_GE(PlanOf(costly).lines[0].condition.StepCount(), kClockInterval);
    const struct {
        std::string plan;
        PlanDealingOptions options;
        bool failingSource;
        bool (Status::*kind)() const;
        const char* reason;
    } cases[] = {
        {"2: hcp(N) >= 0\n12: hcp(dealer) >= 23",
         {.maxDeals = 500},
         false,
         &Status::IsTooRare,
         "Only 3 of the 12 boards met line 2 after 500 deals; no boards were dealt."},
        {"\n1: hcp(N) = 37",
         {.maxDeals = 1000},
         false,
         &Status::IsTooRare,
         "No deal met line 2 after 1,000 deals; no boards were dealt."},
        {"1: hcp(N) >= 0",
         {.maxTime = std::chrono::milliseconds(0)},
         false,
         &Status::IsTooRare,
         "No deal met line 1 after 0 seconds (0 deals); no boards were dealt."},
        {costly,
         {.now = ticking},
         false,
         &Status::IsTooRare,
         "No deal met line 1 after 60 seconds (59 deals); no boards were dealt."},
        {"4: hcp(N) >= 21 and hcp(dealer) >= 20",
         {},
         false,
         &Status::IsTooRare,
         "No deal can meet line 1 with East dealing, as on board 2; no boards were dealt."},
        // A dealer script, dealt in streams.
        {"condition hcp(north) == 37",
         {.dealsAsked = 8, .maxDeals = 1000},
         false,
         &Status::IsTooRare,
         "No deal met line 1 after 1,000 deals; no boards were dealt."},
        {"condition hcp(north) == 37",
         {.dealsAsked = 8, .progress = cancelAtOnce},
         false,
         &Status::IsCancelled,
         "Cancelled."},
        {"produce 2", {.dealsAsked = 8}, true, &Status::IsUnreadable, "no entropy"},
        {"3: hcp(N) >= 0", {.progress = cancelAtOnce}, false, &Status::IsCancelled, "Cancelled."},
        // The source's own status, its error number too.
        {"3: hcp(N) >= 0", {}, true, &Status::IsUnreadable, "no entropy"},
    };
    for (const auto& c : cases) {
        tBoardSet boards(1);
        boards[0].North.spades = RankBit(kAce);
        const tBoardSet before = boards;
        RandomGenerator random(5);
        SecureRandom failing(noEntropy);
        GeneratingRun run = c.failingSource ? GeneratingRun(failing) : GeneratingRun(random);
        const PlanDealing dealt = DealToPlan(boards, PlanOf(c.plan), c.options, run);
        const std::string name = c.plan.substr(0, 40);
        EXPECT_TRUE((dealt.status.*c.kind)()) << name;
        EXPECT_EQ(dealt.status.Reason(), c.reason) << name;
        EXPECT_EQ(dealt.status.SystemError(), c.failingSource ? ENOSYS : 0) << name;
        EXPECT_EQ(boards, before) << name;
        EXPECT_TRUE(dealt.lineOfBoard.empty()) << name;
    }
    EXPECT_EQ(lastReport.boardsMade, 1);
    EXPECT_EQ(lastReport.boardsWanted, 3);
    EXPECT_EQ(lastReport.dealsTried, 1u);
}

// Cards a line fixes are in their seats on every board, the seats named by each board's dealer,
// and a dealer script's predealt hands turn with its seats; the rest is dealt at once.
TEST(PlanDealingTest, FixedCardsAreInTheirSeatsOnEveryBoard) {
    const struct {
        const char* plan;
        std::vector<std::pair<SeatName, const char*>> hands;  // the cards each seat holds
    } cases[] = {
        {"3: hascard(dealer, SA) and hascard(partner, hk) and hcp(dealer) >= 12\n"
         "2: hascard(N, CQ) and not hascard(S, CA)",
         {}},
        {"dealer west\npredeal north SAQ5, HJ9876, D72, CK43\n"
         "predeal south SK432, HAQT, DK43, CQ52\ncondition hcp(west) >= 11 && spades(west) >= 5",
         {{SeatName::Lho, "AQ5.J9876.72.K43"}, {SeatName::Rho, "K432.AQT.K43.Q52"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plan);
        const Plan plan = PlanOf(c.plan);
        RandomGenerator random(23);
        GeneratingRun run(random);
        tBoardSet boards;
        const PlanDealing dealt = DealToPlan(boards, plan, {.dealsAsked = 40}, run);
        ASSERT_TRUE(dealt.status.Ok()) << dealt.status.Reason();
        // A 26-card predeal: rejection would wait for ever; with the cards fixed, about 1 deal
        // in 100 meets the play problem's condition.
        EXPECT_LT(dealt.progress.dealsTried, 1000 * boards.size());
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const Seat dealer = BoardDealer(static_cast<int>(i) + 1);
            const PlanLine& line = plan.lines[static_cast<std::size_t>(dealt.lineOfBoard[i])];
            EXPECT_TRUE(line.condition.Meets(FiguresOf(boards[i]), dealer)) << "board " << i + 1;
            for (const FixedCard& card : line.fixedCards) {
                EXPECT_TRUE(boards[i].Hand(SeatOf(card.seat, dealer)).Holds(card.suit, card.rank))
                    << "board " << i + 1;
            }
            for (const auto& [seat, hand] : c.hands) {
                tHand expected;
                expected.ReadHandText(hand);
                EXPECT_EQ(boards[i].Hand(SeatOf(seat, dealer)), expected) << "board " << i + 1;
            }
        }
    }
}

// A plan that holds a dealer script deals in streams on several threads: a seed still gives the
// same boards, and the generator then stands where stream 0 ended.
TEST(PlanDealingTest, AScriptDealsTheSameBoardsForTheSameSeed) {
    const Plan script = PlanOf("dealer south\ncondition hcp(south) >= 16 && losers(south) <= 6");
    std::vector<tBoardSet> runs;
    std::vector<std::uint32_t> states;
    for (int round = 0; round < 2; ++round) {
        RandomGenerator random(11);
        GeneratingRun run(random);
        tBoardSet boards;
        const PlanDealing dealt = DealToPlan(boards, script, {.dealsAsked = 13}, run);
        ASSERT_TRUE(dealt.status.Ok()) << dealt.status.Reason();
        ASSERT_EQ(boards.size(), 13u);
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const tHand& dealerHand = boards[i].Hand(BoardDealer(static_cast<int>(i) + 1));
            EXPECT_GE(FiguresOf(dealerHand)[Figure::Hcp], 16) << "board " << i + 1;
        }
        runs.push_back(boards);
        states.push_back(random.RandomState);
    }
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(states[0], states[1]);
}

}  // namespace
}  // namespace kesto::test
