#include "kesto/files/lin_file.h"

#include <gtest/gtest.h>

#include "files_test_support.h"

namespace kesto::test {
namespace {

TEST(LINFile, TheFileOfAConversionProgramReadsToTheDealsOfItsPBNFile) {
    const std::string base = DataPath("interop/deal-convert/test");
    DealFileContents contents;
    ASSERT_TRUE(ParseLINFile(FileBytes(base + ".lin"), contents).Ok());
    EXPECT_EQ(contents.boardSet, PbnDeals(base + ".pbn"));
    EXPECT_EQ(contents.boardSet.size(), 16u);
    EXPECT_EQ(contents.header2, "SEGMENT 1");
    EXPECT_TRUE(contents.otherDealerOrVulnerability.empty());
}

}  // namespace
}  // namespace kesto::test
