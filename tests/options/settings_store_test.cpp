#include "kesto/options/settings_store.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <type_traits>
#include <variant>

#include "tests/options/temp_settings.h"
#include "tests/support/bounded_child.h"
#include "tests/support/case_name.h"

namespace kesto::test {
namespace {

using SettingsStoreTest = TempSettingsTest;

std::string_view NameOf(const SettingEntry& entry) {
    return std::visit([](const auto* setting) { return setting->name; }, entry);
}

// What the program reads for one value, as text for easy comparison.
std::string ReadAsText(const SettingsStore& store, const SettingEntry& entry) {
    return std::visit(
        [&store](const auto* setting) -> std::string {
            using Setting = std::remove_cvref_t<decltype(*setting)>;
            if constexpr (std::is_same_v<Setting, IntegerSetting>) {
                return std::to_string(store.Read(*setting));
            } else if constexpr (std::is_same_v<Setting, BoolSetting>) {
                return store.Read(*setting) ? "true" : "false";
            } else {
                return store.Read(*setting);
            }
        },
        entry);
}

std::string DefaultAsText(const SettingEntry& entry) {
    return std::visit(
        [](const auto* setting) -> std::string {
            using Setting = std::remove_cvref_t<decltype(*setting)>;
            if constexpr (std::is_same_v<Setting, IntegerSetting>) {
                return std::to_string(setting->defaultValue);
            } else if constexpr (std::is_same_v<Setting, BoolSetting>) {
                return setting->defaultValue ? "true" : "false";
            } else {
                return std::string(setting->defaultValue);
            }
        },
        entry);
}

// Value names compare without regard to ASCII case in the file, so two entries must differ by
// more than case.
TEST(SettingsTable, NamesAreUniqueWithoutRegardToCase) {
    std::set<std::string> seen;
    for (const SettingEntry& entry : kAllSettings) {
        std::string folded(NameOf(entry));
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(seen.insert(folded).second) << NameOf(entry);
    }
}

TEST(SettingsTable, EveryNumberHasARangeHoldingItsDefault) {
    for (const SettingEntry& entry : kAllSettings) {
        if (const auto* const* number = std::get_if<const IntegerSetting*>(&entry)) {
            SCOPED_TRACE((*number)->name);
            EXPECT_LE((*number)->min, (*number)->max);
            EXPECT_TRUE((*number)->InRange((*number)->defaultValue));
        }
    }
}

TEST(SettingsTable, FontSlotsUseTheirOwnEntriesOfTheTable) {
    std::set<std::string_view> used;
    for (const FontSlotSettings& slot : kFontSlotSettings) {
        for (const std::string_view name : {slot.font.name, slot.size.name, slot.style.name}) {
            EXPECT_TRUE(used.insert(name).second) << name;
        }
        if (slot.symbols != nullptr) {
            EXPECT_TRUE(used.insert(slot.symbols->name).second) << slot.symbols->name;
        }
    }
    for (const std::string_view name : used) {
        EXPECT_EQ(std::count_if(std::begin(kAllSettings), std::end(kAllSettings),
                                [name](const SettingEntry& e) { return NameOf(e) == name; }),
                  1)
            << name;
    }
}

TEST_F(SettingsStoreTest, FirstRunReadsEveryDefaultAndWritesNothing) {
    {
        SettingsStore store(path_);
        for (const SettingEntry& entry : kAllSettings) {
            SCOPED_TRACE(NameOf(entry));
            EXPECT_EQ(ReadAsText(store, entry), DefaultAsText(entry));
        }
        // Each default written back as it was read is no change.
        store.Write(kNumHands, kNumHands.defaultValue);
        store.Write(kUserLanguage, kUserLanguage.defaultValue);
    }
    // Reading alone leaves no file; the key reaches the file with the first value written.
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

// The first write makes the folder, the file and the key.
TEST_F(SettingsStoreTest, FileIsWrittenByteForByte) {
    {
        SettingsStore store(path_);
        store.Write(kNumHands, 30);
        store.Write(kCurtains, true);
        store.Write(kStatsWithHtml, false);
        store.Write(kDateFormat, -1);
        store.Write(kUserLanguage,
                    "Fran\xE7"
                    "ais");
        store.Write(kGifDirectory, "C:\\Web\\\"x\"");
        store.Write(kNumHands, 24);  // a second write replaces the value in its place
    }
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
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

std::string DwordLine(std::string_view name, std::int32_t number) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<std::uint32_t>(number));
    return "\"" + std::string(name) + "\"=dword:" + digits + "\r\n";
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
    SettingsStore(path_).Write(kGifDirectory, GetParam().value);
    EXPECT_EQ(SettingsStore(path_).ReadStringDef("GIFDirectory", "default"), GetParam().value);
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

// A font size may be any number, so every number goes through the file and back unchanged.
TEST_P(SettingsIntegerRoundTrip, ReadsBackWhatWasWritten) {
    SettingsStore(path_).Write(kHeader1Size, GetParam());
    EXPECT_EQ(FileBytes(), HiveText(DwordLine(kHeader1Size.name, GetParam())));
    EXPECT_EQ(SettingsStore(path_).Read(kHeader1Size), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Numbers, SettingsIntegerRoundTrip,
                         ::testing::Values(0, 1, 30, 500, -1, INT32_MIN, INT32_MAX),
                         [](const auto& testInfo) { return NumberName(testInfo.param); });

struct StoredValueCase {
    const char* label;
    const char* line;  // the value's line in the file
    SettingEntry asked;
    std::string expected;  // as ReadAsText gives it
};
// GIFDirectory with a default that a wrongly read number could not give.
constexpr StringSetting kGifDirectoryOrNone{kGifDirectory.name, "none"};

void PrintTo(const StoredValueCase& c, std::ostream* out) {
    *out << c.label;
}

class SettingsStoredValue : public SettingsStoreTest,
                            public ::testing::WithParamInterface<StoredValueCase> {};

TEST_P(SettingsStoredValue, ReadsAsExpected) {
    WriteRaw(path_, HiveText(GetParam().line));
    const SettingsStore store(path_);
    EXPECT_EQ(ReadAsText(store, GetParam().asked), GetParam().expected);
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsStoredValue,
    ::testing::Values(
        // A value of another type than the one asked for reads as the default.
        StoredValueCase{"IntegerStoredAsText", "\"NumHands\"=\"40\"\r\n", &kNumHands, "30"},
        StoredValueCase{"BooleanStoredAsText", "\"Curtains\"=\"1\"\r\n", &kCurtains, "false"},
        StoredValueCase{"TrueBooleanStoredAsText", "\"PrintVulDeal\"=\"0\"\r\n", &kPrintVulDeal,
                        "true"},
        StoredValueCase{"TextStoredAsNumber", "\"GIFDirectory\"=dword:00000005\r\n",
                        &kGifDirectoryOrNone, "none"},
        StoredValueCase{"LanguageStoredAsNumber", "\"UserLanguage\"=dword:00000003\r\n",
                        &kUserLanguage, "English"},
        // A number outside its entry's range reads as the entry says (more in
        // SettingsOutsideRange below).
        StoredValueCase{"DateFormatSix", "\"DateFormat\"=dword:00000006\r\n", &kDateFormat, "0"},
        StoredValueCase{"DateFormatMinusOne", "\"DateFormat\"=dword:ffffffff\r\n", &kDateFormat,
                        "0"},
        StoredValueCase{"AnyNonZeroIsTrue", "\"Curtains\"=dword:00000100\r\n", &kCurtains, "true"},
        StoredValueCase{"ZeroIsFalse", "\"UserWantsColor\"=dword:00000000\r\n", &kUserWantsColor,
                        "false"},
        StoredValueCase{"StyleKeepsItsLowByte", "\"Header1Style\"=dword:00000103\r\n",
                        &kHeader1Style, "3"},
        StoredValueCase{"EmptyTextIsUsed", "\"Header1Font\"=\"\"\r\n", &kHeader1Font, ""},
        StoredValueCase{"NameInOtherCase", "\"numhands\"=dword:00000007\r\n", &kNumHands, "7"}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

// A hand-edited or foreign file with numbers outside what their controls can show: each reads
// as a number the control shows and the program acts on. Counts go to the nearer end as their
// up-down controls show them; item indices read as the item the program takes any other
// number for (a curtain collation but 0 prints by board, a size but 0 and 2 prints 5 x 7 cm,
// an unknown date format or file kind is the first); a style keeps its low byte.
struct OutsideRangeCase {
    const IntegerSetting* setting;
    std::int32_t stored;
    std::int32_t read;
};

std::vector<OutsideRangeCase> OutsideRangeCases() {
    std::vector<OutsideRangeCase> cases = {
        {&kNumHands, 0, 1},
        {&kNumHands, 501, 500},
        {&kNumHands, INT32_MIN, 1},
        {&kNumCopies, -1, 0},
        {&kNumCopies, 1001, 1000},
        {&kNumIndividualSets, -4, 0},
        {&kNumIndividualSets, 101, 100},
        {&kNumStatSheets, -1, 0},
        {&kNumStatSheets, INT32_MAX, 1000},
        {&kDateFormat, -1, 0},
        {&kDateFormat, 6, 0},
        {&kNumberOfIndividualSets, -1, 0},
        {&kNumberOfIndividualSets, 150, 100},
        {&kFileType, -1, 0},
        {&kFileType, 9, 0},
        {&kCurtainCollation, -1, 1},
        {&kCurtainCollation, 2, 1},
        {&kCurtainDimensions, -1, 1},
        {&kCurtainDimensions, 3, 1},
        {&kCurtainOrientation, -1, 0},
        {&kCurtainOrientation, 2, 0},
    };
    for (const FontSlotSettings& slot : kFontSlotSettings) {
        cases.push_back({&slot.style, -2, 254});
        cases.push_back({&slot.style, 0x102, 2});
    }
    cases.push_back({&kHeader1Style, INT32_MIN, 0});
    return cases;
}

TEST_F(SettingsStoreTest, StoredNumbersOutsideTheirRangeReadAsTheirControlsShowThem) {
    for (const OutsideRangeCase& c : OutsideRangeCases()) {
        SCOPED_TRACE(std::string(c.setting->name) + " " + std::to_string(c.stored));
        ASSERT_FALSE(c.setting->InRange(c.stored));
        WriteRaw(path_, HiveText(DwordLine(c.setting->name, c.stored)));
        EXPECT_EQ(SettingsStore(path_).Read(*c.setting), c.read);
        EXPECT_TRUE(c.setting->InRange(c.read));
    }
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

// Every number with a range narrower than all numbers has a case above and below it, so an
// entry added to the table without a rule for its outside is noticed here.
TEST(SettingsTable, EveryRangedNumberIsCoveredOnBothSides) {
    for (const SettingEntry& entry : kAllSettings) {
        const auto* const* number = std::get_if<const IntegerSetting*>(&entry);
        if (number == nullptr || ((*number)->min == INT32_MIN && (*number)->max == INT32_MAX)) {
            continue;
        }
        SCOPED_TRACE((*number)->name);
        const std::vector<OutsideRangeCase> cases = OutsideRangeCases();
        const auto has = [&](auto side) {
            return std::any_of(cases.begin(), cases.end(), [&](const OutsideRangeCase& c) {
                return c.setting == *number && side(c.stored);
            });
        };
        EXPECT_TRUE(has([&](std::int32_t v) { return v < (*number)->min; }));
        EXPECT_TRUE(has([&](std::int32_t v) { return v > (*number)->max; }));
    }
}

TEST_F(SettingsStoreTest, ALanguageSubkeyReachesTheFileWithItsFirstValue) {
    const std::string deutsch = std::string(kSettingsKey) + "\\Deutsch";
    EXPECT_EQ(SettingsStore(SettingsFile{path_}, deutsch).ReadStringDef("5", "none"), "none");
    SettingsStore(SettingsFile{path_}, deutsch).WriteString("5", "Z");
    EXPECT_EQ(FileBytes(),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Deutsch]\r\n"
              "\"5\"=\"Z\"\r\n\r\n");
    EXPECT_EQ(SettingsStore(SettingsFile{path_}, deutsch).ReadStringDef("5", ""), "Z");
    // The settings key, the subkey's parent, does not hold its values.
    EXPECT_EQ(SettingsStore(path_).ReadStringDef("5", "none"), "none");
}

TEST_F(SettingsStoreTest, AKeyPathThatIsNoneTakesNoWrites) {
    {
        SettingsStore store(SettingsFile{path_}, "Software\\\\Tarnwick");
        store.Write(kNumHands, 3);
        EXPECT_EQ(store.Read(kNumHands), 30);
    }
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(SettingsStoreTest, OverlappingStoresKeepEachOthersWrites) {
    {
        SettingsStore first(path_);
        SettingsStore(path_).Write(kNumCopies, 4);
        first.Write(kNumHands, 16);
        EXPECT_EQ(first.Read(kNumHands), 16);  // its own write, before it goes
    }
    const SettingsStore reader(path_);
    EXPECT_EQ(reader.Read(kNumCopies), 4);
    EXPECT_EQ(reader.Read(kNumHands), 16);
}

// Two windows on one file, each with its own SettingsFile. Window A reads NumHands when it
// starts (or not), window B then saves a value of its own, and A writes its value back as it
// closes: only a change of A's own goes over B's.
TEST_F(SettingsStoreTest, AWindowWritesBackOnlyWhatItChanged) {
    const struct {
        const char* label;
        bool aReads;
        std::optional<std::int32_t> bWrites;
        std::int32_t aWrites;
        std::int32_t stored;
    } cases[] = {
        {"UnchangedInAKeepsB", true, 20, 30, 20},
        {"ChangedInAGoesOverB", true, 20, 24, 24},
        {"ChangedInAAlone", true, std::nullopt, 24, 24},
        {"NeverReadByA", false, 20, 30, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove(path_);
        const SettingsFile windowA{path_}, windowB{path_};
        if (c.aReads) {
            EXPECT_EQ(SettingsStore(windowA).Read(kNumHands), 30);
        }
        if (c.bWrites) {
            SettingsStore store(windowB);
            store.Read(kNumHands);
            store.Write(kNumHands, *c.bWrites);
        }
        {
            SettingsStore store(windowA);
            store.Write(kNumHands, c.aWrites);
        }
        EXPECT_EQ(FileBytes(), HiveText(DwordLine(kNumHands.name, c.stored)));
    }
}

TEST_F(SettingsStoreTest, BrokenFileIsKeptAsideWithOneNoticeAndDefaultsAreUsed) {
    const std::string broken = "REGEDIT4\r\n\"NumHands\"=dword:00000010\r\n\x01\x02garbage";
    WriteRaw(path_, broken);
    EXPECT_EQ(SettingsStore(path_).Read(kNumHands), 30);
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
    SettingsStore(path_).Write(kNumHands, 20);
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
        {
            SettingsStore store(path);
            store.Write(kNumHands, 10);
            EXPECT_EQ(store.Read(kNumHands), 10);
        }
        EXPECT_EQ(SettingsStore(path).Read(kNumHands), 30);
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
    {
        SettingsStore store(path_);
        EXPECT_EQ(store.Read(kUserLanguage), "English");
        store.Write(kUserLanguage, "Dansk");
    }
    EXPECT_TRUE(std::filesystem::is_directory(path_ + "/inside"));
    const std::vector<std::string> notices = TakeSettingsNotices();
    ASSERT_EQ(notices.size(), 1U);
    EXPECT_NE(notices[0].find(path_), std::string::npos) << notices[0];
    EXPECT_NE(notices[0].find("will not save"), std::string::npos) << notices[0];
}

// Something at the settings file's place that no settings can be read from: the store uses
// its defaults at once (no wait on a pipe, no read of an endless device or a huge file), tells
// the user once, never writes there, and moves aside only a regular file: a pipe or a device is
// nobody's settings and renaming one (as root, /dev/zero itself) would do harm.
struct UnusableFileCase {
    const char* label;
    std::function<std::string(const std::string& path)> make;  // gives the path to use
    const char* noticePart;
    bool keptAside;
};
void PrintTo(const UnusableFileCase& c, std::ostream* out) {
    *out << c.label;
}

class SettingsUnusableFile : public SettingsStoreTest,
                             public ::testing::WithParamInterface<UnusableFileCase> {};

TEST_P(SettingsUnusableFile, GivesDefaultsAndOneNoticeAndIsNeverWritten) {
    std::filesystem::create_directories(folder_ + "/Tarnwick");
    const std::string path = GetParam().make(path_);
    ASSERT_FALSE(path.empty());
    const std::string noticePart = GetParam().noticePart;
    const bool keptAside = GetParam().keptAside;
    const std::string folder = folder_ + "/Tarnwick";
    EXPECT_TRUE(RunsWithinBounds(
        [&]() -> std::string {
            for (int run = 0; run < 2; ++run) {
                SettingsStore store(path);
                // A file moved aside leaves the place free: the second run reads the first's
                // write there.
                const std::int32_t expected = run == 1 && keptAside ? 12 : kNumHands.defaultValue;
                if (store.Read(kNumHands) != expected ||
                    store.Read(kUserLanguage) != kUserLanguage.defaultValue) {
                    return "not the values expected in run " + std::to_string(run);
                }
                store.Write(kNumHands, 12);
            }
            const std::vector<std::string> notices = TakeSettingsNotices();
            if (notices.size() != 1) {
                return std::to_string(notices.size()) + " notices";
            }
            if (notices[0].find(path) == std::string::npos ||
                notices[0].find(noticePart) == std::string::npos) {
                return "notice: " + notices[0];
            }
            std::size_t aside = 0;
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                aside += entry.path().filename().string().find(".broken-") != std::string::npos;
            }
            return aside == (keptAside ? 1U : 0U) ? "" : std::to_string(aside) + " kept aside";
        },
        20, std::size_t{512} << 20));
    // A pipe stays a pipe, a link a link: never replaced by a written file.
    EXPECT_EQ(std::filesystem::is_fifo(path), std::string(GetParam().label) == "NamedPipe");
    EXPECT_EQ(std::filesystem::is_symlink(path),
              std::string(GetParam().label) == "LinkToABrokenFile");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SettingsUnusableFile,
    ::testing::Values(UnusableFileCase{"NamedPipe",
                                       [](const std::string& path) {
                                           return ::mkfifo(path.c_str(), 0600) == 0 ? path : "";
                                       },
                                       "could not be read (it is a named pipe, not a file)", false},
                      UnusableFileCase{"EndlessDevice",
                                       [](const std::string&) { return std::string("/dev/zero"); },
                                       "could not be read (it is a device, not a file)", false},
                      UnusableFileCase{"GigabyteFile",
                                       [](const std::string& path) {
                                           std::ofstream(path) << "REGEDIT4\r\n";
                                           return ::truncate(path.c_str(), off_t{1} << 30) == 0
                                                      ? path
                                                      : "";
                                       },
                                       "is damaged (it holds 1073741824 bytes", true},
                      // The file goes aside beside itself, and the link stays to take the next
                      // save.
                      UnusableFileCase{"LinkToABrokenFile",
                                       [](const std::string& path) {
                                           std::ofstream(path + ".real") << "no hive";
                                           std::filesystem::create_symlink("Kesto.reg.real", path);
                                           return path;
                                       },
                                       "Kesto.reg.real.broken-", true}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

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

// Each variable reaches the choice, an empty one as none; the choice's own rules are
// SettingsChoice's.
class SettingsPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, FollowsTheEnvironment) {
    const EnvironmentGuard kesto("KESTO_SETTINGS");
    const EnvironmentGuard config("XDG_CONFIG_HOME");
    const EnvironmentGuard home("HOME");
    kesto.Set(GetParam().kestoSettings);
    config.Set(GetParam().configHome);
    home.Set(GetParam().home);
    EXPECT_EQ(SettingsFilePath(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Environment, SettingsPath,
                         ::testing::Values(PathCase{"KestoSettingsFirst", "/tmp/t/k.reg", "/cfg",
                                                    "/home/ann", "/tmp/t/k.reg"},
                                           PathCase{"ConfigHome", "", "/cfg", "/home/ann",
                                                    "/cfg/Tarnwick/Kesto.reg"},
                                           PathCase{"Home", nullptr, "", "/home/ann",
                                                    "/home/ann/.config/Tarnwick/Kesto.reg"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.label); });

struct ChoiceCase {
    const char* label;
    SettingsEnvironment environment;
    const char* path;
    bool told;  // the user gets a notice saying where the settings go
};
void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.label;
}

class SettingsChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(SettingsChoice, FollowsTheEnvironmentAndTheAccount) {
    const SettingsLocation location = ChooseSettingsFile(GetParam().environment);
    EXPECT_EQ(location.path, GetParam().path);
    if (GetParam().told) {
        EXPECT_NE(location.notice.find("keeps them in " + location.path + "."), std::string::npos)
            << location.notice;
    } else {
        EXPECT_EQ(location.notice, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Environment, SettingsChoice,
    ::testing::Values(
        ChoiceCase{"KestoSettingsFirst",
                   {"/k.reg", "/cfg", "/home/ann", "/home/acc", "/w"},
                   "/k.reg",
                   false},
        ChoiceCase{"HomeBeforeTheAccount",
                   {"", "", "/home/ann", "/home/acc", "/w"},
                   "/home/ann/.config/Tarnwick/Kesto.reg",
                   false},
        ChoiceCase{"AccountWithoutHome",
                   {"", "", "", "/home/acc", "/w"},
                   "/home/acc/.config/Tarnwick/Kesto.reg",
                   false},
        ChoiceCase{
            "ConfigHomeWithoutHome", {"", "/cfg", "", "", "/w"}, "/cfg/Tarnwick/Kesto.reg", false},
        ChoiceCase{"RelativeConfigHomeAndAccount",
                   {"", "cfg", "", "/home/acc", "/w"},
                   "/home/acc/.config/Tarnwick/Kesto.reg",
                   false},
        ChoiceCase{"NoHomeAtAll", {"", "", "", "", "/srv/club"}, "/srv/club/Kesto.reg", true},
        ChoiceCase{"NoHomeInTheRoot", {"", "", "", "", "/"}, "/Kesto.reg", true},
        ChoiceCase{"NoHomeAndNoFolder", {"", "", "", "", ""}, "./Kesto.reg", true}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

// The program itself with HOME and XDG_CONFIG_HOME unset (in a child, so this process keeps its
// environment): the settings go to the account's home folder, not the current folder, and
// nobody needs telling.
TEST(SettingsFilePathWithoutHome, UsesTheAccountsHomeFolder) {
    const passwd* account = ::getpwuid(::getuid());
    if (account == nullptr || account->pw_dir == nullptr || account->pw_dir[0] != '/') {
        GTEST_SKIP() << "this account has no home folder in the password database";
    }
    const std::string expected = std::string(account->pw_dir) + "/.config/Tarnwick/Kesto.reg";
    EXPECT_TRUE(RunsWithinBounds(
        [&expected]() -> std::string {
            ::unsetenv("KESTO_SETTINGS");
            ::unsetenv("XDG_CONFIG_HOME");
            ::unsetenv("HOME");
            TakeSettingsNotices();
            const std::string path = SettingsFilePath();
            if (path != expected) {
                return "path " + path;
            }
            return TakeSettingsNotices().empty() ? "" : "a notice";
        },
        10, std::size_t{512} << 20));
}

}  // namespace
}  // namespace kesto::test
