#pragma once
// The fixed English texts of the main window, its pages and its dialogs, exactly as the user
// sees them ("&" marks the accelerator). The window and the batch front end share them.

#include <string>
#include <string_view>
#include <vector>

#include "kesto/plan/plan_reader.h"
#include "kesto/workflow/suited_text.h"

namespace kesto::texts {

// Window captions.
inline constexpr std::string_view kCaptionFirst = "Kesto";
inline constexpr std::string_view kCaptionRecord = "Kesto - Record hands";
inline constexpr std::string_view kCaptionPrint = "Kesto - Print hands";
inline constexpr std::string_view kNext = "&Next >>";
inline constexpr std::string_view kDone = "&Done";
inline constexpr std::string_view kPrevious = "<< &Previous";

// The first page.
inline constexpr std::string_view kModeItems[] = {
    "&Generate random deals",
    "&Record deals that have already been dealt",
    "Read deals fro&m file",
};
inline constexpr std::string_view kRandomCountLabel = "N&umber of random deals to generate";
inline constexpr std::string_view kHeaderGroup = "Header for printout";
inline constexpr std::string_view kLine1 = "Line &1";
inline constexpr std::string_view kLine2 = "Line &2";
inline constexpr std::string_view kUseDate = "Use &date as default second line";
inline constexpr std::string_view kDealToPlan = "Deal to a p&lan";
inline constexpr std::string_view kPlanButton = "Pl&an...";

// Start-up. problem is the loader's sentence that names the library file, its folder and
// what is wrong; library is the file's path when it was loaded, its name when not.
// "libkestprt3.so is missing from /opt/kesto/lib/kesto: install Kesto again.\r\n\r\nThe
// program will now terminate."
std::string PrintingLibraryNotFoundText(std::string_view problem);
// "There was a problem interfacing with /opt/kesto/lib/kesto/libkestprt3.so.  This program cannot
// run unless it is properly interfaced with it.  It will now terminate."
std::string PrintingLibraryInterfaceText(std::string_view library);
// "libkestweb2.so is missing from ...: install Kesto again.\r\n\r\nKesto needs this file to
// create HTML pages."
std::string HtmlLibraryNotFoundText(std::string_view problem);
// "There was a problem interfacing with /opt/kesto/lib/kesto/libkestweb2.so.  You will not be
// able to create HTML pages unless this program is properly interfaced with it."
std::string HtmlLibraryInterfaceText(std::string_view library);

// Leaving the pages.
inline constexpr std::string_view kNothingToPrint = "Nothing to print";
inline constexpr std::string_view kNotPrintedExit =
    "You haven't printed any hands yet.  Exit anyway?";
inline constexpr std::string_view kBackingUp =
    "Backing up now will result in losing the data that has been entered.  Proceed anyway?";
inline constexpr std::string_view kClearPrinted = "Clear all printed deals?";

// Boards not saved, before they are dropped.
inline constexpr std::string_view kSaveBeforeClosing = "Save the deals before closing?";
inline constexpr std::string_view kCloseWithoutSaving = "Close &Without Saving";
inline constexpr std::string_view kSaveBeforeReading =
    "Save the deals before reading another file?";
inline constexpr std::string_view kReadWithoutSaving = "Read &Without Saving";
inline constexpr std::string_view kSaveBeforeNew = "Save the deals before starting new ones?";
inline constexpr std::string_view kStartWithoutSaving = "Start &Without Saving";
// "If you don't save, the 30 boards will be lost." / "If you don't save, your changes to
// evening.pbn will be lost." (fileName: the boards' file, without its folder; may be empty)
std::string UnsavedBoardsText(int boards, std::string_view fileName);
// The window's title for boards that have a file: "evening.pbn - Kesto".
std::string FileCaption(std::string_view fileName);
// Put before the title while the boards have changed since they were read or saved.
inline constexpr std::string_view kChangedMark = "*";

// The board viewer's note in place of the makeable contracts.
inline constexpr std::string_view kMakeablePending =
    "The makeable contracts of this board are being worked out.";
inline constexpr std::string_view kMakeableMissing =
    "The makeable contracts could not be worked out.";

// "Deal 2 has only 13 cards."
std::string DealHasOnlyText(int boardNumber, int cardCount);
// "Deal 2 has no cards." / "Deals 2, 4 and 7 have no cards." (numbers in increasing order).
std::string DealsWithoutCardsText(const std::vector<int>& boardNumbers);
// "N&umber of copies (with all 30 hands):"
std::string CopiesLabel(int dealCount);
// The message for a count field whose text is not a whole number.
std::string NotAWholeNumberText(std::string_view text);
// A file whose boards are numbered otherwise than 1, 2, 3 ...: "The boards in club.pbn are
// numbered 5 to 16. Kesto numbers them 1 to 12, and dealer and vulnerability follow the new
// numbers." The file's numbers are given in file order, three or more in a row as a run
// ("1 to 3, 7, 8", repeated numbers as often as they stand), the first four items at most,
// then "..."; boards without a number (0) are counted ("; 3 boards have no number Kesto can
// read").
std::string BoardsRenumberedText(std::string_view fileName, const std::vector<int>& fileNumbers);
// A file whose dealers or vulnerabilities differ from the rotation for the boards given
// (DealFileContents::otherDealerOrVulnerability): "In teach.pbn, the Dealer or Vulnerable tag of
// boards 2 to 4, 6 differs from the usual rotation. Kesto gives every board the dealer and
// vulnerability of its number, so these change." A file of another kind than PBN has no tags:
// "In club.lin, the dealer or vulnerability of board 2 differs ..."
std::string OtherDealerOrVulnerabilityText(std::string_view fileName, bool pbnTags,
                                           const std::vector<int>& boards);
// Secure dealing could not read the system's random source; reason is the system's words.
std::string SecureDealingFailedText(std::string_view reason);
// The window's message when the makeable contracts could not be worked out; failure is the
// analysis's own sentence ("The makeable contracts could not be worked out: ...", as the batch
// gives it).
std::string AnalysisFailedText(std::string_view failure);
// A deal file whose makeable contracts differ from the solver's for the boards given: "The
// makeable contracts that the file gives for boards 1, 4 differ from the solver's; Kesto shows
// the solver's." (numbers in increasing order, as runs).
std::string FileAnalysisDiffersText(const std::vector<int>& boards);
// Next with "Deal to a p&lan" ticked and a plan that cannot be read; error is PlanErrorText.
std::string PlanUnreadableText(std::string_view error);
// The first page's line while "Deal to a p&lan" is ticked: "Plan: 12 boards (8 + 4), mixed",
// "Plan: one condition for all 30 boards" (dealsAsked; "Plan: a dealer script for all 30
// boards" when it is one), or "Plan: cannot be read; mend it with
// Plan...".
std::string PlanLineText(const PlanReading& reading, int dealsAsked, bool mix);

// The deals-with-no-cards dialog.
inline constexpr std::string_view kZeroCardsCaption = "Deals with no cards";
inline constexpr std::string_view kZeroCardsChoices[] = {
    "Add cards",
    "Skip all deals with no cards during printing",
    "Print all deals, even those with no cards",
};
inline constexpr std::string_view kOk = "OK";

// The duplicate-card question: a card typed into one hand that another hand holds.
inline constexpr std::string_view kDuplicateCaption = "Card in another hand";
inline constexpr std::string_view kTransferIt = "&Transfer it";
inline constexpr std::string_view kCancel = "&Cancel";
// Fixed seat names of that question, by Seat.
inline constexpr std::string_view kSeatNames[] = {"North", "East", "South", "West"};
// "♣6 is already with North.", rank as the page writes it.
SuitedText DuplicateCardText(Suit suit, std::string_view rank, std::string_view holder);
// What a transfer leaves the holder with: "Transfer it to East? Then North has 12 cards; ♣6 is
// missing."
SuitedText DuplicateCardQuestion(Suit suit, std::string_view rank, std::string_view holder,
                                 std::string_view typedInto, int holderCardsAfter);

// The date-format dialog.
inline constexpr std::string_view kDateCaption = "Date format";
inline constexpr std::string_view kDateLabel = "Select date format:";
inline constexpr std::string_view kDateOk = "&OK";

// The hand-entry page.
inline constexpr std::string_view kDealLabel = "Deal:";
inline constexpr std::string_view kFillIn = "F&ill in";
inline constexpr std::string_view kClearDeal = "&Clear deal";

}  // namespace kesto::texts
