#include "kesto/html/html_export.h"

#include "kesto/deal/deal_notation.h"
#include "kesto/html/html_analysis.h"
#include "kesto/options/language_table.h"
#include "kesto/options/option_dialog.h"
#include "kesto/platform/file_io.h"
#include "kesto/stats/html_statistics.h"
#include "kesto/stats/statistics.h"

namespace kesto {

namespace {

constexpr std::string_view kNoDealsText = "There are no deals to put on an HTML page.";
constexpr std::string_view kPageUnchangedText = " The page was not written.";
// The library's number for a file it cannot create.
constexpr std::int32_t kHtmlCannotCreate = 1;

}  // namespace

HtmlHintsTexts MakeHtmlHintsTexts(const std::string& programDirectory) {
    HtmlHintsTexts texts;
    texts.label1 = std::string(kHtmlHintsLabel1);
    // The folder keeps its name's bytes, as every message that names a file does.
    texts.label2 =
        std::string(kHtmlHintsLabel2Start) + programDirectory + std::string(kHtmlHintsLabel2End);
    texts.label3 = std::string(kHtmlHintsLabel3);
    texts.label4 = std::string(kHtmlHintsLabel4);
    return texts;
}

HtmlPageOptions HtmlOptionsOf(const TOptionDlg& options) {
    return HtmlPageOptions{options.Languages(), options.ShowDlrVul(), options.GIFLocation()};
}

std::string HtmlDealRecord(int boardNumber, const tDeal& deal, bool showDlrVul) {
    if (showDlrVul) {
        return DealRecord(boardNumber, deal);
    }
    // The deal tag still starts with the dealer, as in every record the program sends.
    return BoardTag(boardNumber) + "|" + DealTag(deal, SeatLetter(BoardDealer(boardNumber)));
}

HtmlCustomArguments MakeHtmlCustomArguments(const std::string& fileName,
                                            const std::string& headerLine1,
                                            const std::string& headerLine2,
                                            const HtmlPageOptions& options) {
    const LanguageTable& table = options.languages;
    const int language = table.CurrentLanguage();
    const auto word = [&](int slot) { return table.LanguageWord(language, slot); };
    HtmlCustomArguments a;
    a.fileName = fileName;
    a.imageLocation = options.gifLocation;
    a.title1 = headerLine1;
    a.title2 = headerLine2;
    a.ace = word(kSlotAce);
    a.king = word(kSlotKing);
    a.queen = word(kSlotQueen);
    a.jack = word(kSlotJack);
    a.ten = word(kSlotTen);
    a.none = word(kSlotNone);
    a.both = word(kSlotBoth);
    a.dealer = word(kSlotDealerShort);
    a.board = word(kSlotBoard);
    a.vul = word(kSlotVulnerable);
    a.north = word(kSlotNorthLetter);
    a.east = word(kSlotEastLetter);
    a.south = word(kSlotSouthLetter);
    a.west = word(kSlotWestLetter);
    a.boardByPosition = 0;
    a.dealerVulByPosition = options.showDlrVul ? 1 : 0;
    return a;
}

std::string HtmlPageFailedText(const std::string& fileName, std::int32_t status) {
    std::string reason;
    switch (status) {
        case 1:
            reason =
                "the file could not be created (check that the folder exists and that you "
                "may write there)";
            break;
        case 2:
            reason = "writing to the file failed (the disk may be full)";
            break;
        case 3:
            reason = "the file could not be closed (the disk may be full)";
            break;
        case 4:
            reason = "there was not enough memory";
            break;
        default:
            reason = "the HTML library reported error " + std::to_string(status);
            break;
    }
    return "The HTML page " + fileName + " could not be written: " + reason + ".";
}

namespace {

// Puts the statistics section into the page the library has written.
Status AddStatistics(PendingFile& page, const tBoardSet& boardSet) {
    const StatusOr<std::string> written = ReadWholeFile(page.Path());
    if (!written.status.Ok()) {
        return written.status;
    }
    const StatusOr<std::string> withStatistics = PageWithHtmlStatistics(
        written.value, ComputeStatistics(boardSet), LocaleDecimalSeparator());
    return withStatistics.status.Ok() ? page.Write(withStatistics.value) : withStatistics.status;
}

// Puts the makeable contracts under the deals of the page the library has written: one cell
// for each board sent, in board order.
Status AddAnalysis(PendingFile& page, const tBoardSet& boardSet, const DealAnalyser& analyser,
                   const LanguageTable& languages) {
    const StatusOr<std::string> written = ReadWholeFile(page.Path());
    if (!written.status.Ok()) {
        return written.status;
    }
    const std::vector<std::shared_ptr<const DealAnalysis>> found = analyser.FindAll(boardSet);
    std::vector<const DealAnalysis*> analyses;
    for (const auto& analysis : found) {
        analyses.push_back(analysis.get());
    }
    const StatusOr<std::string> withAnalysis =
        PageWithHtmlAnalysis(written.value, analyses, HtmlAnalysisWordsOf(languages));
    return withAnalysis.status.Ok() ? page.Write(withAnalysis.value) : withAnalysis.status;
}

// Steps 3 to 6 once the file name is known: the deals, the page, the makeable contracts, the
// statistics, Printed. The page is built in a new file beside fileName (beside a link's
// target), so on any failure the old page stays exactly as it was.
HtmlExportOutcome WritePage(const std::string& fileName, const HtmlExportContext& context,
                            const DealAnalyser* analysis, Ui& ui) {
    StatusOr<PendingFile> page = PendingFile::Begin(fileName);
    if (!page.status.Ok()) {
        ui.ShowMessage(MessageKind::Error, HtmlPageFailedText(fileName, kHtmlCannotCreate));
        return HtmlExportOutcome::PageFailed;
    }
    const HtmlLibrary& library = *context.library;
    const bool showDlrVul = context.options.showDlrVul;
    for (std::size_t i = 0; i < context.boardSet.size(); ++i) {
        const int boardNumber = static_cast<int>(i) + 1;
        library.AddDeal(HtmlDealRecord(boardNumber, context.boardSet[i], showDlrVul));
    }
    const std::int32_t status = library.HTMLCustom(MakeHtmlCustomArguments(
        page.value.Path(), context.headerLine1, context.headerLine2, context.options));
    // Emptied after a failure too, so that the next attempt does not send the deals twice.
    library.ClearDeals();
    if (status != 0) {
        ui.ShowMessage(MessageKind::Error, HtmlPageFailedText(fileName, status));
        return HtmlExportOutcome::PageFailed;
    }
    if (analysis != nullptr) {
        const Status added =
            AddAnalysis(page.value, context.boardSet, *analysis, context.options.languages);
        if (!added.Ok()) {
            ui.ShowMessage(MessageKind::Error, AnalysisNotAddedText(fileName, added.Reason()) +
                                                   std::string(kPageUnchangedText));
            return HtmlExportOutcome::AnalysisFailed;
        }
    }
    if (context.statsWithHtml) {
        if (const Status added = AddStatistics(page.value, context.boardSet); !added.Ok()) {
            ui.ShowMessage(MessageKind::Error, StatisticsNotAddedText(fileName, added.Reason()) +
                                                   std::string(kPageUnchangedText));
            return HtmlExportOutcome::StatisticsFailed;
        }
    }
    if (const Status committed = page.value.Commit(); !committed.Ok()) {
        ui.ShowMessage(MessageKind::Error, "The HTML page " + fileName + " could not be written: " +
                                               committed.Reason() + ".");
        return HtmlExportOutcome::PageFailed;
    }
    context.printed = true;
    return HtmlExportOutcome::Written;
}

}  // namespace

HtmlExportOutcome HTMLBtnClick(HtmlExportContext& context, HtmlExportView& view) {
    if (context.library == nullptr) {
        return HtmlExportOutcome::NotAvailable;
    }
    Ui& ui = view.Dialogs();

    // 1. The hints, until the user asks not to see them again.
    if (!context.suppressHTMLAlert) {
        const HtmlHintsResult hints =
            view.THTMLWarnDlg(MakeHtmlHintsTexts(context.programDirectory));
        if (hints.answer == HtmlHintsAnswer::Closed) {
            return HtmlExportOutcome::Cancelled;  // Cancel changes nothing, the check box too
        }
        context.suppressHTMLAlert = hints.doNotShowAgain;
        if (hints.answer == HtmlHintsAnswer::Yes) {
            view.ShowOptionsOnOtherPage();
            return HtmlExportOutcome::OptionsShown;
        }
    }

    // An empty list makes the library write nothing, so a file chosen for overwriting
    // would keep its old contents (and might get statistics added): stop before asking.
    if (context.boardSet.empty()) {
        ui.ShowMessage(MessageKind::Information, std::string(kNoDealsText));
        return HtmlExportOutcome::NoDeals;
    }

    // 2. The save dialog.
    FileDialogRequest request;
    request.title = std::string(kHtmlSaveTitle);
    request.filter = std::string(kHtmlSaveFilter);
    request.filterIndex = 1;
    request.defaultExtension = std::string(kHtmlSaveDefaultExtension);
    request.initialDirectory = context.dialogDirectory;
    request.promptOverwrite = true;
    const FileDialogResult chosen = ui.SaveFileDialog(request);
    if (!chosen.accepted || chosen.fileName.empty()) {
        return HtmlExportOutcome::Cancelled;
    }
    context.dialogDirectory = DirectoryOf(chosen.fileName);

    const DealAnalyser* analysis = nullptr;
    if (context.awaitAnalysis) {
        analysis = context.awaitAnalysis();
        if (analysis == nullptr) {
            return HtmlExportOutcome::Cancelled;
        }
    }
    return WritePage(chosen.fileName, context, analysis, ui);
}

namespace {

// The batch front end's dialogs: no questions, the save dialog answers with the file name,
// messages are kept for the caller.
class BatchDialogs final : public Ui {
  public:
    explicit BatchDialogs(std::string fileName) : fileName_(std::move(fileName)) {}
    Answer ShowMessage(MessageKind, const std::string& text, MessageButtons) override {
        message = text;
        return Answer::Ok;
    }
    void Beep() override {}
    FileDialogResult OpenFileDialog(const FileDialogRequest&) override { return {}; }
    FileDialogResult SaveFileDialog(const FileDialogRequest&) override {
        return {true, fileName_, 1};
    }
    std::string message;

