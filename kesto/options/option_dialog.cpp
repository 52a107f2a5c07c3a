#include "kesto/options/option_dialog.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "kesto/options/settings_store.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

// A click can only choose an item of the group; anything else keeps the choice as it was.
int RadioIndex(std::int32_t index, const IntegerSetting& group, int current) {
    return group.InRange(index) ? static_cast<int>(index) : current;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) <
               static_cast<unsigned char>(AsciiLower(y));
    });
}

// The row of kOptionBoxes that holds the setting; the table's size for none.
std::size_t OptionBoxRow(const BoolSetting& setting) {
    std::size_t row = 0;
    while (row < kOptionBoxes.size() && &kOptionBoxes[row].setting != &setting) {
        ++row;
    }
    return row;
}

}  // namespace

std::int32_t SizeFromText(std::string_view text) {
    return ParseLenientWholeNumber(text).value_or(0);
}

TOptionDlg::TOptionDlg(OptionDlgView& view, LanguageTable& languages, SettingsFile settings)
    : view_(view), languages_(languages), settings_(std::move(settings)) {}

void TOptionDlg::FormCreate() {
    values_.showDlrVul = true;
    values_.useColor = true;
    languages_.SetCurrentLanguage(1);
    ReadSettings();

    std::vector<std::string> names;
    for (int language = 1; language <= kLanguageCount; ++language) {
        names.push_back(languages_.LanguageWord(language, kSlotLanguageName));
    }
    view_.SetLanguageNames(names);
    ShowValues();
    KeepShownValues();
}

void TOptionDlg::ShowValues() {
    view_.SetLanguageIndex(languages_.CurrentLanguage() - 1);
    ComboBox1Change(languages_.CurrentLanguage() - 1);
    view_.SetShowDlrVul(values_.showDlrVul);
    view_.SetUseColor(values_.useColor);
    view_.SetGIFLocation(values_.gifLocation);
    for (std::size_t row = 0; row < kOptionBoxes.size(); ++row) {
        view_.SetOptionBox(row, values_.optionBoxes[row]);
    }
    view_.SetCurtainCollation(values_.curtainCollation);
    view_.SetCurtainDimensions(values_.curtainDimensions);
    view_.SetCurtainOrientation(values_.curtainOrientation);
}

void TOptionDlg::KeepShownValues() {
    shown_ = values_;
    shownLanguage_ = languages_.CurrentLanguage();
}

void TOptionDlg::ReadSettings() {
    {
        const SettingsStore store(settings_);
        values_.showDlrVul = store.Read(kPrintVulDeal);
        values_.useColor = store.Read(kUserWantsColor);
        values_.gifLocation = store.Read(kGifDirectory);
        for (std::size_t row = 0; row < kOptionBoxes.size(); ++row) {
            values_.optionBoxes[row] = store.Read(kOptionBoxes[row].setting);
        }
        // The store gives only item indices of each group, a stored number outside a group
        // read as the item printing takes it for.
        values_.curtainCollation = store.Read(kCurtainCollation);
        values_.curtainDimensions = store.Read(kCurtainDimensions);
        values_.curtainOrientation = store.Read(kCurtainOrientation);
        for (int slot = 0; slot < kFontSlotCount; ++slot) {
            const FontSlotSettings& settings = kFontSlotSettings[static_cast<std::size_t>(slot)];
            TMyFontRec& font = values_.fontSlots[slot];
            font.FontName = store.Read(settings.font);
            font.FontSize = store.Read(settings.size);
            // The store keeps only the low byte of a stored style.
            font.FontStyle = static_cast<std::uint8_t>(store.Read(settings.style));
        }
    }
    languages_.LoadFromSettings(settings_);
}

void TOptionDlg::FormShow() {
    KeepShownValues();
    std::vector<std::string> names = view_.SystemTypefaces();
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    typefaceNames_ = std::move(names);
    typefaceIndex_ = -1;
    view_.SetTypefaceNames(typefaceNames_);
    view_.SetTypefaceIndex(typefaceIndex_);
    if (!SlotSelected()) {
        fontListIndex_ = 0;
        view_.SetFontListIndex(fontListIndex_);
    }
    ListBox1Click(fontListIndex_);
}

