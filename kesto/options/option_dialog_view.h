#pragma once
// What the options dialog's logic (TOptionDlg) asks of its window. The logic holds every
// value; the view only shows what it is told and passes the user's actions to the handlers
// of TOptionDlg. Setting a control from here must not call a handler back (the Qt dialog
// blocks its signals while it does). Texts are Windows-1252.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/options/font_slots.h"
#include "kesto/options/settings_table.h"

namespace kesto {

// An on/off option Kesto adds to the "&Other" page: a group box with a wrapped explanation over
// one check box, named after its setting (setting name + "CheckBox"). A new option is one more
// row here and its setting in the settings table; the dialog reads, shows, keeps and writes every
// row alike.
struct OptionBox {
    const BoolSetting& setting;
    std::string_view group;        // the group box's caption
    std::string_view explanation;  // the text above the box
    std::string_view caption;      // the check box's caption
};

inline constexpr std::array<OptionBox, 2> kOptionBoxes = {{
    {kSecureDealing, "Dealing",
     "Check this box to deal from the system's secure random source: nobody can foresee or "
     "repeat the deals, not even from the first board of a session.",
     "Deal with a secure &random generator"},
    {kShowMakeableContracts, "Makeable Contracts",
     "Check this box to show under each board of the hand records, deal sheets and HTML page the "
     "contracts each side can make with best play all round, and par.",
     "Show &makeable contracts and par"},
}};

class OptionDlgView {
  public:
    virtual ~OptionDlgView() = default;

    // "&Language" page: ComboBox1 and the word fields Edit1..Edit19 (field 1..19).
    virtual void SetLanguageNames(const std::vector<std::string>& names) = 0;
    virtual void SetLanguageIndex(int index) = 0;  // -1: none
    virtual void SetWordField(int field, const std::string& text) = 0;

    // "&Fonts" page.
    virtual void SetFontListIndex(int slot) = 0;  // ListBox1
    virtual void SetTypefaceNames(const std::vector<std::string>& names) = 0;
    virtual void SetTypefaceIndex(int index) = 0;  // FontNameComboBox, -1: none
    virtual void SetFontSizeText(const std::string& text) = 0;
    virtual void SetBoldDown(bool down) = 0;
    virtual void SetItalicDown(bool down) = 0;
    // Panel1 shows the text in the font.
    virtual void ShowSample(const std::string& text, const TMyFontRec& font) = 0;

    // "&Curtain Cards" page: the item index of each radio group.
    virtual void SetCurtainCollation(int index) = 0;
    virtual void SetCurtainDimensions(int index) = 0;
    virtual void SetCurtainOrientation(int index) = 0;

    // "&Other" page.
    virtual void SetShowDlrVul(bool checked) = 0;
    virtual void SetUseColor(bool checked) = 0;
    virtual void SetGIFLocation(const std::string& text) = 0;
    virtual void SetOptionBox(std::size_t row, bool checked) = 0;  // kOptionBoxes[row]

    // The typeface names the system offers, in any order.
    virtual std::vector<std::string> SystemTypefaces() = 0;
    // An information message with an OK button, shown modally.
    virtual void ShowInformation(const std::string& text) = 0;
};

}  // namespace kesto
