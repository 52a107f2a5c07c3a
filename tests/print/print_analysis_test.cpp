// The print job with the makeable contracts shown: the wait for the analysis, the analysis tags
// on the records the library gets, the language's words for the table; curtain cards alone do
// not wait.

#include <gtest/gtest.h>

#include "kesto/analysis/dds_solver.h"
#include "kesto/analysis/deal_analyser.h"
#include "kesto/deal/deal_notation.h"
#include "print_test_support.h"
#include "tests/support/fixed_solver.h"

namespace kesto::test {
namespace {

const std::string kTags = "|" + std::string(kFixedAnalysisTags);

class PrintAnalysisTest : public PrintJobTest {
  protected:
    void SetUp() override {
        PrintJobTest::SetUp();
        ASSERT_TRUE(analyser_.Analyse(boardSet_).Ok());
        awaitAnalysis_ = [this]() -> const DealAnalyser* {
            ++waits_;
            return &analyser_;
        };
    }

    FixedSolver solver_;
    DealAnalyser analyser_{solver_};
    int waits_ = 0;
};

TEST_F(PrintAnalysisTest, EveryRecordCarriesItsTagsAndTheLibraryGetsTheWords) {
    request_.copies = 1;
    request_.sets = 1;
    request_.curtains = true;
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    EXPECT_EQ(waits_, 1);
    std::vector<std::string> expected = {"ClearDeals"};
    for (int board = 1; board <= 3; ++board) {
        expected.push_back(
            "AddDeal " + DealRecord(board, boardSet_[static_cast<std::size_t>(board - 1)]) + kTags);
    }
    for (const char* call :
         {"SetAnalysisWords Par NT Pass Makeable contracts", "PrintCustom 0", "PrintCustom 1",
          "PrintCustom 9", "PrintCustom 10", "PrintCustom 11", "PrintCustom 12", "ClearDeals"}) {
        expected.push_back(call);
    }
    std::vector<std::string> sequence;
    for (const LibraryCall& call : Calls()) {
        std::string line = call.name;
        for (const std::string& arg : call.args) {
            line += " " + arg;
        }
        sequence.push_back(call.name == "PrintCustom" ? "PrintCustom " + call.args[0] : line);
    }
    EXPECT_EQ(sequence, expected);
    EXPECT_TRUE(view_.messages.empty());
}

TEST_F(PrintAnalysisTest, TheWordsFollowThePrintingLanguage) {
    Store(kUserLanguage, std::string("Fran\xE7"
                                     "ais"));
    CreateOptions();
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    const std::vector<LibraryCall> calls = Calls();
    const auto words = std::find_if(calls.begin(), calls.end(), [](const LibraryCall& call) {
        return call.name == "SetAnalysisWords";
    });
    ASSERT_NE(words, calls.end());
    const std::string caption(BuiltInAnalysisWords(5).caption);
    EXPECT_EQ(words->args, (std::vector<std::string>{"Par", "SA", "Passe", caption}));
}

TEST_F(PrintAnalysisTest, AnIncompleteDealIsPrintedWithoutTags) {
    boardSet_[1] = tDeal();
    request_.printEmptyDeals = true;
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    const std::vector<LibraryCall> calls = Calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[1].args[0], DealRecord(1, boardSet_[0]) + kTags);
    EXPECT_EQ(calls[2].args[0], DealRecord(2, boardSet_[1]));
    EXPECT_EQ(calls[3].args[0], DealRecord(3, boardSet_[2]) + kTags);
}

TEST_F(PrintAnalysisTest, CurtainCardsAloneAndNothingToPrintDoNotWait) {
    request_.copies = 0;
    request_.sets = 0;
    request_.curtains = true;
    ASSERT_EQ(Print(), PrintJobOutcome::Printed);
    request_.curtains = false;
    EXPECT_EQ(Print(), PrintJobOutcome::NothingToPrint);
    EXPECT_EQ(waits_, 0);
    for (const LibraryCall& call : Calls()) {
        EXPECT_NE(call.name, "SetAnalysisWords");
        if (call.name == "AddDeal") {
            EXPECT_EQ(call.args[0].find("DoubleDummyTricks"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace kesto::test