  private:
    std::string fileName_;
};

class BatchView final : public HtmlExportView {
  public:
    explicit BatchView(BatchDialogs& dialogs) : dialogs_(dialogs) {}
    Ui& Dialogs() override { return dialogs_; }
    HtmlHintsResult THTMLWarnDlg(const HtmlHintsTexts&) override {
        return {HtmlHintsAnswer::No, true};
    }
    void ShowOptionsOnOtherPage() override {}

  private:
    BatchDialogs& dialogs_;
};

}  // namespace

Status WriteHtmlPage(const std::string& fileName, const tBoardSet& boardSet,
                     const std::string& headerLine1, const std::string& headerLine2,
                     bool statsWithHtml, const HtmlPageOptions& options, const HtmlLibrary& library,
                     const DealAnalyser* analysis) {
    BatchDialogs dialogs(fileName);
    BatchView view(dialogs);
    bool suppress = true;
    bool printed = false;
    HtmlExportContext context{boardSet, headerLine1, headerLine2, statsWithHtml, options,
                              &library, "",          "",          suppress,      printed};
    if (analysis != nullptr) {
        context.awaitAnalysis = [analysis] { return analysis; };
    }
    // Neither the hints nor a question is asked here: the page is written or has failed.
    const HtmlExportOutcome outcome = HTMLBtnClick(context, view);
    if (outcome == HtmlExportOutcome::Written) {
        return {};
    }
    return outcome == HtmlExportOutcome::NoDeals ? Status::NothingToDo(dialogs.message)
                                                 : Status::Failure(dialogs.message);
}

}  // namespace kesto
