#pragma once
// A window for TOptionDlg that remembers what it was told to show, offers a fixed list of
// typefaces and counts the messages it showed.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "kesto/options/option_dialog_view.h"

namespace kesto::test {

struct ShownSample {
    std::string text;
    TMyFontRec font;
};

class ScriptedOptionView : public OptionDlgView {
  public:
    void SetLanguageNames(const std::vector<std::string>& names) override { languageNames = names; }
    void SetLanguageIndex(int index) override { languageIndex = index; }
    void SetWordField(int field, const std::string& text) override { wordFields[field] = text; }

    void SetFontListIndex(int slot) override { fontListIndex = slot; }
    void SetTypefaceNames(const std::vector<std::string>& names) override { typefaceNames = names; }
    void SetTypefaceIndex(int index) override { typefaceIndex = index; }
    void SetFontSizeText(const std::string& text) override { fontSizeText = text; }
    void SetBoldDown(bool down) override { boldDown = down; }
    void SetItalicDown(bool down) override { italicDown = down; }
    void ShowSample(const std::string& text, const TMyFontRec& font) override {
        samples.push_back({text, font});
    }

    void SetCurtainCollation(int index) override { collation = index; }
    void SetCurtainDimensions(int index) override { dimensions = index; }
    void SetCurtainOrientation(int index) override { orientation = index; }

    void SetShowDlrVul(bool checked) override { showDlrVul = checked; }
    void SetUseColor(bool checked) override { useColor = checked; }
    void SetGIFLocation(const std::string& text) override { gifLocation = text; }
    void SetOptionBox(std::size_t row, bool checked) override { optionBoxes.at(row) = checked; }

    std::vector<std::string> SystemTypefaces() override { return systemTypefaces; }
    void ShowInformation(const std::string& text) override { messages.push_back(text); }

    // What the dialog set.
    std::vector<std::string> languageNames;
    int languageIndex = -99;
    std::map<int, std::string> wordFields;
    int fontListIndex = -99;
    std::vector<std::string> typefaceNames;
    int typefaceIndex = -99;
    std::string fontSizeText;
    bool boldDown = false;
    bool italicDown = false;
    std::vector<ShownSample> samples;
    int collation = -99;
    int dimensions = -99;
    int orientation = -99;
    bool showDlrVul = false;
    bool useColor = false;
    std::string gifLocation;
    std::array<bool, kOptionBoxes.size()> optionBoxes{};
    std::vector<std::string> messages;

    // What the system offers.
    std::vector<std::string> systemTypefaces = {"Liberation Serif", "Arial", "DejaVu Sans",
                                                "Courier New"};
};

}  // namespace kesto::test
