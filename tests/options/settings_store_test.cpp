#include "kesto/options/settings_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <climits>
#include <filesystem>
#include <optional>

#include "tests/options/temp_settings.h"

namespace kesto {
namespace {

using SettingsStoreTest = TempSettingsTest;

struct ExpectedDefault {
    std::string_view name;
    SettingKind kind;
    std::int32_t number;
    std::string_view text;
};

// Both tables of the settings key, as the program documents them, in their order.
const std::vector<ExpectedDefault> kExpectedMainWindow = {
    {"NumHands", SettingKind::Integer, 30, ""},
    {"NumCopies", SettingKind::Integer, 1, ""},
    {"NumIndividualSets", SettingKind::Integer, 1, ""},
    {"NumStatSheets", SettingKind::Integer, 0, ""},
    {"Curtains", SettingKind::Boolean, 0, ""},
    {"StatsWithHTML", SettingKind::Boolean, 0, ""},
    {"DateFormat", SettingKind::Integer, 0, ""},
    {"UseDateInHeader", SettingKind::Boolean, 0, ""},
    {"SuppressSetWarning", SettingKind::Boolean, 0, ""},
    {"SuppressHTMLAlert", SettingKind::Boolean, 0, ""},
    {"NumberOfIndividualSets", SettingKind::Integer, 1, ""},
    {"FileType", SettingKind::Integer, 1, ""},
};

const std::vector<ExpectedDefault> kExpectedOptionsDialog = {
    {"PrintVulDeal", SettingKind::Boolean, 1, ""},
    {"UserWantsColor", SettingKind::Boolean, 1, ""},
    {"GIFDirectory", SettingKind::String, 0, ""},
    {"CurtainCollation", SettingKind::Integer, 0, ""},
    {"CurtainDimensions", SettingKind::Integer, 1, ""},
    {"CurtainOrientation", SettingKind::Integer, 0, ""},
    {"Header1Font", SettingKind::String, 0, "Arial"},
    {"Header1Size", SettingKind::Integer, 14, ""},
    {"Header1Style", SettingKind::Integer, 1, ""},
    {"Header2Font", SettingKind::String, 0, "Arial"},
    {"Header2Size", SettingKind::Integer, 10, ""},
    {"Header2Style", SettingKind::Integer, 0, ""},
    {"CardsMultiFont", SettingKind::String, 0, "Arial"},
    {"CardsMultiSize", SettingKind::Integer, 10, ""},
    {"CardsMultiStyle", SettingKind::Integer, 0, ""},
    {"CardsSingleFont", SettingKind::String, 0, "Arial"},
    {"CardsSingleSize", SettingKind::Integer, 12, ""},
    {"CardsSingleStyle", SettingKind::Integer, 0, ""},
    {"CardsCurtainFont", SettingKind::String, 0, "Arial"},
    {"CardsCurtainSize", SettingKind::Integer, 14, ""},
    {"CardsCurtainStyle", SettingKind::Integer, 0, ""},
    {"SubHead1Font", SettingKind::String, 0, "Arial"},
    {"SubHead1Size", SettingKind::Integer, 10, ""},
    {"SubHead1Style", SettingKind::Integer, 0, ""},
    {"SubHead2Font", SettingKind::String, 0, "Arial"},
    {"SubHead2Size", SettingKind::Integer, 14, ""},
    {"SubHead2Style", SettingKind::Integer, 1, ""},
    {"UserLanguage", SettingKind::String, 0, "English"},
};

template <typename Table>
void ExpectTable(const Table& table, const std::vector<ExpectedDefault>& expected) {
    ASSERT_EQ(std::size(table), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(table[i].name, expected[i].name);
        EXPECT_EQ(table[i].kind, expected[i].kind);
        EXPECT_EQ(table[i].number, expected[i].number);
        EXPECT_EQ(table[i].text, expected[i].text);
        EXPECT_EQ(FindSettingDefault(expected[i].name), &table[i]);
    }
}

// What the program reads for one value, by its kind, as text for easy comparison.
std::string ReadAsText(const SettingsStore& store, const ExpectedDefault& entry) {
    switch (entry.kind) {
        case SettingKind::Integer:
            return std::to_string(store.ReadIntegerDef(entry.name, entry.number));
        case SettingKind::Boolean:
            return store.ReadBoolDef(entry.name, entry.number != 0) ? "true" : "false";
        case SettingKind::String:
            return store.ReadStringDef(entry.name, entry.text);
    }
    return {};
}

std::string DefaultAsText(const ExpectedDefault& entry) {
    switch (entry.kind) {
        case SettingKind::Integer:
            return std::to_string(entry.number);
        case SettingKind::Boolean:
            return entry.number != 0 ? "true" : "false";
        case SettingKind::String:
            return std::string(entry.text);
    }
    return {};
}

TEST_F(SettingsStoreTest, TablesHoldEveryValueWithItsTypeAndDefault) {
    ExpectTable(kMainWindowSettings, kExpectedMainWindow);
    ExpectTable(kOptionsDialogSettings, kExpectedOptionsDialog);
    EXPECT_EQ(FindSettingDefault("SymbolsMultiFont"), nullptr);
}

TEST_F(SettingsStoreTest, FirstRunReadsEveryDefaultAndWritesNothing) {
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
    for (const auto* table : {&kExpectedMainWindow, &kExpectedOptionsDialog}) {
        for (const ExpectedDefault& entry : *table) {
            SCOPED_TRACE(entry.name);
            EXPECT_FALSE(store.ValueExists(entry.name));
            EXPECT_EQ(ReadAsText(store, entry), DefaultAsText(entry));
        }
    }
    store.CloseKey();
    // Reading alone leaves no file; the key reaches the file with the first value written.
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_FALSE(store.OpenKey(kSettingsKey, false));
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

TEST_F(SettingsStoreTest, FirstWriteCreatesFolderFileAndKey) {
    {
        SettingsStore store(path_);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        store.WriteInteger("NumCopies", 2);
    }  // the destructor closes the key
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, false));
    EXPECT_EQ(store.ReadIntegerDef("NumCopies", 1), 2);
    EXPECT_EQ(store.ReadIntegerDef("NumHands", 30), 30);
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

TEST_F(SettingsStoreTest, FileIsWrittenByteForByte) {
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
    store.WriteInteger("NumHands", 30);
    store.WriteBool("Curtains", true);
    store.WriteBool("StatsWithHTML", false);
    store.WriteInteger("DateFormat", -1);
    store.WriteString("UserLanguage",
                      "Fran\xE7"
                      "ais");
    store.WriteString("GIFDirectory", "C:\\Web\\\"x\"");
    store.WriteInteger("NumHands", 24);  // a second write replaces the value in its place
    store.CloseKey();
    EXPECT_EQ(FileBytes(),
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
              "\"NumHands\"=dword:00000018\r\n"
              "\"Curtains\"=dword:00000001\r\n"
              "\"StatsWithHTML\"=dword:00000000\r\n"
              "\"DateFormat\"=dword:ffffffff\r\n"
              "\"UserLanguage\"=\"Fran\xE7"
              "ais\"\r\n"
              "\"GIFDirectory\"=\"C:\\\\Web\\\\\\\"x\\\"\"\r\n"
              "\r\n");
}

struct StringCase {
    const char* label;
    std::string value;
};
void PrintTo(const StringCase& c, std::ostream* out) {
    *out << c.label;
}

class SettingsStringRoundTrip : public SettingsStoreTest,
                                public ::testing::WithParamInterface<StringCase> {};

TEST_P(SettingsStringRoundTrip, ReadsBackWhatWasWritten) {
    {
        SettingsStore store(path_);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        store.WriteString("GIFDirectory", GetParam().value);
    }
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, false));
    EXPECT_EQ(store.ReadStringDef("GIFDirectory", "default"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingsStringRoundTrip,
                         ::testing::Values(StringCase{"Empty", ""},
                                           StringCase{"Plain", "http://club.example/gif/"},
                                           StringCase{"Quotes", "say \"hi\""},
                                           StringCase{"Backslashes", "C:\\Web\\Gifs\\"},
                                           StringCase{"QuoteAfterBackslash", "\\\""},
                                           StringCase{"WindowsBytes",
                                                      "\xD8st S\xFC"
                                                      "d Gef\xE4hr \x80 \xFF"},
                                           StringCase{"LineBreaks", "a\r\nb\nc"},
                                           StringCase{"RegistrySyntax", "[x]\r\n\"y\"=dword:1"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.label); });

class SettingsIntegerRoundTrip : public SettingsStoreTest,
                                 public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(SettingsIntegerRoundTrip, ReadsBackWhatWasWritten) {
    {
        SettingsStore store(path_);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        store.WriteInteger("NumHands", GetParam());
    }
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, false));
    EXPECT_EQ(store.ReadIntegerDef("NumHands", 12345), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Numbers, SettingsIntegerRoundTrip,
                         ::testing::Values(0, 1, 30, 500, -1, INT32_MIN, INT32_MAX));

struct StoredValueCase {
    const char* label;
    const char* line;  // the value's line in the file
    ExpectedDefault asked;
    std::string expected;  // as ReadAsText gives it
};
void PrintTo(const StoredValueCase& c, std::ostream* out) {
    *out << c.label;
}

class SettingsStoredValue : public SettingsStoreTest,
                            public ::testing::WithParamInterface<StoredValueCase> {};

TEST_P(SettingsStoredValue, ReadsAsExpected) {
    WriteRaw(path_, HiveText(GetParam().line));
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, false));
    EXPECT_TRUE(store.ValueExists(GetParam().asked.name));
    EXPECT_EQ(ReadAsText(store, GetParam().asked), GetParam().expected);
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsStoredValue,
    ::testing::Values(
        // A value of another type than the one asked for reads as the default.
        StoredValueCase{"IntegerStoredAsText",
                        "\"NumHands\"=\"40\"\r\n",
                        {"NumHands", SettingKind::Integer, 30, ""},
                        "30"},
        StoredValueCase{"BooleanStoredAsText",
                        "\"Curtains\"=\"1\"\r\n",
                        {"Curtains", SettingKind::Boolean, 0, ""},
                        "false"},
        StoredValueCase{"TrueBooleanStoredAsText",
                        "\"PrintVulDeal\"=\"0\"\r\n",
                        {"PrintVulDeal", SettingKind::Boolean, 1, ""},
                        "true"},
        StoredValueCase{"TextStoredAsNumber",
                        "\"GIFDirectory\"=dword:00000005\r\n",
                        {"GIFDirectory", SettingKind::String, 0, "none"},
                        "none"},
        StoredValueCase{"LanguageStoredAsNumber",
                        "\"UserLanguage\"=dword:00000003\r\n",
                        {"UserLanguage", SettingKind::String, 0, "English"},
                        "English"},
        // Stored values are given as they are; range checks belong to their readers.
        StoredValueCase{"DateFormatSix",
                        "\"DateFormat\"=dword:00000006\r\n",
                        {"DateFormat", SettingKind::Integer, 0, ""},
                        "6"},
        StoredValueCase{"DateFormatMinusOne",
                        "\"DateFormat\"=dword:ffffffff\r\n",
                        {"DateFormat", SettingKind::Integer, 0, ""},
                        "-1"},
        StoredValueCase{"AnyNonZeroIsTrue",
                        "\"Curtains\"=dword:00000100\r\n",
                        {"Curtains", SettingKind::Boolean, 0, ""},
                        "true"},
        StoredValueCase{"ZeroIsFalse",
                        "\"UserWantsColor\"=dword:00000000\r\n",
                        {"UserWantsColor", SettingKind::Boolean, 1, ""},
                        "false"},
        StoredValueCase{"StyleKeepsAllBits",
                        "\"Header1Style\"=dword:00000103\r\n",
                        {"Header1Style", SettingKind::Integer, 1, ""},
                        "259"},
        StoredValueCase{"EmptyTextIsUsed",
                        "\"Header1Font\"=\"\"\r\n",
                        {"Header1Font", SettingKind::String, 0, "Arial"},
                        ""},
        StoredValueCase{"NameInOtherCase",
                        "\"numhands\"=dword:00000007\r\n",
                        {"NumHands", SettingKind::Integer, 30, ""},
                        "7"}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST_F(SettingsStoreTest, LanguageSubkeyOpensOnlyWhenItExistsOrIsCreated) {
    const std::string deutsch = std::string(kSettingsKey) + "\\Deutsch";
    SettingsStore store(path_);
    EXPECT_FALSE(store.OpenKey(deutsch, false));
    EXPECT_FALSE(store.KeyIsOpen());
    ASSERT_TRUE(store.OpenKey(deutsch, true));
    store.WriteString("5", "Z");
    store.CloseKey();
    EXPECT_EQ(FileBytes(),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Deutsch]\r\n"
              "\"5\"=\"Z\"\r\n\r\n");
    ASSERT_TRUE(store.OpenKey(deutsch, false));
    EXPECT_EQ(store.ReadStringDef("5", ""), "Z");
    // The settings key is the subkey's parent and so exists too.
    EXPECT_TRUE(store.OpenKey(kSettingsKey, false));
    EXPECT_FALSE(store.ValueExists("5"));
}

