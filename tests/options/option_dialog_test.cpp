#include "kesto/options/option_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kesto/options/font_slots.h"
#include "kesto/options/settings_table.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/registry_hive.h"
#include "tests/options/scripted_option_view.h"
#include "tests/options/stored_value.h"
#include "tests/support/case_name.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

using test::ScriptedOptionView;

constexpr int kEnglish = 1, kDansk = 2, kDeutsch = 3, kDutch = 4, kItaliano = 6, kSvenska = 8;

// One run of the program as far as the options dialog goes: the language table, the window
// and the dialog, created as at start-up on one settings file.
struct ProgramRun {
    explicit ProgramRun(const std::string& settingsPath)
        : dialog(view, languages, SettingsFile{settingsPath}) {
        dialog.FormCreate();
    }
    void Type(int field, const std::string& text) {
        dialog.EditKeyPress(field);
        dialog.EditChange(field, text);
    }
    LanguageTable languages;
    ScriptedOptionView view;
    TOptionDlg dialog;
};

class OptionDialogTest : public ::testing::Test {
  protected:
    std::unique_ptr<ProgramRun> Start() { return std::make_unique<ProgramRun>(path_); }

    std::optional<RegistryHive> Hive() const {
        const StatusOr<std::string> file = ReadWholeFile(path_);
        if (!file.status.Ok()) {
            return std::nullopt;
        }
        StatusOr<RegistryHive> parsed = RegistryHive::Parse(file.value);
        if (!parsed.status.Ok()) {
            return std::nullopt;
        }
        return std::move(parsed.value);
    }
    static std::string Full(std::string_view key) {
        return std::string(kHiveRoot) + "\\" + std::string(key);
    }

    template <typename Setting, typename Value>
    void Store(const Setting& setting, const Value& value) {
        SettingsStore(path_).Write(setting, value);
    }

    ScratchFolder folder_;
    std::string path_ = folder_.Path("Kesto.reg");
};

// The dialog's values at the first run, as FormCreate shows them.
TEST_F(OptionDialogTest, FirstRunShowsTheDefaultsAndEnglish) {
    auto run = Start();
    EXPECT_TRUE(run->view.showDlrVul);
    EXPECT_TRUE(run->view.useColor);
    EXPECT_EQ(run->view.gifLocation, "");
    for (std::size_t row = 0; row < kOptionBoxes.size(); ++row) {
        EXPECT_EQ(run->view.optionBoxes[row], kOptionBoxes[row].setting.defaultValue);
        EXPECT_EQ(run->dialog.Checked(kOptionBoxes[row].setting), run->view.optionBoxes[row]);
    }
    EXPECT_EQ(run->view.collation, 0);
    EXPECT_EQ(run->view.dimensions, 1);
    EXPECT_EQ(run->view.orientation, 0);
    EXPECT_EQ(run->languages.CurrentLanguage(), kEnglish);
    EXPECT_EQ(run->view.languageIndex, 0);
    ASSERT_EQ(run->view.languageNames.size(), 8u);
    EXPECT_EQ(run->view.languageNames[4],
              "Fran\xE7"
              "ais");
    EXPECT_EQ(run->view.wordFields[5], "T");
    EXPECT_EQ(run->view.wordFields[19], "Board");
    EXPECT_EQ(run->dialog.FontSlots(), FontSlots());
    EXPECT_FALSE(std::filesystem::exists(path_));  // reading alone leaves no file
}

TEST_F(OptionDialogTest, EveryOptionBoxSurvivesARestartAndCanBeTurnedOffAgain) {
    for (std::size_t row = 0; row < kOptionBoxes.size(); ++row) {
        for (const bool wanted : {true, false}) {
            {
                auto run = Start();
                run->dialog.OptionBoxClick(kOptionBoxes[row].setting, wanted);
                EXPECT_EQ(run->dialog.Checked(kOptionBoxes[row].setting), wanted);
                run->dialog.FormDestroy();
            }
            auto run = Start();
            EXPECT_EQ(run->view.optionBoxes[row], wanted);
            EXPECT_EQ(run->dialog.Checked(kOptionBoxes[row].setting), wanted);
        }
    }
}

