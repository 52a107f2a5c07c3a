#pragma once
// What the main window's logic (TKestoMain) asks of a window. The window shows what the core
// hands it and forwards every user event to the core's handler of the same name; it takes no
// decision of its own. Texts are Windows-1252. A scripted fake drives the core in tests.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "kesto/deal/board.h"
#include "kesto/deal/deal_source.h"
#include "kesto/deal/suit.h"
#include "kesto/platform/ui.h"
#include "kesto/print/print_job.h"
#include "kesto/workflow/background_analysis.h"
#include "kesto/workflow/background_plan_dealing.h"
#include "kesto/workflow/board_view.h"
#include "kesto/workflow/suited_text.h"

namespace kesto {

enum class Page { First, EnterHand, Print };

// One of the sixteen suit fields of the hand-entry page.
struct SuitField {
    Seat seat;
    Suit suit;
    friend bool operator==(const SuitField&, const SuitField&) = default;
};

// Everything the window shows, as the core last computed it. Arrays by seat are indexed by
// Seat (North, East, South, West), suits by Suit (spades, hearts, diamonds, clubs).
struct MainWindowDisplay {
    Page page = Page::First;
    std::string caption;      // the window's title
    std::string nextCaption;  // "&Next >>" or "&Done"
    bool prevEnabled = false;

    // First page.
    DealSource mode = DealSource::Generate;  // RadioGroup1's checked item
    bool randomCountVisible = true;
    int randomCount = 30;  // UpDown1
    bool randomCountEnabled = true;
    bool dealToPlan = false;
    std::string planLine;  // under "Deal to a p&lan" while it is ticked
    bool headerEnabled = true;
    std::string line1, line2;
    bool useDateInHeader = false;

    // Hand-entry page.
    int dealNumber = 1;  // UpDown2
    std::array<std::array<std::string, 4>, 4> suitTexts;
    std::array<std::string, 4> countLabels;
    std::array<bool, 4> fillInVisible{};

    // Print page.
    std::string copiesLabel;
    int copies = 1;      // UpDown3
    int sets = 1;        // UpDown4
    int statSheets = 0;  // UpDown5
    bool curtains = false;
    bool statsWithHtml = false;
    bool createEnabled = true;
    // The board viewer: its list, and the position of the board it shows (CurrentDeal).
    std::vector<BoardListRow> boardList;
    int viewedBoard = 0;

    // The File menu: "&Save..." while there are boards, "&Print..." on the print page.
    bool saveEnabled = false;
    bool printEnabled = false;
};

// A card typed into one hand that another holds: what the window says (texts::DuplicateCardText)
// and asks (texts::DuplicateCardQuestion).
struct DuplicateCardMessage {
    SuitedText text;
    SuitedText question;
};

// The question before boards not saved are dropped: "Save the deals before closing?" with
// Save, the discard button's caption ("Close &Without Saving") and Cancel, and the detail
// under it.
struct SaveQuestion {
    std::string question;
    std::string discardCaption;
    std::string detail;
};
enum class SaveAnswer { Save, Discard, Cancel };

// The three choices of the deals-with-no-cards dialog, in the order shown.
enum class ZeroCardsChoice { AddCards, SkipEmptyDeals, PrintAllDeals };

class MainWindowView : public Ui {
  public:
    // Show the page and every control's state. Called after each handler that changed them.
    virtual void ShowDisplay(const MainWindowDisplay& display) = 0;
    // Put the focus in a suit field (when focus is set) and its caret at the position, with
    // nothing selected. Called after ShowDisplay, so the field already holds its new text.
    virtual void PlaceCaret(SuitField field, int position, bool focus) = 0;

    // The date-format dialog: entries are the six formats applied to today's date. Nullopt
    // when the dialog was closed without "&OK"; otherwise the chosen index (0 when none).
    virtual std::optional<int> TDateDlg(const std::vector<std::string>& entries) = 0;
    // The deals-with-no-cards dialog with its message; its answer when it closes.
    virtual ZeroCardsChoice TZeroCardsDlg(const std::string& text) = 0;
    // The duplicate-card question (texts::kDuplicateCaption, "&Transfer it" and "&Cancel",
    // Cancel the default). True for "&Transfer it".
    virtual bool TDuplicateCardForm(const DuplicateCardMessage& message) = 0;

    // Close the main window; the window then calls TKestoMain::MayClose, and FormClose when it
    // closes.
    virtual void CloseMainWindow() = 0;
    // Asks the question with Cancel as the default. A view without a window answers Cancel:
    // nothing is dropped unasked.
    virtual SaveAnswer TSaveQuestionDlg(const SaveQuestion& /*question*/) {
        return SaveAnswer::Cancel;
    }

    // The print job's calls (kesto/print/print_job.h). A view without them answers the
    // multiple set warning with Cancel, so nothing is printed unasked.
    virtual MultipleSetAnswer TMultipleSetWarningDlg() { return {}; }
    virtual void FocusCopiesField() {}
    virtual void PrintoutsSavedIn(const std::string& /*folder*/) {}

    // With the makeable contracts shown, before printing or writing: wait until the analysis
    // is no longer running, showing its progress, and let the user cancel the wait. False
    // when the user cancelled. A view without a window just waits.
    virtual bool WaitForAnalysis(const BackgroundAnalysis& analysis) {
        analysis.Wait();
        return true;
    }
    // While Next deals to a plan: wait until the dealing has ended, showing its progress, and
    // let the user cancel. False when the user cancelled. A view without a window just waits
    // (the caller then takes the result).
    virtual bool WaitForPlanDealing(const BackgroundPlanDealing& /*dealing*/) { return true; }
};

}  // namespace kesto