void TOptionDlg::FormDestroy() {
    // Only the values that changed in this run reach the file (settings_store.h).
    SettingsStore store(settings_);
    store.Write(kPrintVulDeal, values_.showDlrVul);
    store.Write(kUserWantsColor, values_.useColor);
    store.Write(kGifDirectory, values_.gifLocation);
    for (std::size_t row = 0; row < kOptionBoxes.size(); ++row) {
        store.Write(kOptionBoxes[row].setting, values_.optionBoxes[row]);
    }
    store.Write(kCurtainCollation, values_.curtainCollation);
    store.Write(kCurtainDimensions, values_.curtainDimensions);
    store.Write(kCurtainOrientation, values_.curtainOrientation);
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        const FontSlotSettings& settings = kFontSlotSettings[static_cast<std::size_t>(slot)];
        const TMyFontRec& font = values_.fontSlots[slot];
        store.Write(settings.font, font.FontName);
        store.Write(settings.size, font.FontSize);
        store.Write(settings.style, font.FontStyle);
        // The suit symbols' typeface goes with the cards slots; printing never reads it.
        if (settings.symbols != nullptr) {
            store.Write(*settings.symbols, settings.symbols->defaultValue);
        }
    }
    store.Write(kUserLanguage, languages_.CurrentLanguageName());
}

int TOptionDlg::ComboLanguage() const {
    if (languageIndex_ < 0 || languageIndex_ >= kLanguageCount) {
        return 0;
    }
    // The entry's text names the language, as the table's slot 0 does.
    return languages_.FindLanguage(languages_.LanguageWord(languageIndex_ + 1, kSlotLanguageName));
}

const std::string& TOptionDlg::WordField(int field) const {
    static const std::string empty;
    if (field < 1 || field > kWordFields) {
        return empty;
    }
    return wordFields_[static_cast<std::size_t>(field - 1)];
}

void TOptionDlg::ComboBox1Change(int index) {
    languageIndex_ = index >= 0 && index < kLanguageCount ? index : -1;
    wordsEdited_ = false;
    const int language = ComboLanguage();
    if (language == 0) {
        return;
    }
    for (int field = 1; field <= kWordFields; ++field) {
        wordFields_[static_cast<std::size_t>(field - 1)] = languages_.LanguageWord(language, field);
        view_.SetWordField(field, wordFields_[static_cast<std::size_t>(field - 1)]);
    }
}

void TOptionDlg::EditKeyPress(int field) {
    if (field >= 1 && field <= kWordFields) {
        wordsEdited_ = true;
    }
}

void TOptionDlg::EditChange(int field, std::string text) {
    if (field < 1 || field > kWordFields) {
        return;
    }
    wordFields_[static_cast<std::size_t>(field - 1)] = std::move(text);
    wordsEdited_ = true;
}

void TOptionDlg::OKBtnClick() {
    languages_.SetCurrentLanguage(languageIndex_ >= 0 ? languageIndex_ + 1 : 1);

    const int language = ComboLanguage();
    if (wordsEdited_) {
        wordsEdited_ = false;
        for (int field = 1; field <= kWordFields && language != 0; ++field) {
            if (WordField(field) != languages_.LanguageWord(language, field)) {
                wordsEdited_ = true;
                break;
            }
        }
    }
    if (wordsEdited_ && language != 0) {
        for (int field = 1; field <= kWordFields; ++field) {
            languages_.SetLanguageWord(language, field, WordField(field));
        }
        languages_.WriteLanguageWords(settings_, language);
    }

    const int current = languages_.CurrentLanguage();
    if (current != shownLanguage_ && current != 1) {
        view_.ShowInformation(std::string(kChangedLanguageMessage));
    }
    KeepShownValues();
}

void TOptionDlg::CancelBtnClick() {
    const bool printingValuesChanged =
        values_.showDlrVul != shown_.showDlrVul || values_.useColor != shown_.useColor;
    values_ = shown_;
    if (printingValuesChanged) {
        StorePrintingValues();
    }
    ShowValues();
    ListBox1Click(fontListIndex_);
}

void TOptionDlg::ListBox1Click(int slot) {
    if (slot < 0 || slot >= kFontSlotCount) {
        return;
    }
    fontListIndex_ = slot;
    const TMyFontRec& font = values_.fontSlots[slot];

    // Typeface names are matched as the system matches them, without regard to case; an exact
    // match wins.
    typefaceIndex_ = -1;
    for (std::size_t i = 0; i < typefaceNames_.size(); ++i) {
        if (typefaceNames_[i] == font.FontName) {
            typefaceIndex_ = static_cast<int>(i);
            break;
        }
        if (typefaceIndex_ < 0 && EqualsIgnoringCase(typefaceNames_[i], font.FontName)) {
            typefaceIndex_ = static_cast<int>(i);
        }
    }
    view_.SetTypefaceIndex(typefaceIndex_);

    view_.SetBoldDown((font.FontStyle & kFontBold) != 0);
    view_.SetItalicDown((font.FontStyle & kFontItalic) != 0);

    fontSizeText_ = std::to_string(font.FontSize);
    view_.SetFontSizeText(fontSizeText_);
    UpdateSample();
}