// Two windows on one settings file: the first started leaves what the second saved (a choice
// clicked again as it was read is no change), but what it changed itself goes over it.
TEST_F(OptionDialogTest, EachWindowWritesBackOnlyWhatItChanged) {
    auto first = Start();
    {
        auto second = Start();
        second->dialog.OptionBoxClick(kSecureDealing, true);
        second->dialog.CollationRadioGroupClick(kCollateByBoard);
        second->dialog.FormDestroy();
    }
    first->dialog.DimensionRadioGroupClick(kCurtain5x8);
    first->dialog.CollationRadioGroupClick(kCollateByPosition);
    first->dialog.FormDestroy();
    auto third = Start();
    EXPECT_TRUE(third->dialog.SecureDealing());
    EXPECT_EQ(third->dialog.CurtainDimensions(), kCurtain5x8);
    EXPECT_EQ(third->dialog.CurtainCollation(), kCollateByBoard);
}

TEST_F(OptionDialogTest, DutchKingChangedIsStoredAloneAndSurvivesARestart) {
    {
        auto run = Start();
        run->dialog.ComboBox1Change(kDutch - 1);
        EXPECT_EQ(run->view.wordFields[2], "H");
        run->Type(2, "K");
        run->dialog.OKBtnClick();
        EXPECT_EQ(run->languages.LanguageWord(kDutch, kSlotKing), "K");
        EXPECT_EQ(run->languages.CurrentLanguage(), kDutch);
        run->dialog.FormDestroy();
    }
    // The other eighteen words are as they were: no change to store.
    EXPECT_EQ(KeyLines(ReadWholeFile(path_).value, Full(LanguageSubkey("Dutch"))),
              "\"" + std::to_string(kSlotKing) + "\"=\"K\"\r\n");

    auto again = Start();
    EXPECT_EQ(again->languages.CurrentLanguage(), kDutch);
    EXPECT_EQ(again->view.languageIndex, kDutch - 1);
    EXPECT_EQ(again->languages.LanguageWord(kDutch, kSlotKing), "K");
    EXPECT_EQ(again->languages.LanguageWord(kDutch, kSlotQueen), "V");
    EXPECT_EQ(again->view.wordFields[2], "K");
    EXPECT_EQ(again->view.wordFields[19], "Spel");
}

TEST_F(OptionDialogTest, TypingAndRestoringTheOldTextWritesNothing) {
    auto run = Start();
    run->Type(3, "Qx");
    run->Type(3, "Q");
    run->dialog.OKBtnClick();
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_TRUE(run->view.messages.empty());
}

TEST_F(OptionDialogTest, SwitchingTheLanguageLosesUnconfirmedWords) {
    auto run = Start();
    run->dialog.ComboBox1Change(kDansk - 1);
    run->Type(1, "Es");
    run->dialog.ComboBox1Change(kSvenska - 1);
    EXPECT_EQ(run->view.wordFields[1], "E");
    EXPECT_EQ(run->view.wordFields[4], "Kn");
    run->Type(4, "Kn.");
    run->dialog.OKBtnClick();

    EXPECT_EQ(run->languages.LanguageWord(kDansk, kSlotAce), "E");
    EXPECT_EQ(run->languages.LanguageWord(kSvenska, kSlotJack), "Kn.");
    const auto hive = Hive();
    ASSERT_TRUE(hive);
    EXPECT_EQ(KeyLines(hive->Serialise(), Full(LanguageSubkey("Dansk"))), "");
    const RegistryValue* jack = hive->FindValue(Full(LanguageSubkey("Svenska")), "4");
    ASSERT_NE(jack, nullptr);
    EXPECT_EQ(jack->text, "Kn.");
}

TEST_F(OptionDialogTest, PastedWordsWithoutAKeyPressAreStoredToo) {
    auto run = Start();
    run->dialog.EditChange(18, "Dl");
    run->dialog.OKBtnClick();
    EXPECT_EQ(run->languages.LanguageWord(kEnglish, kSlotDealerShort), "Dl");
    const auto hive = Hive();
    ASSERT_TRUE(hive);
    EXPECT_NE(hive->FindValue(Full(LanguageSubkey("English")), "18"), nullptr);
}

