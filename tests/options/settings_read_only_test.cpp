#include "tests/options/temp_settings.h"

namespace kesto::test {
namespace {

using SettingsReadOnlyTest = TempSettingsTest;

TEST_F(SettingsReadOnlyTest, ReadOnlyStoresReadButNeverWrite) {
    {
        SettingsStore store(path_);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        store.WriteInteger("FileType", 2);
    }
    const std::string before = FileBytes();

    SetSettingsReadOnly(true);
    {
        SettingsStore store(path_);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        EXPECT_EQ(store.ReadIntegerDef("FileType", 1), 2);
        store.WriteInteger("FileType", 3);
        store.WriteString("GIFDirectory", "images");
        EXPECT_EQ(store.ReadIntegerDef("FileType", 1), 3);  // until the key closes
    }
    SetSettingsReadOnly(false);

    EXPECT_EQ(FileBytes(), before);
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, false));
    EXPECT_EQ(store.ReadIntegerDef("FileType", 1), 2);
    EXPECT_FALSE(store.ValueExists("GIFDirectory"));
}

}  // namespace
}  // namespace kesto::test
