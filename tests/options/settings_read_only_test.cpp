#include "tests/options/temp_settings.h"

namespace kesto::test {
namespace {

using SettingsReadOnlyTest = TempSettingsTest;

TEST_F(SettingsReadOnlyTest, ReadOnlyStoresReadButNeverWrite) {
    SettingsStore(path_).Write(kFileType, 2);
    const std::string before = FileBytes();

    {
        SettingsStore store(SettingsFile{path_, SettingsAccess::ReadOnly});
        EXPECT_EQ(store.Read(kFileType), 2);
        store.Write(kFileType, 3);
        store.Write(kGifDirectory, "images");
        EXPECT_EQ(store.Read(kFileType), 3);  // while the store lives
    }
    EXPECT_EQ(FileBytes(), before);
    // Read once for a run: its stores read the file as it was then, and not each other's writes.
    const SettingsFile once = ReadSettingsOnce(path_);
    std::filesystem::remove(path_);
    SettingsStore first(once), second(once);
    first.Write(kFileType, 3);
    EXPECT_EQ(second.Read(kFileType), 2);
}

TEST_F(SettingsReadOnlyTest, ReadOnlyStoreOnAMissingFileLeavesNoFile) {
    SettingsStore(SettingsFile{path_, SettingsAccess::ReadOnly}).Write(kNumHands, 12);
    EXPECT_EQ(FileBytes(), "<no file>");
}

// A run that only reads leaves a damaged file where it is, for the window to set aside.
TEST_F(SettingsReadOnlyTest, ADamagedFileIsLeftInPlaceWithANotice) {
    const std::string tooBig(kMaxHiveFileBytes + 1, ';');
    WriteRaw(path_, tooBig);
    const SettingsFile once = ReadSettingsOnce(path_);
    EXPECT_EQ(SettingsStore(once).Read(kNumHands), kNumHands.defaultValue);
    EXPECT_EQ(TakeSettingsNotices(),
              std::vector<std::string>{"The settings file " + path_ +
                                       " is damaged (it holds 1048577 bytes, more than the "
                                       "1048576 a settings file may hold), so Kesto uses its "
                                       "default settings."});
    EXPECT_EQ(FilesInSettingsFolder(), std::vector<std::string>{"Kesto.reg"});
    EXPECT_EQ(FileBytes(), tooBig);
}

}  // namespace
}  // namespace kesto::test
