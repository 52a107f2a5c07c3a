#pragma once
// The options dialog's logic: the printing language and its words, the seven font slots, the
// curtain-card layout, and the dealer/vulnerability, colour, image-location, dealing and
// makeable-contracts choices.
//
// One TOptionDlg is created at start-up right after the main window and lives for the whole
// run; its values are the live options that printing and the HTML export read when they run.
// FormCreate reads them from the settings, FormDestroy writes back at program end those that
// changed since. A change on the other pages applies at once (the dialog is modal: nothing
// prints meanwhile); Cancel puts every page back as the dialog was shown, the language page
// only on OK.
//
// It references the program's LanguageTable (which must outlive it) and talks to its window
// through an OptionDlgView (which must outlive it too). Settings are reached through a fresh
// SettingsStore on the given file for every read or write.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/options/font_slots.h"
#include "kesto/options/language_table.h"
#include "kesto/options/option_dialog_view.h"
#include "kesto/options/settings_store.h"

namespace kesto {

inline constexpr int kWordFields = 19;  // Edit1..Edit19 hold slots 1..19

inline constexpr std::string_view kChangedLanguageMessage =
    "You have changed to a language other than English for printing purposes. Please note, "
    "however, that any manual hand entries you make must still use A,K,Q and J.";

// The item indices of the curtain-card radio groups.
enum CurtainCollation : int { kCollateByPosition = 0, kCollateByBoard = 1 };
enum CurtainDimensions : int { kCurtain5x6 = 0, kCurtain5x7 = 1, kCurtain5x8 = 2 };
enum CurtainOrientation : int { kCurtainPortrait = 0, kCurtainLandscape = 1 };

class TOptionDlg {
  public:
    TOptionDlg(OptionDlgView& view, LanguageTable& languages, SettingsFile settings);
    TOptionDlg(const TOptionDlg&) = delete;
    TOptionDlg& operator=(const TOptionDlg&) = delete;

    // Creation: both check boxes on, English, then every value of the dialog read from the
    // settings (the stored language and the user's words included), and the language page
    // filled for the current language.
    void FormCreate();
    // Each time the dialog is shown: the values are kept for Cancel; the typeface list from the
    // system, the first font list entry selected if none is, then as ListBox1Click.
    void FormShow();
    // Program end: every value of the dialog that changed written to the settings.
    void FormDestroy();

    // "&Language" page.
    // The language list: the words shown for another language, unconfirmed ones lost.
    void ComboBox1Change(int index);
    // A key pressed in Edit<field> (1..19), the fields "A:" .. "Board:".
    void EditKeyPress(int field);
    // The user changed the text of Edit<field> (typing, pasting, cutting). Such a change marks
    // the words edited too, so that words pasted with the mouse are not silently dropped.
    void EditChange(int field, std::string text);
    // OK, whatever page shows: applies the language page, and tells once that typed hands
    // still use A, K, Q and J when the language has just changed to one other than English.
    void OKBtnClick();
    // Cancel, Esc or the close box: every value back as the dialog was shown (the two the
    // printing library reads stored again), and the language page showing the current
    // language with its words.
    void CancelBtnClick();

    // "&Fonts" page.
    void ListBox1Click(int slot);                   // the list under "&Text:"
    void FontNameComboBoxChange(int index);         // "Font &Name:"
    void FontSizeComboBoxChange(std::string text);  // "Font &Size:"
    void BoldButtonClick(bool down);                // "B"
    void ItalicButtonClick(bool down);              // "I"
    void Button1Click();                            // "&Restore all font defaults"
    void UpdateSample();

    // "&Curtain Cards" and "&Other" pages.
    void CollationRadioGroupClick(int index);           // "Collating"
    void DimensionRadioGroupClick(int index);           // "Dimensions"
    void CurtainOrientationRadioGroupClick(int index);  // "Orientation"
    // "&Show dealer and vulnerability on printouts and HTML"
    void ShowDlrVulCheckBoxClick(bool checked);
    void UseColorCheckBoxClick(bool checked);      // "&Use colors"
    void GIFLocationEditChange(std::string text);  // "Location of GIFs on Web Site"
    // The check box of kOptionBoxes that holds the setting.
    void OptionBoxClick(const BoolSetting& setting, bool checked);

    // What printing and the HTML export read.
    const kesto::FontSlots& FontSlots() const { return values_.fontSlots; }
    const LanguageTable& Languages() const { return languages_; }
    bool ShowDlrVul() const { return values_.showDlrVul; }
    bool UseColor() const { return values_.useColor; }
    // Whether the check box of kOptionBoxes that holds the setting is ticked.
    bool Checked(const BoolSetting& setting) const;
    bool SecureDealing() const { return Checked(kSecureDealing); }
    bool ShowMakeableContracts() const { return Checked(kShowMakeableContracts); }
    const std::string& GIFLocation() const { return values_.gifLocation; }
    int CurtainCollation() const { return values_.curtainCollation; }
    int CurtainDimensions() const { return values_.curtainDimensions; }
    int CurtainOrientation() const { return values_.curtainOrientation; }

  private:
    void ReadSettings();
    const std::string& WordField(int field) const;  // 1..19
    // Stores the two values the printing library reads from the settings file, so that a
    // printout started now prints as the dialog shows.
    void StorePrintingValues();
    int ComboLanguage() const;  // the language ComboBox1 shows, 0 for none
    bool SlotSelected() const { return fontListIndex_ >= 0 && fontListIndex_ < kFontSlotCount; }
    std::string SampleText() const;
    // Every control but the font page's from the values, the language page for the current
    // language.
    void ShowValues();
    // Keeps the values Cancel puts back.
    void KeepShownValues();

    // The values of the pages other than the language page.
    struct Values {
        kesto::FontSlots fontSlots;
        bool showDlrVul = true;
        bool useColor = true;
        std::array<bool, kOptionBoxes.size()> optionBoxes{};
        std::string gifLocation;
        int curtainCollation = kCollateByPosition;
        int curtainDimensions = kCurtain5x7;
        int curtainOrientation = kCurtainPortrait;
    };

    OptionDlgView& view_;
    LanguageTable& languages_;
    const SettingsFile settings_;

    Values values_;
    // As the dialog was last shown, or closed with OK.
    Values shown_;
    int shownLanguage_ = 1;
    bool wordsEdited_ = false;
    int languageIndex_ = -1;
    std::array<std::string, kWordFields> wordFields_;

    int fontListIndex_ = -1;
    std::vector<std::string> typefaceNames_;
    int typefaceIndex_ = -1;
    std::string fontSizeText_;
};

// A text read as a decimal integer the way the size field reads it: optional blanks, an
// optional sign, digits, nothing else, within 32 bits; 0 otherwise.
std::int32_t SizeFromText(std::string_view text);

}  // namespace kesto
