#pragma once
// The options dialog's logic with no window to show: for runs without one (the batch command,
// reading the stored options). Every call is ignored; there are no typefaces to offer.

#include <string>
#include <vector>

#include "kesto/options/option_dialog_view.h"

namespace kesto {

class NoOptionWindow final : public OptionDlgView {
  public:
    void SetLanguageNames(const std::vector<std::string>&) override {}
    void SetLanguageIndex(int) override {}
    void SetWordField(int, const std::string&) override {}
    void SetFontListIndex(int) override {}
    void SetTypefaceNames(const std::vector<std::string>&) override {}
    void SetTypefaceIndex(int) override {}
    void SetFontSizeText(const std::string&) override {}
    void SetBoldDown(bool) override {}
    void SetItalicDown(bool) override {}
    void ShowSample(const std::string&, const TMyFontRec&) override {}
    void SetCurtainCollation(int) override {}
    void SetCurtainDimensions(int) override {}
    void SetCurtainOrientation(int) override {}
    void SetShowDlrVul(bool) override {}
    void SetUseColor(bool) override {}
    void SetGIFLocation(const std::string&) override {}
    void SetOptionBox(std::size_t, bool) override {}
    std::vector<std::string> SystemTypefaces() override { return {}; }
    void ShowInformation(const std::string&) override {}
};

}  // namespace kesto
