#pragma once
// The "Options" dialog window: four pages ("&Language", "&Fonts", "&Curtain Cards", "&Other")
// over the options dialog's logic (kesto/options/option_dialog.h), which holds every value and
// takes every decision. Created once right after the main window and kept for the whole run;
// creating it reads the dialog's settings (FormCreate), destroying it writes them (FormDestroy).

#include <QDialog>
#include <array>
#include <string>

#include "kesto/options/option_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace kesto::gui {

class OptionDialogWidget : public QDialog, private OptionDlgView {
    Q_OBJECT

  public:
    // The pages, in the order of the Options menu's items.
    enum Page { kLanguagePage = 0, kFontsPage = 1, kCurtainCardsPage = 2, kOtherPage = 3 };

    // languages must outlive the dialog; the options are read from and written to the
    // settings file.
    OptionDialogWidget(LanguageTable& languages, QWidget* parent, std::string settingsPath);
    ~OptionDialogWidget() override;

    // The Options menu's items and the HTML export: shows the dialog modally on the page
    // (0..3) and returns 1 when it was closed with OK, 0 otherwise.
    int ShowOnPage(int page);

    // The live options, for printing and the HTML export.
    const TOptionDlg& Options() const { return dialog_; }

    // Cancel, Esc and the close box: every page back as it was shown.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildLanguagePage();
    QWidget* BuildFontsPage();
    QLayout* BuildFontList();    // "&Text:", its list and "&Restore all font defaults"
    QLayout* BuildFontChoice();  // the name, size and style of the chosen font, and its sample
    QWidget* BuildCurtainCardsPage();
    QWidget* BuildOtherPage();
    void FixSize();
    // Once shown: taller, when a page's wrapped texts need more height than FixSize gave.
    void GrowForWrappedTexts();

    // OptionDlgView
    void SetLanguageNames(const std::vector<std::string>& names) override;
    void SetLanguageIndex(int index) override;
    void SetWordField(int field, const std::string& text) override;
    void SetFontListIndex(int slot) override;
    void SetTypefaceNames(const std::vector<std::string>& names) override;
    void SetTypefaceIndex(int index) override;
    void SetFontSizeText(const std::string& text) override;
    void SetBoldDown(bool down) override;
    void SetItalicDown(bool down) override;
    void ShowSample(const std::string& text, const TMyFontRec& font) override;
    void SetCurtainCollation(int index) override;
    void SetCurtainDimensions(int index) override;
    void SetCurtainOrientation(int index) override;
    void SetShowDlrVul(bool checked) override;
    void SetUseColor(bool checked) override;
    void SetGIFLocation(const std::string& text) override;
    void SetOptionBox(std::size_t row, bool checked) override;
    std::vector<std::string> SystemTypefaces() override;
    void ShowInformation(const std::string& text) override;

    QTabWidget* pageControl_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    std::array<QLineEdit*, kWordFields> edits_{};
    QListWidget* listBox1_ = nullptr;
    QComboBox* fontNameComboBox_ = nullptr;
    QComboBox* fontSizeComboBox_ = nullptr;
    QPushButton* boldButton_ = nullptr;
    QPushButton* italicButton_ = nullptr;
    QLabel* panel1_ = nullptr;
    QButtonGroup* collationGroup_ = nullptr;
    QButtonGroup* dimensionGroup_ = nullptr;
    QButtonGroup* orientationGroup_ = nullptr;
    QCheckBox* showDlrVulCheckBox_ = nullptr;
    QCheckBox* useColorCheckBox_ = nullptr;
    std::array<QCheckBox*, kOptionBoxes.size()> optionBoxes_{};
    QLineEdit* gifLocationEdit_ = nullptr;

    TOptionDlg dialog_;  // last: its handlers reach the controls above
};

}  // namespace kesto::gui
