// The print request that the window's "Prin&t" and the batch command both print from, and the
// generator seed the batch command sets.

#include <gtest/gtest.h>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

using PrintRequest = WorkflowTest;

TEST_F(PrintRequest, CarriesTheBoardsHeadersAndCountsOfThePrintPage) {
    main.UpDown1Change(3);
    main.Edit17Change("Club night");
    main.NextBtnClick();
    main.Edit18Change("Tuesday");
    main.UpDown3Change(2);
    main.UpDown4Change("4");
    main.UpDown5Change(5);
    main.CurtainsClick(true);

    const PrintJobRequest request = main.PrintRequest();
    EXPECT_EQ(request.boardSet, &main.boardSet);
    EXPECT_EQ(main.boardSet.size(), 3u);
    EXPECT_EQ(request.mode, DealSource::Generate);
    EXPECT_FALSE(request.dealsComplete);
    EXPECT_FALSE(request.printEmptyDeals);
    EXPECT_EQ(request.header1, "Club night");
    EXPECT_EQ(request.header2, "Tuesday");
    EXPECT_EQ(request.copies, 2);
    EXPECT_EQ(request.sets, 4);
    EXPECT_EQ(request.statSheets, 5);
    EXPECT_TRUE(request.curtains);
    EXPECT_EQ(request.randomDealCount, 3);
}

TEST_F(PrintRequest, SeedGeneratorStartsTheDealsFromThatState) {
    for (const std::uint32_t seed : {0u, 4294967295u}) {
        main.SeedGenerator(seed);
        main.UpDown1Change(2);
        main.NextBtnClick();
        tBoardSet expected;
        RandomGenerator random(seed);
        GenerateRandomDeals(expected, 2, random);
        EXPECT_EQ(main.boardSet, expected) << seed;
        main.PrevBtnClick();
    }
}

}  // namespace
}  // namespace kesto::test
