#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "kesto/platform/file_io.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

class FileIoTest : public ::testing::Test {
  protected:
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
};

TEST_F(FileIoTest, ReplaceWritesAndReadsBackBytes) {
    const std::string path = folder_ + "/deals.kst";
    const std::string bytes("line\r\n\0\xFF", 8);
    ASSERT_TRUE(ReplaceFileAtomically(path, bytes).ok);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    ASSERT_TRUE(ReplaceFileAtomically(path, "new").ok);
    EXPECT_EQ(ReadWholeFile(path), "new");
    // Nothing is left beside the target.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(FileIoTest, MissingFolderFailsWithAReason) {
    const IoResult result = ReplaceFileAtomically(folder_ + "/no/such/deals.kst", "x");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("no/such"), std::string::npos);
}

TEST_F(FileIoTest, FailedRenameKeepsWhatWasThere) {
    // A folder in place of the target: the rename fails and the folder is untouched.
    const std::string path = folder_ + "/target";
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path + "/inside");
    EXPECT_FALSE(ReplaceFileAtomically(path, "data").ok);
    EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
}

TEST_F(FileIoTest, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    const std::string path = folder_ + "/deals.dlm";
    ASSERT_TRUE(ReplaceFileAtomically(path, "old").ok);
    ::chmod(folder_.c_str(), 0555);
    if (::access(folder_.c_str(), W_OK) == 0) {
        ::chmod(folder_.c_str(), 0755);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    EXPECT_FALSE(ReplaceFileAtomically(path, "new").ok);
    ::chmod(folder_.c_str(), 0755);
    EXPECT_EQ(ReadWholeFile(path), "old");
}

TEST_F(FileIoTest, ReadingWhatIsNotThereSaysWhy) {
    std::string error;
    EXPECT_FALSE(ReadWholeFile(folder_ + "/missing", &error).has_value());
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(ReadWholeFile(folder_, &error).has_value());  // a folder
}

TEST(DirectoryOfTest, KeepsTheFinalSlash) {
    EXPECT_EQ(DirectoryOf("/a/b/c.htm"), "/a/b/");
    EXPECT_EQ(DirectoryOf("c.htm"), "");
    EXPECT_EQ(DirectoryOf("/c.htm"), "/");
}

}  // namespace
}  // namespace kesto::test
