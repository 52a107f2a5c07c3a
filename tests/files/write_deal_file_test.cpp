#include "kesto/files/write_deal_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "kesto/files/own_deal_file.h"
#include "tests/files/files_test_support.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

class WriteDealFileTest : public ::testing::Test {
  protected:
    test::ScratchFolder folder_;
    const tBoardSet boards_ = {test::WorkedExampleDeal(), test::RotatedExampleDeal()};
    const DealsToWrite deals_{boards_, "Club night", "Monday", DealSource::Generate};
};

TEST_F(WriteDealFileTest, SavingOverAFolderOrADeviceIsRefused) {
    const std::string folder = folder_.Path("a folder.kst");
    std::filesystem::create_directory(folder);
    const Status result = WriteDealFile(DealFileKind::Own, folder, deals_);
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(WriteDealFile(DealFileKind::Dup, "/dev/null", deals_).Ok());
}

TEST_F(WriteDealFileTest, ALinkStaysALinkToTheSavedFile) {
    const std::string target = folder_.Path("real.kst");
    const std::string link = folder_.Path("link.kst");
    test::PutFile(target, "old");
    std::filesystem::create_symlink(target, link);
    EXPECT_TRUE(WriteDealFile(DealFileKind::Own, link, deals_).Ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::FileBytes(target),
              OwnDealFileText(boards_, "Club night", "Monday", DealSource::Generate));
}

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
