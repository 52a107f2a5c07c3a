// Saving the settings where the save cannot succeed: the settings file already there stays
// byte for byte as it was, and the program is told why in a notice naming the file.

#include <gtest/gtest.h>

#include "kesto/options/settings_store.h"
#include "kesto/platform/registry_hive.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/write_failure.h"

namespace kesto::test {
namespace {

// Writes NumHands through a store of the file, as the program does when a value changes.
void StoreNumHands(const std::string& path, std::int32_t numHands) {
    SettingsStore store(path);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
    store.Write(kNumHands, numHands);
    store.WriteString("Header1", std::string(2000, 'h'));  // more than the disk has left
    store.CloseKey();
}

std::string NoticeFor(const std::string& path, const std::string& reason) {
    return "Kesto could not save its settings in " + path + " (cannot write " + path + ": " +
           reason + "), so the settings changed during this run are not kept.";
}

class SettingsWriteFailureTest : public ::testing::Test {
  protected:
    void SetUp() override { TakeSettingsNotices(); }
};

TEST_F(SettingsWriteFailureTest, FullDiskKeepsThePreviousFileAndGivesANotice) {
    SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string path = disk.Path("Kesto.reg");
    StoreNumHands(path, 10);
    const std::string previous = ReadBytes(path);
    ASSERT_FALSE(previous.empty());
    ASSERT_TRUE(disk.Fill());
    TakeSettingsNotices();

    StoreNumHands(path, 30);

    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(TakeSettingsNotices(),
              std::vector<std::string>{NoticeFor(path, "No space left on device")});
    EXPECT_EQ(FolderEntries(disk.Folder()),
              (std::set<std::string>{"Kesto.reg", std::string(SmallDisk::kFiller)}));
}

TEST_F(SettingsWriteFailureTest, ReadOnlyDiskKeepsThePreviousFileAndGivesANotice) {
    SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string path = disk.Path("Kesto.reg");
    StoreNumHands(path, 10);
    const std::string previous = ReadBytes(path);
    ASSERT_TRUE(disk.MakeReadOnly());
    TakeSettingsNotices();

    StoreNumHands(path, 30);

    EXPECT_EQ(ReadBytes(path), previous);
    const std::vector<std::string> notices = TakeSettingsNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].starts_with("Kesto could not save its settings in " + path + " ("))
        << notices[0];
    EXPECT_NE(notices[0].find("Read-only file system"), std::string::npos) << notices[0];
}

TEST_F(SettingsWriteFailureTest, FolderWithoutWritePermissionKeepsThePreviousFile) {
    ReadOnlyFolder folder;
    const std::string path = folder.Path("Kesto.reg");
    StoreNumHands(path, 10);
    const std::string previous = ReadBytes(path);
    ASSERT_TRUE(folder.Protect());
    if (folder.Writable()) {
        GTEST_SKIP() << "the folder stays writable for this user (root); the read-only disk "
                        "case covers it";
    }
    TakeSettingsNotices();

    StoreNumHands(path, 30);

    EXPECT_EQ(ReadBytes(path), previous);
    const std::vector<std::string> notices = TakeSettingsNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("Permission denied"), std::string::npos) << notices[0];
}

// The settings file saved by a child killed at a random moment always reads as one of the
// two hives saved in turn.
TEST_F(SettingsWriteFailureTest, SaveKilledAtAnyMomentNeverLeavesACutOffFile) {
    const ScratchFolder folder;
    const std::string path = folder.Path("Kesto.reg");
    RegistryHive small, large;
    const std::string key = std::string(kHiveRoot) + "\\" + std::string(kSettingsKey);
    small.SetValue(key, "NumHands", RegistryValue::Dword(10));
    large.SetValue(key, "NumHands", RegistryValue::Dword(30));
    for (int i = 0; i < 200; ++i) {
        large.SetValue(key + "\\Words", "Word" + std::to_string(i), RegistryValue::String("w"));
    }
    ASSERT_TRUE(SaveHiveFile(path, small).Ok());
    const std::string first = ReadBytes(path);
    const std::string second = large.Serialise();

    const auto save = [&](int turn) { SaveHiveFile(path, turn % 2 == 0 ? large : small); };
    EXPECT_TRUE(KillSavesAtRandom(path, save, first, second));
}

}  // namespace
}  // namespace kesto::test
