// The analyser: what it finds for each board, that it solves each deal once, in calls the
// solver takes, that it skips incomplete deals, stops when cancelled and reports a failure.

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "tests/analysis/analysis_test_deals.h"

namespace kesto::test {
namespace {

// Passes every call on to the real solver and counts them.
class CountingSolver : public DoubleDummySolver {
  public:
    StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) override {
        solved.insert(solved.end(), pbnDeals.begin(), pbnDeals.end());
        ++tableCalls;
        return TheDdsSolver().SolveTables(pbnDeals);
    }
    StatusOr<ParResult> Par(const TrickTable& table, Seat dealer,
                            std::string_view vulnerability) override {
        ++parCalls;
        return TheDdsSolver().Par(table, dealer, vulnerability);
    }

    std::vector<std::string> solved;
    int tableCalls = 0;
    int parCalls = 0;
};

// Answers at once without solving: 7 tricks everywhere, par a pass-out. Records the size of
// each call; optionally fails a call, or runs a step while a call is in progress.
class StandInSolver : public DoubleDummySolver {
  public:
    StatusOr<std::vector<TrickTable>> SolveTables(
        const std::vector<std::string>& pbnDeals) override {
        callSizes.push_back(pbnDeals.size());
        if (duringCall) {
            duringCall();
        }
        StatusOr<std::vector<TrickTable>> result;
        if (static_cast<int>(callSizes.size()) == failingCall) {
            result.status = Status::Failure("The double-dummy solver failed: Cards duplicated.");
            return result;
        }
        TrickTable sevens{};
        for (auto& seat : sevens) {
            seat.fill(7);
        }
        result.value.assign(pbnDeals.size(), sevens);
        return result;
    }
    StatusOr<ParResult> Par(const TrickTable&, Seat, std::string_view) override { return {}; }
    std::size_t Threads() override { return threads; }

    std::size_t threads = 1;
    std::vector<std::size_t> callSizes;
    int failingCall = 0;  // 1 for the first call; 0 for none
    std::function<void()> duringCall;
};

tBoardSet RandomBoards(int count) {
    RandomGenerator random(20);
    tBoardSet boards;
    GenerateRandomDeals(boards, count, random);
    return boards;
}

TEST(DealAnalyser, SecondAnalysisOfTheSameDealsSolvesNothing) {
    CountingSolver solver;
    DealAnalyser analyser(solver);
    const tBoardSet boards = {DealOf(kPublished1), DealOf(kPublished3)};
    ASSERT_TRUE(analyser.Analyse(boards).Ok());
    const auto first = analyser.Find(boards[0], 1);
    EXPECT_EQ(solver.tableCalls, 1);
    EXPECT_EQ(solver.parCalls, 2);

    int progressCalls = 0;
    ASSERT_TRUE(analyser
                    .Analyse(boards,
                             [&](std::size_t, std::size_t) {
                                 ++progressCalls;
                                 return true;
                             })
                    .Ok());
    EXPECT_EQ(solver.tableCalls, 1);
    EXPECT_EQ(solver.parCalls, 2);
    EXPECT_EQ(progressCalls, 0);
    EXPECT_EQ(analyser.Find(boards[0], 1), first);  // the very same analysis
}

TEST(DealAnalyser, SameCardsOnAnotherVulnerabilityNeedOnlyPar) {
    CountingSolver solver;
    DealAnalyser analyser(solver);
    const tDeal deal = DealOf(kPublished3);
    ASSERT_TRUE(analyser.Analyse({deal}).Ok());
    // Board 2 (North-South vulnerable): the same tricks, new par; board 17 is board 1 again.
    const tBoardSet later = {tDeal{}, deal,    tDeal{}, tDeal{}, tDeal{}, tDeal{},
                             tDeal{}, tDeal{}, tDeal{}, tDeal{}, tDeal{}, tDeal{},
                             tDeal{}, tDeal{}, tDeal{}, tDeal{}, deal};
    ASSERT_TRUE(analyser.Analyse(later).Ok());
    EXPECT_EQ(solver.tableCalls, 1);
    EXPECT_EQ(solver.parCalls, 2);
    ASSERT_NE(analyser.Find(deal, 2), nullptr);
    EXPECT_EQ(analyser.Find(deal, 2)->parScoreNS, -420);  // East-West's game, as published
    EXPECT_EQ(analyser.Find(deal, 17), analyser.Find(deal, 1));
}

TEST(DealAnalyser, IncompleteDealsAreNotAnalysed) {
    CountingSolver solver;
    DealAnalyser analyser(solver);
    tDeal missingCard = DealOf(kPublished1);
    missingCard.West.Remove(Suit::Clubs, 3);
    tDeal cardTwice = DealOf(kPublished1);  // four hands of 13 cards, but...
    cardTwice.West.Remove(Suit::Clubs, 3);
    cardTwice.West.Add(Suit::Spades, 6);  // ...North holds the six of spades too
    const tBoardSet boards = {tDeal{}, missingCard, cardTwice, DealOf(kPublished2)};
    ASSERT_TRUE(analyser.Analyse(boards).Ok());
    EXPECT_EQ(solver.solved, std::vector<std::string>{SolverDealText(boards[3])});
    EXPECT_EQ(analyser.Find(boards[0], 1), nullptr);
    EXPECT_EQ(analyser.Find(boards[1], 2), nullptr);
    EXPECT_EQ(analyser.Find(boards[2], 3), nullptr);
    EXPECT_NE(analyser.Find(boards[3], 4), nullptr);
}

// Two deals a solver thread a call; the total at once, then how many are done after each.
TEST(DealAnalyser, SolvesInCallsTheSolverTakesAndReportsProgressAfterEach) {
    StandInSolver solver;
    solver.threads = 2;
    DealAnalyser analyser(solver);
    tBoardSet boards = RandomBoards(20);
    boards.push_back(boards[5]);  // a deal twice is solved once
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    ASSERT_TRUE(analyser
                    .Analyse(boards,
                             [&](std::size_t done, std::size_t total) {
                                 progress.emplace_back(done, total);
                                 return true;
                             })
                    .Ok());
    EXPECT_EQ(solver.callSizes, (std::vector<std::size_t>{4, 4, 4, 4, 4}));
    EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{
                            {0, 20}, {4, 20}, {8, 20}, {12, 20}, {16, 20}, {20, 20}}));
    for (int board = 1; board <= 21; ++board) {
        EXPECT_NE(analyser.Find(boards[board - 1], board), nullptr) << "board " << board;
    }
}