TEST_F(SettingsStoreTest, WritesWithoutAnOpenKeyGoNowhere) {
    SettingsStore store(path_);
    store.WriteInteger("NumHands", 3);
    store.CloseKey();
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_FALSE(store.ValueExists("NumHands"));
}

TEST_F(SettingsStoreTest, OverlappingStoresKeepEachOthersWrites) {
    SettingsStore first(path_);
    SettingsStore second(path_);
    ASSERT_TRUE(first.OpenKey(kSettingsKey, true));
    ASSERT_TRUE(second.OpenKey(kSettingsKey, true));
    second.WriteInteger("NumCopies", 4);
    second.CloseKey();
    first.WriteInteger("NumHands", 16);
    EXPECT_EQ(first.ReadIntegerDef("NumHands", 30), 16);  // its own write, before closing
    first.CloseKey();
    SettingsStore reader(path_);
    ASSERT_TRUE(reader.OpenKey(kSettingsKey, false));
    EXPECT_EQ(reader.ReadIntegerDef("NumCopies", 1), 4);
    EXPECT_EQ(reader.ReadIntegerDef("NumHands", 30), 16);
}

TEST_F(SettingsStoreTest, BrokenFileIsKeptAsideWithOneNoticeAndDefaultsAreUsed) {
    const std::string broken = "REGEDIT4\r\n\"NumHands\"=dword:00000010\r\n\x01\x02garbage";
    WriteRaw(path_, broken);
    {
        SettingsStore store(path_);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        EXPECT_EQ(store.ReadIntegerDef("NumHands", 30), 30);
    }
    const std::vector<std::string> files = FilesInSettingsFolder();
    ASSERT_EQ(files.size(), 1U);
    EXPECT_EQ(files[0].rfind("Kesto.reg.broken-", 0), 0U) << files[0];
    const std::string aside = folder_ + "/Tarnwick/" + files[0];
    EXPECT_EQ(ReadWholeFile(aside).value, broken);

    const std::vector<std::string> notices = TakeSettingsNotices();
    ASSERT_EQ(notices.size(), 1U);
    EXPECT_NE(notices[0].find(path_), std::string::npos) << notices[0];
    EXPECT_NE(notices[0].find(aside), std::string::npos) << notices[0];
    EXPECT_NE(notices[0].find("line 2"), std::string::npos) << notices[0];
    EXPECT_EQ(notices[0].back(), '.');

    // The next run of the store starts clean, writes a sound file and keeps the broken one.
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
    store.WriteInteger("NumHands", 20);
    store.CloseKey();
    EXPECT_TRUE(TakeSettingsNotices().empty());
    EXPECT_EQ(FileBytes(), HiveText("\"NumHands\"=dword:00000014\r\n"));
    EXPECT_EQ(ReadWholeFile(aside).value, broken);
}

