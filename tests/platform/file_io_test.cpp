#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "kesto/platform/file_io.h"
#include "tests/support/bounded_child.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/write_failure.h"

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
    ASSERT_TRUE(ReplaceFileAtomically(path, bytes).Ok());
    EXPECT_EQ(ReadWholeFile(path).value, bytes);
    ASSERT_TRUE(ReplaceFileAtomically(path, "new").Ok());
    EXPECT_EQ(ReadWholeFile(path).value, "new");
    // Nothing is left beside the target.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(FileIoTest, MissingFolderFailsWithAReason) {
    const Status result = ReplaceFileAtomically(folder_ + "/no/such/deals.kst", "x");
    EXPECT_EQ(result.SystemError(), ENOENT);
    EXPECT_NE(result.Reason().find("no/such"), std::string::npos);
}

enum class Place { FullDisk, ReadOnlyDisk, FolderWithoutWritePermission, FileSizeLimit };

class ReplaceFailureTest : public ::testing::TestWithParam<std::pair<Place, const char*>> {};

// Every writer replaces its file through ReplaceFileAtomically: wherever the new file cannot
// be written, the old one stays byte for byte, nothing is left beside it, and the reason ends
// in the system's words (the writers' messages are tested in the writers' table).
TEST_P(ReplaceFailureTest, KeepsTheOldFileAndGivesTheSystemsReason) {
    const auto [place, reason] = GetParam();
    std::optional<SmallDisk> disk;
    ReadOnlyFolder folder;
    if (place == Place::FullDisk || place == Place::ReadOnlyDisk) {
        disk.emplace();
        if (!disk->Mounted()) {
            GTEST_SKIP() << disk->Why();
        }
    }
    const std::string where = disk ? disk->Folder() : folder.Folder();
    const std::string path = where + "/deals.kst";
    const std::string old = "last week's deals\r\n";
    ASSERT_TRUE(WriteBytes(path, old));
    std::optional<FileSizeLimit> limit;
    switch (place) {
        case Place::FullDisk:
            ASSERT_TRUE(disk->Fill());
            break;
        case Place::ReadOnlyDisk:
            ASSERT_TRUE(disk->MakeReadOnly());
            break;
        case Place::FolderWithoutWritePermission:
            ASSERT_TRUE(folder.Protect());
            if (folder.Writable()) {
                GTEST_SKIP() << "the folder stays writable for this user (root); the read-only "
                                "disk case covers it";
            }
            break;
        case Place::FileSizeLimit:
            limit.emplace(16);
            ASSERT_TRUE(limit->Ok());
            break;
    }
    const std::set<std::string> entries = FolderEntries(where);

    const Status replaced = ReplaceFileAtomically(path, std::string(8192, 'n'));
    limit.reset();

    EXPECT_FALSE(replaced.Ok());
    EXPECT_TRUE(replaced.Reason().ends_with(": " + std::string(reason))) << replaced.Reason();
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderEntries(where), entries);
}

std::string PlaceName(const ::testing::TestParamInfo<ReplaceFailureTest::ParamType>& testInfo) {
    const char* const names[] = {"FullDisk", "ReadOnlyDisk", "FolderWithoutWritePermission",
                                 "FileSizeLimit"};
    return names[static_cast<int>(testInfo.param.first)];
}

INSTANTIATE_TEST_SUITE_P(Places, ReplaceFailureTest,
                         ::testing::Values(std::pair(Place::FullDisk, "No space left on device"),
                                           std::pair(Place::ReadOnlyDisk, "Read-only file system"),
                                           std::pair(Place::FolderWithoutWritePermission,
                                                     "Permission denied"),
                                           std::pair(Place::FileSizeLimit, "File too large")),
                         PlaceName);

TEST_F(FileIoTest, ReadingWhatIsNotThereSaysWhy) {
    const StatusOr<std::string> missing = ReadWholeFile(folder_ + "/missing");
    EXPECT_FALSE(missing.status.Ok());
    EXPECT_EQ(missing.status.Reason(),
              "cannot open " + folder_ + "/missing: No such file or directory");
    const StatusOr<std::string> folder = ReadWholeFile(folder_);
    EXPECT_FALSE(folder.status.Ok());
    EXPECT_EQ(folder.status.Reason(), "cannot read " + folder_ + ": Is a directory");
}

// A file kept elsewhere through a symbolic link (a dotfiles folder, a shared web folder)
// stays there: the link stays a link and its target gets the new contents.
TEST_F(FileIoTest, ReplaceThroughALinkWritesItsTargetAndKeepsTheLink) {
    namespace fs = std::filesystem;
    fs::create_directory(folder_ + "/elsewhere");
    fs::create_directory(folder_ + "/here");
    struct Case {
        const char* name;
        std::string linkTo;  // as stored in the link
        std::string target;  // the file that must get the contents
        bool targetExists;
    };
    const Case cases[] = {
        {"absolute", folder_ + "/elsewhere/a.htm", folder_ + "/elsewhere/a.htm", true},
        {"relative", "../elsewhere/b.htm", folder_ + "/elsewhere/b.htm", true},
        {"dangling", "../elsewhere/c.htm", folder_ + "/elsewhere/c.htm", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.targetExists) {
            ASSERT_TRUE(ReplaceFileAtomically(c.target, "old").Ok());
        }
        const std::string link = folder_ + "/here/" + c.name;
        fs::create_symlink(c.linkTo, link);
        ASSERT_TRUE(ReplaceFileAtomically(link, "new").Ok());
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link).string(), c.linkTo);
        EXPECT_EQ(ReadWholeFile(c.target).value, "new");
        // Nothing is left beside the link either.
        EXPECT_EQ(
            std::distance(fs::directory_iterator(folder_ + "/here"), fs::directory_iterator()),
            &c - cases + 1);
    }
}

