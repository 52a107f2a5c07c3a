#include "kesto/files/write_deal_file.h"

#include <gtest/gtest.h>

namespace kesto::test {
namespace {

TEST(SaveKind, ByExtensionInAnyCase) {
    EXPECT_EQ(SaveKindOfFileName("/x/a.dlm"), DealFileKind::Dlm);
    EXPECT_EQ(SaveKindOfFileName("A.DuP"), DealFileKind::Dup);
    EXPECT_EQ(SaveKindOfFileName("a.kst"), DealFileKind::Own);
    EXPECT_EQ(SaveKindOfFileName("/x/Club Night.pbn"), DealFileKind::Pbn);
    EXPECT_EQ(SaveKindOfFileName("A.PbN"), DealFileKind::Pbn);
    EXPECT_EQ(SaveKindOfFileName("a.pbn.kst"), DealFileKind::Own);
    EXPECT_EQ(SaveKindOfFileName("a.dlm.txt"), DealFileKind::Own);
    EXPECT_EQ(SaveKindOfFileName("dlm"), DealFileKind::Own);
    EXPECT_EQ(SaveKindOfFileName("x.dlm/file"), DealFileKind::Own);
    // Only a kind Kesto saves is named by an extension; the save dialog's entry decides else.
    EXPECT_EQ(SavedKindOfExtension("a.KST"), DealFileKind::Own);
    EXPECT_EQ(SavedKindOfExtension("evening.lin"), DealFileKind::Lin);
    EXPECT_EQ(SavedKindOfExtension("old.txt"), std::nullopt);
    EXPECT_EQ(SavedKindOfExtension("night"), std::nullopt);
}

}  // namespace
}  // namespace kesto::test