struct LanguageMessageCase {
    const char* name;
    const char* storedLanguage;  // nullptr: none stored
    int chosen;                  // language chosen in the combo box before the first OK
    int messagesAfterFirstOk;    // a later OK without touching the language page adds none
};

class LanguageMessage : public OptionDialogTest,
                        public ::testing::WithParamInterface<LanguageMessageCase> {};

TEST_P(LanguageMessage, ComesOnlyWhenTheLanguageChanges) {
    const LanguageMessageCase& c = GetParam();
    if (c.storedLanguage != nullptr) {
        Store(kUserLanguage, c.storedLanguage);
    }
    auto run = Start();
    run->dialog.ComboBox1Change(c.chosen - 1);
    run->dialog.OKBtnClick();
    EXPECT_EQ(run->languages.CurrentLanguage(), c.chosen);
    EXPECT_EQ(static_cast<int>(run->view.messages.size()), c.messagesAfterFirstOk);
    run->dialog.FormShow();
    run->dialog.OKBtnClick();
    ASSERT_EQ(static_cast<int>(run->view.messages.size()), c.messagesAfterFirstOk);
    for (const std::string& message : run->view.messages) {
        EXPECT_EQ(message, kChangedLanguageMessage);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LanguageMessage,
    ::testing::Values(LanguageMessageCase{"EnglishToItaliano", nullptr, kItaliano, 1},
                      LanguageMessageCase{"DeutschToEnglish", "Deutsch", kEnglish, 0},
                      LanguageMessageCase{"DeutschStaysDeutsch", "Deutsch", kDeutsch, 0},
                      LanguageMessageCase{"DeutschToDutch", "Deutsch", kDutch, 1},
                      LanguageMessageCase{"EnglishStaysEnglish", nullptr, kEnglish, 0},
                      LanguageMessageCase{"CaseDiffersReadsEnglish", "deutsch", kDeutsch, 1}),
    CaseName());

// Cancel puts every page back as the dialog was shown, controls and stored values alike; what
// an earlier OK kept stays.
TEST_F(OptionDialogTest, CancelUndoesEveryPage) {
    auto run = Start();
    run->dialog.GIFLocationEditChange("gifs");
    run->dialog.OKBtnClick();
    run->dialog.FormShow();
    run->dialog.ComboBox1Change(kItaliano - 1);
    run->Type(1, "X");
    run->dialog.ListBox1Click(kFontBoardNumber);
    const bool bold = (FontSlots::Default(kFontBoardNumber).FontStyle & kFontBold) != 0;
    run->dialog.BoldButtonClick(!bold);
    run->dialog.FontSizeComboBoxChange("30");
    run->dialog.CollationRadioGroupClick(kCollateByBoard);
    run->dialog.DimensionRadioGroupClick(kCurtain5x8);
    run->dialog.CurtainOrientationRadioGroupClick(kCurtainLandscape);
    run->dialog.ShowDlrVulCheckBoxClick(false);
    run->dialog.UseColorCheckBoxClick(false);
    run->dialog.GIFLocationEditChange("elsewhere");
    run->dialog.OptionBoxClick(kShowMakeableContracts, true);
    run->dialog.CancelBtnClick();

    EXPECT_EQ(run->languages.CurrentLanguage(), kEnglish);
    EXPECT_EQ(run->view.languageIndex, kEnglish - 1);
    EXPECT_EQ(run->view.wordFields[1], "A");
    EXPECT_EQ(run->dialog.FontSlots(), FontSlots());
    EXPECT_EQ(run->view.boldDown, bold);  // the board number's own style, shown again
    EXPECT_EQ(run->dialog.CurtainCollation(), kCollateByPosition);
    EXPECT_EQ(run->view.collation, kCollateByPosition);
    EXPECT_EQ(run->view.dimensions, kCurtain5x7);
    EXPECT_EQ(run->view.orientation, kCurtainPortrait);
    EXPECT_TRUE(run->view.showDlrVul);
    EXPECT_TRUE(run->view.useColor);
    EXPECT_EQ(run->dialog.GIFLocation(), "gifs");
    EXPECT_EQ(run->view.gifLocation, "gifs");
    EXPECT_FALSE(run->dialog.ShowMakeableContracts());
    EXPECT_FALSE(run->view.optionBoxes[1]);
    EXPECT_TRUE(run->view.messages.empty());
    // The printing library reads the two at once: they are stored back too.
    const SettingsStore printing(SettingsFile{path_, SettingsAccess::ReadOnly});
    EXPECT_TRUE(printing.Read(kPrintVulDeal));
    EXPECT_TRUE(printing.Read(kUserWantsColor));
}

// The printing library reads these two from the settings file when a printout starts: a click
// stores them at once, before OK or Cancel and long before the dialog is destroyed.
TEST_F(OptionDialogTest, DealerAndColorBoxesAreStoredWhenClicked) {
    struct Case {
        const char* name;
        void (TOptionDlg::*click)(bool);
        bool printVulDeal;
        bool userWantsColor;
    };
    const Case cases[] = {
        {"dealer and vulnerability", &TOptionDlg::ShowDlrVulCheckBoxClick, false, true},
        {"colors", &TOptionDlg::UseColorCheckBoxClick, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path_);
        auto run = Start();
        (run->dialog.*c.click)(false);
        {
            const SettingsStore printing(SettingsFile{path_, SettingsAccess::ReadOnly});
            EXPECT_EQ(printing.Read(kPrintVulDeal), c.printVulDeal);
            EXPECT_EQ(printing.Read(kUserWantsColor), c.userWantsColor);
        }
        // The one clicked is stored, the other is not: it did not change.
        EXPECT_EQ(KeyLines(ReadWholeFile(path_).value, Full(kSettingsKey)),
                  std::string("\"") + (c.printVulDeal ? "UserWantsColor" : "PrintVulDeal") +
                      "\"=dword:00000000\r\n");
        // Ticked again, the file follows.
        (run->dialog.*c.click)(true);
        const SettingsStore again(SettingsFile{path_, SettingsAccess::ReadOnly});
        EXPECT_TRUE(again.Read(kPrintVulDeal));
        EXPECT_TRUE(again.Read(kUserWantsColor));
    }
}

TEST_F(OptionDialogTest, StoredTypefaceTheSystemLacksKeepsItsNameWithoutASample) {
    Store(kHeader1Font, "Tarnwick Gothic");
    auto run = Start();
    run->dialog.FormShow();
    EXPECT_EQ(run->view.fontListIndex, 0);
    EXPECT_EQ(run->view.typefaceIndex, -1);
    EXPECT_TRUE(run->view.samples.empty());
    EXPECT_EQ(run->view.fontSizeText, "14");
    EXPECT_TRUE(run->view.boldDown);
    run->dialog.FormDestroy();

    auto again = Start();
    EXPECT_EQ(again->dialog.FontSlots()[kFontHeaderLine1].FontName, "Tarnwick Gothic");
}

TEST_F(OptionDialogTest, TypefaceListIsSortedAndSelectsTheSlotsFace) {
    auto run = Start();
    run->dialog.FormShow();
    const std::vector<std::string> sorted = {"Arial", "Courier New", "DejaVu Sans",
                                             "Liberation Serif"};
    EXPECT_EQ(run->view.typefaceNames, sorted);
    EXPECT_EQ(run->view.typefaceIndex, 0);
    ASSERT_EQ(run->view.samples.size(), 1u);
    EXPECT_EQ(run->view.samples[0].text, "Header Line 1");
    EXPECT_EQ(run->view.samples[0].font, (TMyFontRec{"Arial", 14, kFontBold}));

    run->dialog.ListBox1Click(kFontCardsSingle);
    run->dialog.FontNameComboBoxChange(2);
    EXPECT_EQ(run->dialog.FontSlots()[kFontCardsSingle].FontName, "DejaVu Sans");
    EXPECT_EQ(run->view.samples.back().font, (TMyFontRec{"DejaVu Sans", 12, 0}));

    // Shown again, the list keeps its entry and shows that slot.
    run->dialog.FormShow();
    EXPECT_EQ(run->view.typefaceIndex, 2);
    EXPECT_EQ(run->view.samples.back().font, (TMyFontRec{"DejaVu Sans", 12, 0}));
}

TEST_F(OptionDialogTest, LettersAsTheSizeGiveZero) {
    auto run = Start();
    run->dialog.FormShow();
    run->dialog.ListBox1Click(kFontHeaderLine2);
    run->dialog.FontSizeComboBoxChange("abc");
    EXPECT_EQ(run->dialog.FontSlots()[kFontHeaderLine2].FontSize, 0);
    EXPECT_EQ(run->view.samples.back().font.FontSize, 0);
    run->dialog.FontSizeComboBoxChange("-3");
    EXPECT_EQ(run->dialog.FontSlots()[kFontHeaderLine2].FontSize, -3);
    EXPECT_EQ(run->view.samples.back().font.FontSize, 0);  // a negative size shows no sample
}

TEST(SizeFromText, ReadsDecimalIntegersOnly) {
    const struct {
        const char* text;
        std::int32_t size;
    } cases[] = {{"12", 12},        {"  9", 9}, {"+16", 16}, {"-4", -4},
                 {"", 0},           {"abc", 0}, {"12pt", 0}, {"1 2", 0},
                 {"9 ", 0},         {"+-3", 0}, {"0x10", 0}, {"2147483647", 2147483647},
                 {"2147483648", 0}, {"--1", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(SizeFromText(c.text), c.size) << '"' << c.text << '"';
    }
}

TEST_F(OptionDialogTest, BoldAndItalicSetAndClearTheirBitsOnly) {
    Store(kHeader2Style, 0x10C);  // underline, strike-out
    auto run = Start();
    run->dialog.FormShow();
    run->dialog.ListBox1Click(kFontHeaderLine2);
    EXPECT_EQ(run->dialog.FontSlots()[kFontHeaderLine2].FontStyle, 0x0C);
    EXPECT_FALSE(run->view.boldDown);
    run->dialog.BoldButtonClick(true);
    run->dialog.ItalicButtonClick(true);
    EXPECT_EQ(run->dialog.FontSlots()[kFontHeaderLine2].FontStyle, 0x0F);
    run->dialog.BoldButtonClick(false);
    EXPECT_EQ(run->dialog.FontSlots()[kFontHeaderLine2].FontStyle, 0x0E);
    EXPECT_EQ(run->view.samples.back().font.FontStyle, 0x0E);
}

TEST_F(OptionDialogTest, RestoreSetsEverySlotAndTheSampleButNotTheControls) {
    auto run = Start();
    run->dialog.FormShow();
    run->dialog.ListBox1Click(kFontHeaderLine2);
    run->dialog.FontNameComboBoxChange(3);  // Liberation Serif
    run->dialog.FontSizeComboBoxChange("18");
    run->dialog.ItalicButtonClick(true);
    run->dialog.ListBox1Click(kFontPositionIndicator);
    run->dialog.FontSizeComboBoxChange("16");
    run->dialog.ListBox1Click(kFontHeaderLine2);

    run->dialog.Button1Click();
    EXPECT_EQ(run->dialog.FontSlots(), FontSlots());
    EXPECT_EQ(run->view.samples.back().font, (TMyFontRec{"Arial", 10, 0}));
    EXPECT_EQ(run->view.samples.back().text, "Header Line 2");
    EXPECT_EQ(run->view.fontSizeText, "18");
    EXPECT_EQ(run->view.typefaceIndex, 3);
    EXPECT_TRUE(run->view.italicDown);
}

struct SampleCase {
    int language;
    int slot;
    const char* text;
};

class SampleText : public OptionDialogTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(SampleText, ComesFromTheCurrentLanguage) {
    const SampleCase& c = GetParam();
    Store(kUserLanguage, std::string(LanguageTable::BuiltInWord(c.language, kSlotLanguageName)));
    auto run = Start();
    run->dialog.FormShow();
    run->dialog.ListBox1Click(c.slot);
    ASSERT_FALSE(run->view.samples.empty());
    EXPECT_EQ(run->view.samples.back().text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Slots, SampleText,
                         ::testing::Values(SampleCase{kEnglish, kFontHeaderLine1, "Header Line 1"},
                                           SampleCase{kDeutsch, kFontHeaderLine2, "Header Line 2"},
                                           SampleCase{kEnglish, kFontCardsMulti, "AKQJTx"},
                                           SampleCase{kDeutsch, kFontCardsSingle, "AKDBZx"},
                                           SampleCase{kDansk, kFontCardsCurtain, "EKDB10x"},
                                           SampleCase{kSvenska, kFontBoardNumber, "Bricka 1"},
                                           SampleCase{kDansk, kFontPositionIndicator, "Nord"},
                                           SampleCase{kEnglish, kFontPositionIndicator, "North"}),
                         [](const auto& testInfo) {
                             return "Language" + std::to_string(testInfo.param.language) + "Slot" +
                                    std::to_string(testInfo.param.slot);
                         });

TEST_F(OptionDialogTest, SampleUsesTheConfirmedLanguageOnly) {
    auto run = Start();
    run->dialog.FormShow();
    run->dialog.ListBox1Click(kFontCardsMulti);
    run->dialog.ComboBox1Change(kDeutsch - 1);
    run->dialog.ListBox1Click(kFontCardsMulti);
    EXPECT_EQ(run->view.samples.back().text, "AKQJTx");
    run->dialog.OKBtnClick();
    run->dialog.ListBox1Click(kFontCardsMulti);
    EXPECT_EQ(run->view.samples.back().text, "AKDBZx");
}

TEST_F(OptionDialogTest, FormDestroyWritesTheValuesChangedInOrder) {
    {
        auto run = Start();
        run->dialog.ShowDlrVulCheckBoxClick(false);
        run->dialog.GIFLocationEditChange("http://club.example/gifs/");
        run->dialog.OptionBoxClick(kSecureDealing, true);
        run->dialog.OptionBoxClick(kShowMakeableContracts, true);
        run->dialog.CollationRadioGroupClick(1);
        run->dialog.DimensionRadioGroupClick(2);
        run->dialog.CurtainOrientationRadioGroupClick(1);
        run->dialog.FormShow();
        run->dialog.ListBox1Click(kFontBoardNumber);
        run->dialog.FontSizeComboBoxChange("11");
        run->dialog.ItalicButtonClick(true);
        run->dialog.ComboBox1Change(kSvenska - 1);
        run->dialog.OKBtnClick();
        run->dialog.FormDestroy();
    }
    using V = RegistryValue;
    std::vector<std::pair<std::string_view, RegistryValue>> expected = {
        {kPrintVulDeal.name, V::Dword(0)},  // stored by the click
        {kGifDirectory.name, V::String("http://club.example/gifs/")},
        {kSecureDealing.name, V::Dword(1)},
        {kShowMakeableContracts.name, V::Dword(1)},
        {kCurtainCollation.name, V::Dword(1)},
        {kCurtainDimensions.name, V::Dword(2)},
        {kCurtainOrientation.name, V::Dword(1)},
    };
    // The board number's size and style, chosen above, and the suit symbols' typeface, which is
    // never read.
    for (std::size_t slot = 0; slot < kFontSlotSettings.size(); ++slot) {
        const FontSlotSettings& settings = kFontSlotSettings[slot];
        if (slot == kFontBoardNumber) {
            expected.emplace_back(settings.size.name, V::Dword(11));
            expected.emplace_back(settings.style.name, V::Dword(kFontItalic));
        }
        if (settings.symbols != nullptr) {
            expected.emplace_back(settings.symbols->name,
                                  V::String(settings.symbols->defaultValue));
        }
    }
    expected.emplace_back(kUserLanguage.name, V::String("Svenska"));
    RegistryHive written;
    for (const auto& [name, value] : expected) {
        written.SetValue(Full(kSettingsKey), name, value);
    }
    EXPECT_EQ(KeyLines(ReadWholeFile(path_).value, Full(kSettingsKey)),
              KeyLines(written.Serialise(), Full(kSettingsKey)));

    auto again = Start();
    EXPECT_FALSE(again->dialog.ShowDlrVul());
    EXPECT_EQ(again->dialog.GIFLocation(), "http://club.example/gifs/");
    EXPECT_EQ(again->view.gifLocation, "http://club.example/gifs/");
    EXPECT_EQ(again->dialog.CurtainCollation(), 1);
    EXPECT_EQ(again->dialog.CurtainDimensions(), 2);
    EXPECT_EQ(again->dialog.CurtainOrientation(), 1);
    EXPECT_EQ(again->dialog.FontSlots()[kFontBoardNumber], (TMyFontRec{"Arial", 11, kFontItalic}));
    EXPECT_EQ(again->languages.CurrentLanguage(), kSvenska);
}

// A hand-edited file: each curtain group shows the item printing takes the number for (a
// collation but 0 is by board, a size but 0 and 2 is 5 x 7 cm), a style its low byte, and
// what the dialog shows is what it writes back.
TEST_F(OptionDialogTest, StoredValuesOutsideTheControlsShowAndStoreWhatPrintingUses) {
    Store(kCurtainCollation, 2);
    Store(kCurtainDimensions, -1);  // dword ffffffff
    Store(kCurtainOrientation, 7);
    Store(kSubHead1Style, 0x102);
    {
        auto run = Start();
        EXPECT_EQ(run->dialog.CurtainCollation(), 1);
        EXPECT_EQ(run->view.collation, 1);
        EXPECT_EQ(run->dialog.CurtainDimensions(), 1);
        EXPECT_EQ(run->view.dimensions, 1);
        EXPECT_EQ(run->dialog.CurtainOrientation(), 0);
        EXPECT_EQ(run->view.orientation, 0);
        EXPECT_EQ(run->dialog.FontSlots()[kFontBoardNumber].FontStyle, kFontItalic);
        run->dialog.FormDestroy();
    }
    const auto hive = Hive();
    ASSERT_TRUE(hive);
    const std::string key = Full(kSettingsKey);
    EXPECT_EQ(*hive->FindValue(key, kCurtainCollation.name), RegistryValue::Dword(1));
    EXPECT_EQ(*hive->FindValue(key, kCurtainDimensions.name), RegistryValue::Dword(1));
    EXPECT_EQ(*hive->FindValue(key, kCurtainOrientation.name), RegistryValue::Dword(0));
    EXPECT_EQ(*hive->FindValue(key, kSubHead1Style.name), RegistryValue::Dword(kFontItalic));
}

TEST(FontSlotsTest, ListEntriesAndDefaultsFromTheSettingsTable) {
    const FontSlots slots;
    const char* const entries[] = {
        "Header Line 1",
        "Header Line 2",
        "Cards (on multi-deal printouts)",
        "Cards (on single deal printouts)",
        "Cards (on curtain cards)",
        "Board No. (curtain cards)",
        "Position Indicator (curtain cards)",
    };
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const FontSlotSettings& settings = kFontSlotSettings[static_cast<std::size_t>(slot)];
        EXPECT_EQ(FontSlots::ListEntry(slot), entries[slot]);
        EXPECT_EQ(slots[slot],
                  (TMyFontRec{std::string(settings.font.defaultValue), settings.size.defaultValue,
                              static_cast<std::uint8_t>(settings.style.defaultValue)}));
    }
    // Only the cards slots print suit symbols.
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        const bool cards =
            slot == kFontCardsMulti || slot == kFontCardsSingle || slot == kFontCardsCurtain;
        EXPECT_EQ(kFontSlotSettings[static_cast<std::size_t>(slot)].symbols != nullptr, cards)
            << slot;
    }
}

}  // namespace
}  // namespace kesto::test