TEST(DealAnalyser, CancelStopsAfterTheCallInProgressAndKeepsWhatWasSolved) {
    StandInSolver solver;
    solver.threads = 16;  // as many deals a call as the solver takes
    DealAnalyser analyser(solver);
    const tBoardSet boards = RandomBoards(70);
    EXPECT_TRUE(
        analyser.Analyse(boards, [](std::size_t, std::size_t) { return false; }).IsCancelled());
    EXPECT_TRUE(solver.callSizes.empty());  // cancelled before the first call
    const Status status =
        analyser.Analyse(boards, [](std::size_t done, std::size_t) { return done == 0; });
    EXPECT_TRUE(status.IsCancelled());
    EXPECT_EQ(solver.callSizes, std::vector<std::size_t>{32});
    EXPECT_NE(analyser.Find(boards[31], 32), nullptr);
    EXPECT_EQ(analyser.Find(boards[32], 33), nullptr);

    // Analysing again goes on where the cancel stopped.
    ASSERT_TRUE(analyser.Analyse(boards).Ok());
    EXPECT_EQ(solver.callSizes, (std::vector<std::size_t>{32, 32, 6}));
    EXPECT_NE(analyser.Find(boards[69], 70), nullptr);
}

TEST(DealAnalyser, SolverFailureIsReportedAndEarlierCallsKept) {
    StandInSolver solver;
    solver.failingCall = 2;
    DealAnalyser analyser(solver);
    const tBoardSet boards = RandomBoards(40);
    const Status status = analyser.Analyse(boards);
    EXPECT_EQ(status.Reason(), "The double-dummy solver failed: Cards duplicated.");
    EXPECT_NE(analyser.Find(boards[0], 1), nullptr);
    EXPECT_EQ(analyser.Find(boards[39], 40), nullptr);
}

// The window asks for results while the analysis runs on a worker thread.
TEST(DealAnalyser, FindAnswersWhileTheSolverWorks) {
    StandInSolver solver;
    solver.threads = 16;
    DealAnalyser analyser(solver);
    const tBoardSet boards = RandomBoards(40);
    std::vector<bool> firstFoundDuringCall;
    solver.duringCall = [&] {
        auto found = std::async(std::launch::async, [&] { return analyser.Find(boards[0], 1); });
        ASSERT_EQ(found.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        firstFoundDuringCall.push_back(found.get() != nullptr);
    };
    ASSERT_TRUE(analyser.Analyse(boards).Ok());
    // Board 1 shows as soon as the first call has solved it.
    EXPECT_EQ(firstFoundDuringCall, (std::vector<bool>{false, true}));
    EXPECT_NE(analyser.Find(boards[0], 1), nullptr);
}

}  // namespace
}  // namespace kesto::test
