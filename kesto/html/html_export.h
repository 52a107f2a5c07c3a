#pragma once
// The "&Create" command of the print page (HTMLBtnClick): the HTML hints dialog, the save
// dialog, the deals handed to the HTML page library, the page written, and the statistics
// section inserted when it is asked for.
//
// The command owns nothing: it reads the board set, the header lines and the live options
// through an HtmlExportContext and sets the two flags it names there. It talks to the user
// only through an HtmlExportView. Texts are Windows-1252.

#include <string>
#include <string_view>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/deal/deal.h"
#include "kesto/html/html_library.h"
#include "kesto/platform/status.h"
#include "kesto/platform/ui.h"

namespace kesto {

class LanguageTable;
class TOptionDlg;

// The hints dialog (THTMLWarnDlg).
inline constexpr std::string_view kHtmlHintsCaption = "HTML Hints";
inline constexpr std::string_view kHtmlHintsLabel1 =
    "If you have not used Kesto's HTML features before, there are two things you need to be "
    "aware of:";
// Label2 is this text, the program's folder with its final separator, and kHtmlHintsLabel2End.
inline constexpr std::string_view kHtmlHintsLabel2Start =
    "First, the four suit GIFs that come with Kesto (spade.gif, heart.gif, diamond.gif, and "
    "club.gif) must be copied to your web site.  In addition, one of the board GIFs must also "
    "be copied there.  (The board GIFs are named 'board.gif' for English and have corresponding "
    "names for other languages. Whichever board GIF you use, you must name it 'board.gif' once "
    "it is on your web site.) You can find those GIFs in the directory ";
inline constexpr std::string_view kHtmlHintsLabel2End = "GIF on this computer.";
inline constexpr std::string_view kHtmlHintsLabel3 =
    "Second, the HTML page must 'know' where to find the GIFs on your web site.  You must "
    "supply that information on the Kesto Options Dialog, available by clicking on the Options "
    "Menu, then 'Other.'  If the GIFs are kept in the same directory on your web site as the "
    "HTML pages, you should leave the Location Edit Box on the Options Dialog blank.  If you "
    "have not done that already, you should do it now, and then click on 'Create' again.";
inline constexpr std::string_view kHtmlHintsLabel4 = "Go to Options Dialog now?";
inline constexpr std::string_view kHtmlHintsNoCaption = "&No, go ahead and create the HTML";
inline constexpr std::string_view kHtmlHintsCheckBox = "Do not show this alert again";

// The save dialog.
inline constexpr std::string_view kHtmlSaveTitle = "Save deals to HTML document";
inline constexpr std::string_view kHtmlSaveFilter =
    "HTML files (*.htm)(*.html)|*.htm;*.html|All files (*.*)|*.*";
inline constexpr std::string_view kHtmlSaveDefaultExtension = "htm";

// The folder, under the program's folder, that holds the suit and board images.
inline constexpr std::string_view kGifFolderName = "GIF";

// What the hints dialog shows: the four labels, Label2 and Label3 set for this showing.
struct HtmlHintsTexts {
    std::string label1, label2, label3, label4;
};

// The hints dialog's texts, with programDirectory (ending in its separator) in Label2.
HtmlHintsTexts MakeHtmlHintsTexts(const std::string& programDirectory);

// Closed: Cancel, Esc or the close box.
enum class HtmlHintsAnswer { Yes, No, Closed };

struct HtmlHintsResult {
    HtmlHintsAnswer answer = HtmlHintsAnswer::Closed;
    bool doNotShowAgain = false;  // the state of the check box when the dialog closed
};

// What the command asks of its window: the message and file dialogs, the hints dialog and
// the options dialog.
class HtmlExportView {
  public:
    virtual ~HtmlExportView() = default;
    virtual Ui& Dialogs() = 0;
    // Shows THTMLWarnDlg modally with these texts; its answer when it closes.
    virtual HtmlHintsResult THTMLWarnDlg(const HtmlHintsTexts& texts) = 0;
    // Opens the options dialog modally on its "&Other" page, as Options, "&Other..." does.
    virtual void ShowOptionsOnOtherPage() = 0;
};

// The live option values a page is written with.
struct HtmlPageOptions {
    const LanguageTable& languages;  // the words of its CurrentLanguage
    bool showDlrVul = true;          // "&Show dealer and vulnerability on printouts and HTML"
    std::string gifLocation;         // GIFLocationEdit
};

HtmlPageOptions HtmlOptionsOf(const TOptionDlg& options);

// Everything the command reads, and the two flags it sets. The references must outlive the
// call; the library may be null (the command is then disabled and does nothing).
struct HtmlExportContext {
    const tBoardSet& boardSet;
    const std::string& headerLine1;
    const std::string& headerLine2;
    bool statsWithHtml = false;  // "Include statistics in HTML"
    HtmlPageOptions options;
    const HtmlLibrary* library = nullptr;
    // Where the save dialog starts (empty: the documents folder); once a file is chosen, its
    // folder.
    std::string dialogDirectory;
    std::string programDirectory;  // shown in the hints dialog, with its final separator
    bool& suppressHTMLAlert;       // read, and set from the hints dialog's check box
    bool& printed;                 // set once a page was written
    // Set when the makeable contracts are shown: called once the file is chosen, it waits
    // until the board set is analysed (the user may cancel) and gives the analyser, or null
    // when nothing is to be written: the wait was cancelled, or the analysis failed and the
    // user has been told why.
    std::function<const DealAnalyser*()> awaitAnalysis = {};
};

// The deal record of every board as the page gets it. With the dealer and vulnerability
// option off the records carry only the Board and Deal tags, so the library prints neither.
std::string HtmlDealRecord(int boardNumber, const tDeal& deal, bool showDlrVul);

// The twenty arguments of HTMLCustom for a page written to fileName with the header lines.
HtmlCustomArguments MakeHtmlCustomArguments(const std::string& fileName,
                                            const std::string& headerLine1,
                                            const std::string& headerLine2,
                                            const HtmlPageOptions& options);

// The message for a page the library could not complete.
std::string HtmlPageFailedText(const std::string& fileName, std::int32_t status);

// What became of one use of the command.
enum class HtmlExportOutcome {
    NotAvailable,      // no library bound
    OptionsShown,      // Yes in the hints dialog: the options dialog, no page
    Cancelled,         // the hints, the save dialog or the wait for the analysis was cancelled
    NoDeals,           // an empty board set: a note shown, nothing asked, nothing written
    PageFailed,        // the page could not be written (message shown)
    StatisticsFailed,  // the statistics section could not be added (message shown)
    AnalysisFailed,    // the makeable contracts could not be added (message shown)
    Written,
};

// The command. Failures are shown through view.Dialogs() as error messages. The page is made
// in a new file beside the chosen one (beside a link's target: the link stays) and takes its
// place only once complete, makeable contracts and statistics included; after any failure
// the old page is as it was.
HtmlExportOutcome HTMLBtnClick(HtmlExportContext& context, HtmlExportView& view);

// The command without a window (the batch front end): no hints dialog, the page written to
// fileName (no overwrite question), options as given, the makeable contracts from analysis
// when it is given. Fails with the text the window would show: NothingToDo for an empty board
// set.
Status WriteHtmlPage(const std::string& fileName, const tBoardSet& boardSet,
                     const std::string& headerLine1, const std::string& headerLine2,
                     bool statsWithHtml, const HtmlPageOptions& options, const HtmlLibrary& library,
                     const DealAnalyser* analysis = nullptr);

}  // namespace kesto
