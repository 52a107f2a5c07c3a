#pragma once
// The print job of the print page ("Prin&t", PrintBtnClick): the requested copies with all
// hands, sets of individual deal sheets and curtain cards through the printing library, then
// the statistics sheets drawn by the program itself. The window and the batch command both
// run it; neither takes a decision of its own.
//
// In order: nothing asked for -> "Nothing to print."; several sets -> the multiple set
// warning (unless suppressed); Printed; the counts remembered in the settings; the library's
// list emptied, every printed board added, kind 0 per set, kind 1 per copy, the curtain
// cards, the list emptied again; the statistics sheets.
//
// With the makeable contracts shown, the job waits for the analysis once it has passed its
// questions (only when it prints hand records or deal sheets), and every analysed board's
// record carries the DoubleDummyTricks, OptimumScore and ParContract tags; the library gets
// the language's words for them through its optional SetAnalysisWords. Without them every
// call to the library is as it always was.
//
// Deals without cards are left out when the user chose to skip them; the boards around them
// keep the numbers of their places in the board set. A printout the library reports as failed,
// or a statistics sheet that fails, stops the job with an error message naming what failed;
// the library's list is emptied however the job ends.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/deal/deal.h"
#include "kesto/deal/deal_source.h"
#include "kesto/platform/printer_canvas.h"
#include "kesto/platform/ui.h"
#include "kesto/print/print_options.h"
#include "kesto/print/printing_library.h"

namespace kesto {

inline constexpr std::string_view kNothingToPrintMessage = "Nothing to print.";

// The multiple set warning dialog's texts.
inline constexpr std::string_view kMultipleSetCaption = "Multiple Set Warning";
inline constexpr std::string_view kMultipleSetText1 =
    "You have elected to print multiple sets of individual deals.  Note that this means that "
    "the number of pages printed will be equal to the number of deals multiplied by the number "
    "of sets, a number that can quickly become large.";
inline constexpr std::string_view kMultipleSetText2 =
    "In general, multiple sets of individual deals are necessary only for games with multiple "
    "sections, when the boards will be duplicated across sections.";
inline constexpr std::string_view kMultipleSetText3 = "Are you sure you want to proceed?";
inline constexpr std::string_view kDontShowAgain = "Don't show this warning again";

// How TMultipleSetWarningDlg was left: ok only for OK; dontShowAgain is the check box's state
// however it closed (OK, Cancel or the close box).
struct MultipleSetAnswer {
    bool ok = false;
    bool dontShowAgain = false;
};

// What the print job asks of its window.
class PrintJobView {
  public:
    virtual ~PrintJobView() = default;
    virtual Answer ShowMessage(MessageKind kind, const std::string& text,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
    // Put the focus in the copies field (Edit21).
    virtual void FocusCopiesField() = 0;
    // Shows TMultipleSetWarningDlg modally, OK focused, the check box off.
    virtual MultipleSetAnswer TMultipleSetWarningDlg() = 0;
    // The printouts of a finished job were written as PDF files into this folder.
    virtual void PrintoutsSavedIn(const std::string& folder) = 0;
};

// The print page and the main window's state the job reads.
struct PrintJobRequest {
    const tBoardSet* boardSet = nullptr;  // null counts as an empty board set
    DealSource mode = DealSource::Generate;
    bool dealsComplete = false;
    bool printEmptyDeals = false;  // false: deals without cards are skipped
    std::string header1, header2;  // Windows-1252, either may be empty
    int copies = 0;
    int sets = 0;
    int statSheets = 0;
    bool curtains = false;
    int randomDealCount = 0;  // kNumHands, remembered in generate mode only
};

// The main window's flags the job reads and sets.
struct PrintJobState {
    bool suppressSetWarning = false;  // in/out
    bool printed = false;             // out: set once the job passes its questions
};

// Where the job reaches the world. Everything here must outlive the call; view and library
// must be set.
struct PrintJobServices {
    PrintJobView* view = nullptr;
    const PrintingLibrary* library = nullptr;
    // The options as they are now; called afresh for every printout.
    std::function<PrintOptions()> options;
    // The canvas of the statistics sheets; asked for only when a sheet is printed. Null means
    // no canvas could be made, which the job reports as a failed sheet.
    std::function<PrinterCanvas*()> statisticsCanvas;
    std::string settingsPath;    // where the counts are remembered
    bool rememberCounts = true;  // false for the batch command
    // The folder PDF files go to, or "" when printouts go to a printer; named to the user at
    // the end of a job that printed something.
    std::string pdfFolder;
    // Set when the makeable contracts are shown. Waits until the board set is analysed (the
    // user may cancel) and gives the analyser, or null when the job must stop: the wait was
    // cancelled, or the analysis failed and the user has been told why.
    std::function<const DealAnalyser*()> awaitAnalysis;
};

enum class PrintJobOutcome {
    NothingToPrint,  // "Nothing to print." shown; nothing written or printed
    Cancelled,       // the multiple set warning was not left with OK, or the wait for the
                     // analysis was cancelled
    Printed,         // everything asked for was printed
    Failed,          // stopped at a failure, whose message the user has seen
};

PrintJobOutcome PrintBtnClick(const PrintJobRequest& request, PrintJobState& state,
                              const PrintJobServices& services);

// The sentence for a status the printing library returned from PrintCustom.
std::string PrintStatusText(std::int32_t status);

// The positions (from 0) of the board set's deals that are printed, in order: all of them, or
// those with cards when empty deals are skipped.
std::vector<std::size_t> PrintedPositions(const tBoardSet& boardSet, bool printEmptyDeals);

}  // namespace kesto
