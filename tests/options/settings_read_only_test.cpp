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