// A pipe, a folder (one with a file inside too) or a link to one is left as it is.
TEST_F(FileIoTest, WhatIsNotARegularFileIsRefusedEvenBehindALink) {
    const std::string fifo = folder_ + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = folder_ + "/folder";
    std::filesystem::create_directories(folder + "/inside");
    const std::string link = folder_ + "/link";
    std::filesystem::create_symlink(folder, link);
    for (const auto& [path, target] :
         {std::pair{fifo, fifo}, std::pair{folder, folder}, std::pair{link, folder}}) {
        const Status result = ReplaceFileAtomically(path, "data");
        EXPECT_FALSE(result.Ok()) << path;
        EXPECT_EQ(result.Reason(), target + " is not a file");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

// A bounded read takes a regular file up to the limit, through a link too, and refuses the
// rest without waiting on a pipe that nobody writes into or reading an endless device.
TEST_F(FileIoTest, ABoundedReadTakesOnlyRegularFilesUpToTheLimit) {
    const std::string file = folder_ + "/file";
    ASSERT_TRUE(ReplaceFileAtomically(file, "12345").Ok());
    const std::string link = folder_ + "/link";
    std::filesystem::create_symlink(file, link);
    const std::string fifo = folder_ + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        std::size_t limit;
        const char* bytes;  // nullptr: refused
        std::string reason;
        bool (Status::*kind)() const;
    };
    const Case cases[] = {
        {file, 5, "12345", "", &Status::Ok},
        {link, 5, "12345", "", &Status::Ok},
        {file, 4, nullptr, file + " is bigger than 4 bytes", &Status::IsBroken},
        {fifo, 100, nullptr, fifo + " is not a file", &Status::IsUnreadable},
        {"/dev/zero", 100, nullptr, "/dev/zero is not a file", &Status::IsUnreadable},
        {folder_, 100, nullptr, folder_ + " is not a file", &Status::IsUnreadable},
        {folder_ + "/missing", 100, nullptr,
         "cannot open " + folder_ + "/missing: No such file or directory", &Status::IsNotFound},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(RunsWithinBounds(
            [&c]() -> std::string {
                const StatusOr<std::string> read = ReadRegularFile(c.path, c.limit);
                if (!(read.status.*c.kind)()) {
                    return "another kind of failure: " + read.status.Reason();
                }
                if (c.bytes != nullptr) {
                    return read.status.Ok() && read.value == c.bytes ? "" : read.status.Reason();
                }
                return !read.status.Ok() && read.status.Reason() == c.reason
                           ? ""
                           : "reason: " + read.status.Reason();
            },
            10, std::size_t{256} << 20))
            << c.path << " limit " << c.limit;
    }
}

TEST_F(FileIoTest, ALinkInALoopCannotBeFollowed) {
    const std::string link = folder_ + "/loop";
    std::filesystem::create_symlink("loop", link);
    const Status result = ReplaceFileAtomically(link, "data");
    EXPECT_EQ(result.SystemError(), ELOOP);
    EXPECT_EQ(result.Reason().rfind("cannot follow the link " + link + ": ", 0), 0U)
        << result.Reason();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

// Only what is stale and Kesto's own for that target goes: not the temporary file of a save
// still running (it holds a lock), not another file's, not a user's file of a similar name.
TEST_F(FileIoTest, ASaveRemovesOnlyStaleTemporariesOfItsOwnTarget) {
    const std::string path = folder_ + "/club.htm";
    struct Case {
        const char* name;
        bool locked;
        bool removed;
    };
    const Case cases[] = {
        {".kesto-club.htm-a1B2c3", false, true},   {".kesto-club.htm-d4E5f6", true, false},
        {".kesto-other.htm-a1B2c3", false, false}, {".kesto-club.htm-a1B2c3d", false, false},
        {".kesto-club.htm", false, false},         {"kesto-club.htm-a1B2c3", false, false},
    };
    std::vector<int> locks;
    for (const Case& c : cases) {
        ASSERT_TRUE(ReplaceFileAtomically(folder_ + "/" + c.name, "left").Ok());
        if (c.locked) {
            const int fd = ::open((folder_ + "/" + c.name).c_str(), O_RDONLY);
            ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
            locks.push_back(fd);
        }
    }
    ASSERT_TRUE(ReplaceFileAtomically(path, "page").Ok());
    for (const Case& c : cases) {
        EXPECT_EQ(std::filesystem::exists(folder_ + "/" + c.name), !c.removed) << c.name;
    }
    for (const int fd : locks) {
        ::close(fd);
    }
}

TEST(DirectoryOfTest, KeepsTheFinalSlash) {
    EXPECT_EQ(DirectoryOf("/a/b/c.htm"), "/a/b/");
    EXPECT_EQ(DirectoryOf("c.htm"), "");
    EXPECT_EQ(DirectoryOf("/c.htm"), "/");
}

}  // namespace
}  // namespace kesto::test
