#include "kesto/options/language_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "kesto/platform/file_io.h"
#include "tests/options/temp_settings.h"

namespace kesto::test {
namespace {

using LanguageTableTest = TempSettingsTest;

// Every word of the table, one language a line in table order, the twenty slots between
// bars: the printout the golden file holds. Windows-1252 bytes.
std::string WordsPrintout(const std::function<std::string(int language, int slot)>& word) {
    std::string printout;
    for (int language = 1; language <= kLanguageCount; ++language) {
        for (int slot = 0; slot < kWordSlots; ++slot) {
            printout += (slot > 0 ? "|" : "") + word(language, slot);
        }
        printout += "\n";
    }
    return printout;
}

std::string GoldenPrintout() {
    return ReadWholeFile(std::string(KESTO_TEST_DATA) + "/language/built_in_words.txt").value;
}

// The built-in words as the golden printout holds them: [language - 1][slot].
const std::vector<std::vector<std::string>>& BuiltInWords() {
    static const std::vector<std::vector<std::string>> words = [] {
        std::vector<std::vector<std::string>> table;
        std::istringstream lines(GoldenPrintout());
        for (std::string line; std::getline(lines, line);) {
            std::vector<std::string>& row = table.emplace_back();
            std::istringstream fields(line);
            for (std::string word; std::getline(fields, word, '|');) {
                row.push_back(word);
            }
        }
        return table;
    }();
    return words;
}

TEST(BuiltInWords, PrintoutIsTheGoldenFile) {
    const LanguageTable table;
    EXPECT_EQ(
        WordsPrintout([&](int language, int slot) { return table.LanguageWord(language, slot); }),
        GoldenPrintout());
    EXPECT_EQ(WordsPrintout(&LanguageTable::BuiltInWord), GoldenPrintout());
    ASSERT_EQ(BuiltInWords().size(), static_cast<std::size_t>(kLanguageCount));
    for (const std::vector<std::string>& words : BuiltInWords()) {
        EXPECT_EQ(words.size(), static_cast<std::size_t>(kWordSlots)) << words[0];
    }
}

void ExpectBuiltInExcept(const LanguageTable& table, int changedLanguage, int changedSlot,
                         const std::string& changedWord) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        for (int slot = 0; slot < kWordSlots; ++slot) {
            const bool changed = language == changedLanguage && slot == changedSlot;
            EXPECT_EQ(table.LanguageWord(language, slot),
                      changed ? changedWord : BuiltInWords()[language - 1][slot])
                << "language " << language << " slot " << slot;
        }
    }
}

TEST(LanguageTableWords, AnalysisWordsOfEachLanguageAndEnglishOutsideThem) {
    struct Case {
        int language;
        std::string_view noTrump, passedOut;
    };
    const Case cases[] = {{1, "NT", "Pass"}, {2, "UT", "Pas"},   {3, "SA", "Passe"},
                          {4, "SA", "Pas"},  {5, "SA", "Passe"}, {6, "SA", "Passo"},
                          {7, "BA", "Pas"},  {8, "NT", "Pass"},  {0, "NT", "Pass"},
                          {9, "NT", "Pass"}};
    const std::string_view english = BuiltInAnalysisWords(1).caption;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        const AnalysisWords& words = BuiltInAnalysisWords(c.language);
        EXPECT_EQ(words.par, "Par");
        EXPECT_EQ(words.noTrump, c.noTrump);
        EXPECT_EQ(words.passedOut, c.passedOut);
        // Every language says in its own words what the table's numbers are.
        EXPECT_FALSE(words.caption.empty());
        EXPECT_EQ(words.caption == english, c.language < 2 || c.language > kLanguageCount);
    }
}

TEST(LanguageTableWords, StartsInEnglishAndRefusesOutOfRange) {
    LanguageTable table;
    EXPECT_EQ(table.CurrentLanguage(), 1);
    EXPECT_EQ(table.CurrentLanguageName(), "English");
    EXPECT_EQ(table.LanguageWord(0, 1), "");
    EXPECT_EQ(table.LanguageWord(9, 1), "");
    EXPECT_EQ(table.LanguageWord(1, 20), "");
    EXPECT_EQ(table.LanguageWord(1, -1), "");
    table.SetCurrentLanguage(9);
    table.SetCurrentLanguage(0);
    EXPECT_EQ(table.CurrentLanguage(), 1);
    table.SetCurrentLanguage(8);
    EXPECT_EQ(table.CurrentLanguage(), 8);
    table.SetLanguageWord(3, 0, "German");  // a language's name never changes
    table.SetLanguageWord(9, 1, "x");
    table.SetLanguageWord(3, 5, "10");
    ExpectBuiltInExcept(table, 3, 5, "10");
}

// Each built-in name finds its language; nothing but the exact stored bytes does (the case
// and an empty name are left to the stored user language's table).
TEST(LanguageTableWords, FindLanguageIsExact) {
    const LanguageTable table;
    ASSERT_EQ(BuiltInWords().size(), static_cast<std::size_t>(kLanguageCount));
    for (int language = 1; language <= kLanguageCount; ++language) {
        EXPECT_EQ(table.FindLanguage(BuiltInWords()[language - 1][kSlotLanguageName]), language);
    }
    EXPECT_EQ(table.FindLanguage("Deutsch "), 0);
    EXPECT_EQ(table.FindLanguage("Fran\xC3\xA7"
                                 "ais"),
              0);  // UTF-8 is not the stored name
}