TEST_F(SettingsStoreTest, UnwritableFolderGivesANoticeAndTheProgramGoesOn) {
    // A plain file where the settings folder should be: no folder can be made there, not
    // even with the rights of the superuser.
    WriteRaw(folder_ + "/plain", "not a folder");
    const std::string path = folder_ + "/plain/Tarnwick/Kesto.reg";
    for (int run = 0; run < 2; ++run) {
        SettingsStore store(path);
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        store.WriteInteger("NumHands", 10);
        EXPECT_EQ(store.ReadIntegerDef("NumHands", 30), 10);
        store.CloseKey();
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        EXPECT_EQ(store.ReadIntegerDef("NumHands", 30), 30);
    }
    const std::vector<std::string> notices = TakeSettingsNotices();
    ASSERT_EQ(notices.size(), 1U);  // told once, however often it fails
    EXPECT_NE(notices[0].find("could not save its settings in " + path), std::string::npos)
        << notices[0];
    EXPECT_EQ(ReadWholeFile(folder_ + "/plain").value, "not a folder");
}

TEST_F(SettingsStoreTest, UnreadableFileIsNeverWrittenOver) {
    // A folder in the settings file's place stands for a file that cannot be read.
    std::filesystem::create_directories(path_ + "/inside");
    SettingsStore store(path_);
    ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
    EXPECT_EQ(store.ReadStringDef("UserLanguage", "English"), "English");
    store.WriteString("UserLanguage", "Dansk");
    store.CloseKey();
    EXPECT_TRUE(std::filesystem::is_directory(path_ + "/inside"));
    const std::vector<std::string> notices = TakeSettingsNotices();
    ASSERT_EQ(notices.size(), 1U);
    EXPECT_NE(notices[0].find(path_), std::string::npos) << notices[0];
    EXPECT_NE(notices[0].find("will not save"), std::string::npos) << notices[0];
}

