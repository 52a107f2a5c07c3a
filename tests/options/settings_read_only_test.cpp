#include "tests/options/temp_settings.h"

namespace kesto::test {
namespace {

using SettingsReadOnlyTest = TempSettingsTest;

TEST_F(SettingsReadOnlyTest, ReadOnlyStoresReadButNeverWrite) {
    {
        SettingsStore store(path_);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        store.Write(kFileType, 2);
    }
    const std::string before = FileBytes();

    {
        SettingsStore store(SettingsFile{path_, SettingsAccess::ReadOnly});
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        EXPECT_EQ(store.Read(kFileType), 2);
        store.Write(kFileType, 3);
        store.Write(kGifDirectory, "images");
        EXPECT_EQ(store.Read(kFileType), 3);  // until the key closes
    }
    EXPECT_EQ(FileBytes(), before);
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, false));
    EXPECT_EQ(store.Read(kFileType), 2);
    EXPECT_FALSE(store.ValueExists(kGifDirectory.name));
    // Read once for a run: its stores read the file as it was then, and not each other's writes.
    const SettingsFile once = ReadSettingsOnce(path_);
    std::filesystem::remove(path_);
    SettingsStore first(once), second(once);
    ASSERT_TRUE(first.OpenKey(kSettingsKey, false) && second.OpenKey(kSettingsKey, false));
    first.Write(kFileType, 3);
    EXPECT_EQ(second.Read(kFileType), 2);
}

TEST_F(SettingsReadOnlyTest, ReadOnlyStoreOnAMissingFileLeavesNoFile) {
    {
        SettingsStore store(SettingsFile{path_, SettingsAccess::ReadOnly});
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        store.Write(kNumHands, 12);
    }
    EXPECT_EQ(FileBytes(), "<no file>");
    SettingsStore store(path_);
    EXPECT_FALSE(store.OpenKey(kSettingsKey, false));
}

}  // namespace
}  // namespace kesto::test