void TOptionDlg::FontNameComboBoxChange(int index) {
    if (index < 0 || index >= static_cast<int>(typefaceNames_.size())) {
        return;
    }
    typefaceIndex_ = index;
    if (SlotSelected()) {
        values_.fontSlots[fontListIndex_].FontName =
            typefaceNames_[static_cast<std::size_t>(index)];
    }
    UpdateSample();
}

void TOptionDlg::FontSizeComboBoxChange(std::string text) {
    fontSizeText_ = std::move(text);
    if (SlotSelected()) {
        values_.fontSlots[fontListIndex_].FontSize = SizeFromText(fontSizeText_);
    }
    UpdateSample();
}

void TOptionDlg::BoldButtonClick(bool down) {
    if (SlotSelected()) {
        std::uint8_t& style = values_.fontSlots[fontListIndex_].FontStyle;
        style = static_cast<std::uint8_t>(down ? style | kFontBold : style & ~kFontBold);
    }
    UpdateSample();
}

void TOptionDlg::ItalicButtonClick(bool down) {
    if (SlotSelected()) {
        std::uint8_t& style = values_.fontSlots[fontListIndex_].FontStyle;
        style = static_cast<std::uint8_t>(down ? style | kFontItalic : style & ~kFontItalic);
    }
    UpdateSample();
}

void TOptionDlg::Button1Click() {
    values_.fontSlots.RestoreDefaults();
    UpdateSample();
}

std::string TOptionDlg::SampleText() const {
    const int language = languages_.CurrentLanguage();
    switch (fontListIndex_) {
        case kFontCardsMulti:
        case kFontCardsSingle:
        case kFontCardsCurtain: {
            std::string text;
            for (int slot = kSlotAce; slot <= kSlotTen; ++slot) {
                text += languages_.LanguageWord(language, slot);
            }
            return text + "x";
        }
        case kFontBoardNumber:
            return languages_.LanguageWord(language, kSlotBoard) + " 1";
        case kFontPositionIndicator:
            return languages_.LanguageWord(language, kSlotNorth);
        default:  // the header lines show their own entry
            return std::string(FontSlots::ListEntry(fontListIndex_));
    }
}

void TOptionDlg::UpdateSample() {
    if (typefaceIndex_ < 0 || !SlotSelected() || SizeFromText(fontSizeText_) < 0) {
        return;
    }
    view_.ShowSample(SampleText(), values_.fontSlots[fontListIndex_]);
}

void TOptionDlg::CollationRadioGroupClick(int index) {
    values_.curtainCollation = RadioIndex(index, kCurtainCollation, values_.curtainCollation);
}

void TOptionDlg::DimensionRadioGroupClick(int index) {
    values_.curtainDimensions = RadioIndex(index, kCurtainDimensions, values_.curtainDimensions);
}

void TOptionDlg::CurtainOrientationRadioGroupClick(int index) {
    values_.curtainOrientation = RadioIndex(index, kCurtainOrientation, values_.curtainOrientation);
}

void TOptionDlg::StorePrintingValues() {
    // In the order FormDestroy writes them, so the file reads the same either way.
    SettingsStore store(settings_);
    store.Write(kPrintVulDeal, values_.showDlrVul);
    store.Write(kUserWantsColor, values_.useColor);
}

void TOptionDlg::ShowDlrVulCheckBoxClick(bool checked) {
    values_.showDlrVul = checked;
    StorePrintingValues();
}

void TOptionDlg::UseColorCheckBoxClick(bool checked) {
    values_.useColor = checked;
    StorePrintingValues();
}

void TOptionDlg::GIFLocationEditChange(std::string text) {
    values_.gifLocation = std::move(text);
}

void TOptionDlg::OptionBoxClick(const BoolSetting& setting, bool checked) {
    const std::size_t row = OptionBoxRow(setting);
    if (row < values_.optionBoxes.size()) {
        values_.optionBoxes[row] = checked;
    }
}

bool TOptionDlg::Checked(const BoolSetting& setting) const {
    const std::size_t row = OptionBoxRow(setting);
    return row < values_.optionBoxes.size() && values_.optionBoxes[row];
}

}  // namespace kesto