class EnvironmentGuard {
  public:
    explicit EnvironmentGuard(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) {
            saved_ = value;
        }
    }
    ~EnvironmentGuard() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    void Set(const char* value) const {
        if (value == nullptr) {
            ::unsetenv(name_);
        } else {
            ::setenv(name_, value, 1);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

struct PathCase {
    const char* label;
    const char* kestoSettings;  // nullptr: unset
    const char* configHome;
    const char* home;
    const char* expected;
};
void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.label;
}

class SettingsPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, FollowsTheEnvironment) {
    const EnvironmentGuard kesto("KESTO_SETTINGS");
    const EnvironmentGuard config("XDG_CONFIG_HOME");
    const EnvironmentGuard home("HOME");
    kesto.Set(GetParam().kestoSettings);
    config.Set(GetParam().configHome);
    home.Set(GetParam().home);
    EXPECT_EQ(SettingsFilePath(), GetParam().expected);
    EXPECT_EQ(SettingsStore().FilePath(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, SettingsPath,
    ::testing::Values(
        PathCase{"KestoSettingsFirst", "/tmp/t/k.reg", "/cfg", "/home/ann", "/tmp/t/k.reg"},
        PathCase{"ConfigHome", nullptr, "/cfg", "/home/ann", "/cfg/Tarnwick/Kesto.reg"},
        PathCase{"EmptyKestoSettings", "", "/cfg", "/home/ann", "/cfg/Tarnwick/Kesto.reg"},
        PathCase{"Home", nullptr, nullptr, "/home/ann", "/home/ann/.config/Tarnwick/Kesto.reg"},
        PathCase{"EmptyConfigHome", nullptr, "", "/home/ann",
                 "/home/ann/.config/Tarnwick/Kesto.reg"},
        PathCase{"RelativeConfigHomeIgnored", nullptr, "cfg", "/home/ann",
                 "/home/ann/.config/Tarnwick/Kesto.reg"}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

}  // namespace
}  // namespace kesto
