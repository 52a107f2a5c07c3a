#pragma once
// The main window: three pages without tabs, moved only by "<< &Previous" and "&Next >>".
// It shows what TKestoMain hands it and forwards every user event to the handler of the same
// name; the suit fields of the hand-entry page never take typed text themselves.

#include <QMainWindow>
#include <array>
#include <memory>

#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/main_window_view.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QAction;
class QStackedWidget;
class QTimer;
class QGroupBox;

namespace kesto::gui {

class BoardViewer;
class OptionDialogWidget;
class WindowPlace;

class MainWindow : public QMainWindow, public MainWindowView {
    Q_OBJECT

  public:
    // As TKestoMain's: the loader binds the libraries, the analysis asks solver or, when null,
    // a solver process of its own.
    MainWindow(const Clock& clock, const LanguageTable& languages, std::string settingsPath,
               LibraryLoader loader = SystemLibraryLoader(), DoubleDummySolver* solver = nullptr);
    ~MainWindow() override;

    // Runs start-up; false when the program must end instead (the printing library is
    // missing). Then show() the window.
    bool FormCreate();
    TKestoMain& Core() { return *core_; }
    // The options dialog that the Options menu opens; it must outlive the window's use of it.
    // Printing reads its live values too.
    void SetOptionsDialog(OptionDialogWidget* options);

    // MainWindowView
    void ShowDisplay(const MainWindowDisplay& display) override;
    void PlaceCaret(SuitField field, int position, bool focus) override;
    std::optional<int> TDateDlg(const std::vector<std::string>& entries) override;
    ZeroCardsChoice TZeroCardsDlg(const std::string& text) override;
    bool TDuplicateCardForm(const DuplicateCardMessage& message) override;
    void CloseMainWindow() override;
    SaveAnswer TSaveQuestionDlg(const SaveQuestion& question) override;
    MultipleSetAnswer TMultipleSetWarningDlg() override;
    void FocusCopiesField() override;
    void PrintoutsSavedIn(const std::string& folder) override;
    bool WaitForAnalysis(const BackgroundAnalysis& analysis) override;
    bool WaitForPlanDealing(const BackgroundPlanDealing& dealing) override;
    Answer ShowMessage(MessageKind kind, const std::string& text,
                       MessageButtons buttons = MessageButtons::Ok) override;
    void Beep() override;
    FileDialogResult OpenFileDialog(const FileDialogRequest& request) override;
    FileDialogResult SaveFileDialog(const FileDialogRequest& request) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildFirstPage();
    QWidget* BuildEnterHandPage();
    QWidget* BuildPrintPage();
    void ConnectPrintPage(QWidget* page);  // its handlers, and Enter for its buttons
    void BuildMenus();
    // The window's size for a page this wide, the page buttons at its bottom right.
    void FitClient(int width);
    // Shows the options dialog on the page; after OK the window is redrawn in the new words.
    void ShowOptions(int page);
    bool SuitFieldEvent(SuitField field, QLineEdit* edit, QEvent* event);
    bool SuitFieldKey(SuitField field, QKeyEvent* event);
    bool DealNumberKey(QKeyEvent* key);  // true: the key does not reach the field
    // The print page's progress bar follows the background analysis while it runs.
    void ShowAnalysis();

    std::unique_ptr<TKestoMain> core_;
    // Set by SetOptionsDialog; a window made without one (some tests) leaves the Options menu
    // and "&Create" without effect.
    OptionDialogWidget* options_ = nullptr;
    bool closing_ = false;
    std::unique_ptr<WindowPlace> place_;  // from FormCreate

    QStackedWidget* pages_ = nullptr;
    QPushButton* prevBtn_ = nullptr;
    QPushButton* nextBtn_ = nullptr;

    std::array<QRadioButton*, 3> modeButtons_{};
    QGroupBox* randomCountGroup_ = nullptr;
    QSpinBox* randomCount_ = nullptr;
    QCheckBox* dealToPlan_ = nullptr;
    QLabel* planLine_ = nullptr;  // what the plan deals, while "Deal to a p&lan" is ticked
    QGroupBox* headerGroup_ = nullptr;
    QLineEdit* line1_ = nullptr;
    QLineEdit* line2_ = nullptr;
    QCheckBox* useDate_ = nullptr;

    QSpinBox* dealNumber_ = nullptr;
    std::array<std::array<QLineEdit*, 4>, 4> suitFields_{};
    std::array<QLabel*, 4> countLabels_{};
    std::array<QPushButton*, 4> fillIn_{};
    QPushButton* clearDeal_ = nullptr;

    QLabel* copiesLabel_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QSpinBox* sets_ = nullptr;
    QSpinBox* statSheets_ = nullptr;
    QCheckBox* curtains_ = nullptr;
    QPushButton* printBtn_ = nullptr;
    QPushButton* saveBtn_ = nullptr;
    QPushButton* createBtn_ = nullptr;
    QCheckBox* statsWithHtml_ = nullptr;
    QLabel* analysisLabel_ = nullptr;
    QProgressBar* analysisBar_ = nullptr;
    QTimer* analysisPoll_ = nullptr;
    BoardViewer* boardViewer_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* printAction_ = nullptr;
};

}  // namespace kesto::gui