struct UserLanguageCase {
    const char* label;
    const char* line;  // the UserLanguage line in the file, or "" for none
    int expected;
};
void PrintTo(const UserLanguageCase& c, std::ostream* out) {
    *out << c.label;
}

class StoredUserLanguage : public LanguageTableTest,
                           public ::testing::WithParamInterface<UserLanguageCase> {};

TEST_P(StoredUserLanguage, ChoosesTheCurrentLanguage) {
    WriteRaw(path_, HiveText(GetParam().line));
    LanguageTable table;
    table.SetCurrentLanguage(6);  // start-up chooses afresh
    table.LoadFromSettings(SettingsFile{path_});
    EXPECT_EQ(table.CurrentLanguage(), GetParam().expected);
    ExpectBuiltInExcept(table, 0, 0, "");
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredUserLanguage,
    ::testing::Values(UserLanguageCase{"Missing", "", 1},
                      UserLanguageCase{"English", "\"UserLanguage\"=\"English\"\r\n", 1},
                      UserLanguageCase{"Deutsch", "\"UserLanguage\"=\"Deutsch\"\r\n", 3},
                      UserLanguageCase{"Francais",
                                       "\"UserLanguage\"=\"Fran\xE7"
                                       "ais\"\r\n",
                                       5},
                      UserLanguageCase{"Svenska", "\"UserLanguage\"=\"Svenska\"\r\n", 8},
                      UserLanguageCase{"LowerCase", "\"UserLanguage\"=\"deutsch\"\r\n", 1},
                      UserLanguageCase{"UpperCase", "\"UserLanguage\"=\"SVENSKA\"\r\n", 1},
                      UserLanguageCase{"Unknown", "\"UserLanguage\"=\"Suomi\"\r\n", 1},
                      UserLanguageCase{"Empty", "\"UserLanguage\"=\"\"\r\n", 1},
                      UserLanguageCase{"Number", "\"UserLanguage\"=dword:00000003\r\n", 1}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST_F(LanguageTableTest, NoStoredSettingsMeansEnglishBuiltInAndNoFile) {
    LanguageTable table;
    table.LoadFromSettings(SettingsFile{path_});
    EXPECT_EQ(table.CurrentLanguage(), 1);
    ExpectBuiltInExcept(table, 0, 0, "");
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

TEST_F(LanguageTableTest, SubkeyWithOnlyValueFiveChangesOnlySlotFive) {
    WriteRaw(path_,
             "REGEDIT4\r\n\r\n"
             "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Italiano]\r\n"
             "\"5\"=\"X\"\r\n\r\n");
    LanguageTable table;
    table.LoadFromSettings(SettingsFile{path_});
    ExpectBuiltInExcept(table, 6, 5, "X");
    EXPECT_EQ(table.CurrentLanguage(), 1);
}

TEST_F(LanguageTableTest, StoredWordsOfOtherTypesOrSlotsAreIgnored) {
    WriteRaw(path_,
             "REGEDIT4\r\n\r\n"
             "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Deutsch]\r\n"
             "\"0\"=\"German\"\r\n"
             "\"05\"=\"Y\"\r\n"
             "\"20\"=\"Y\"\r\n"
             "\"5\"=dword:0000000a\r\n"
             "\"19\"=\"Spiel\"\r\n\r\n");
    LanguageTable table;
    table.LoadFromSettings(SettingsFile{path_});
    ExpectBuiltInExcept(table, 3, 19, "Spiel");
}

// The word changed is stored under its language's own name, accented too, named by its slot;
// the others are as they were read, and a restart reads it back. (The option dialog's test
// does the same for a word of a language named in ASCII.)
TEST_F(LanguageTableTest, AChangedWordSurvivesARestart) {
    {
        LanguageTable table;
        const SettingsFile settings{path_};
        table.LoadFromSettings(settings);
        table.SetLanguageWord(5, kSlotBoard, "\xC9tui");
        table.WriteLanguageWords(settings, 5);
    }
    EXPECT_EQ(FileBytes(),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Fran\xE7"
              "ais]\r\n\"19\"=\"\xC9tui\"\r\n\r\n");
    LanguageTable restarted;
    restarted.LoadFromSettings(SettingsFile{path_});
    ExpectBuiltInExcept(restarted, 5, kSlotBoard, "\xC9tui");
    EXPECT_EQ(restarted.CurrentLanguage(), 1);
}

TEST_F(LanguageTableTest, RewritingWordsReplacesThemAndKeepsOtherSettings) {
    WriteRaw(path_, HiveText("\"UserLanguage\"=\"Dansk\"\r\n\"NumHands\"=dword:00000010\r\n"));
    LanguageTable table;
    {
        const SettingsFile settings{path_};
        table.LoadFromSettings(settings);
        EXPECT_EQ(table.CurrentLanguage(), 2);
        table.SetLanguageWord(2, kSlotJack, "Kn");
        table.WriteLanguageWords(settings, 2);
        table.SetLanguageWord(2, kSlotJack, "B");
        table.WriteLanguageWords(settings, 2);
    }
    LanguageTable restarted;
    restarted.LoadFromSettings(SettingsFile{path_});
    ExpectBuiltInExcept(restarted, 2, kSlotJack, "B");
    EXPECT_EQ(restarted.CurrentLanguage(), 2);
    EXPECT_EQ(SettingsStore(path_).Read(kNumHands), 16);
}

}  // namespace
}  // namespace kesto::test
