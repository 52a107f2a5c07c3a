// The print page's commands.

#include "kesto/options/settings_store.h"
#include "kesto/platform/program_files.h"
#include "kesto/print/print_job.h"
#include "kesto/print/print_options.h"
#include "kesto/workflow/date_format.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/save_deals.h"
#include "kesto/workflow/texts.h"

namespace kesto {

namespace {

// The main window's view as the print job sees it.
class PrintPageView final : public PrintJobView {
  public:
    explicit PrintPageView(MainWindowView& view) : view_(view) {}
    Answer ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) override {
        return view_.ShowMessage(kind, text, buttons);
    }
    void FocusCopiesField() override { view_.FocusCopiesField(); }
    MultipleSetAnswer TMultipleSetWarningDlg() override { return view_.TMultipleSetWarningDlg(); }
    void PrintoutsSavedIn(const std::string& folder) override { view_.PrintoutsSavedIn(folder); }

  private:
    MainWindowView& view_;
};

}  // namespace

void TKestoMain::PrintBtnClick() {
    if (!printing_) {
        return;  // start-up ends the program without the library; nothing to print with
    }
    const PrintJobRequest request = PrintRequest();
    PrintJobState state{SuppressSetWarning, Printed};
    PrintPageView view(view_);
    const std::string& settingsPath = settings_.path;
    // Resolved now, so that a choice made in printer setup a moment ago applies.
    PrintOutput output;
    if (printOutput_) {
        output = printOutput_(settingsPath);
    }

    PrintJobServices services;
    services.view = &view;
    services.library = printing_.get();
    services.options = [this] {
        return options_ != nullptr ? PrintOptionsOf(*options_) : DefaultPrintOptions(languages_);
    };
    services.statisticsCanvas = [&output] { return output.canvas.get(); };
    services.settingsPath = settingsPath;
    services.pdfFolder = output.pdfFolder;
    if (ShowMakeableContracts()) {
        services.awaitAnalysis = [this] { return AwaitAnalysis(); };
    }
    kesto::PrintBtnClick(request, state, services);
    SuppressSetWarning = state.suppressSetWarning;
    Printed = state.printed;
}

void TKestoMain::OptionsApplied() {
    if (page_ == Page::Print && ShowMakeableContracts()) {
        if (!analysis_ || !analysis_->Covers(boardSet)) {
            StartAnalysis();
        }
    } else if (analysis_ && !ShowMakeableContracts()) {
        analysis_->Cancel();  // its progress bar goes with the option
    }
    Refresh();
}

PrintJobRequest TKestoMain::PrintRequest() const {
    PrintJobRequest request;
    request.boardSet = &boardSet;
    request.mode = mode_;
    request.dealsComplete = DealsComplete;
    request.printEmptyDeals = PrintEmptyDeals;
    request.header1 = line1_;
    request.header2 = line2_;
    request.copies = copies_;
    request.sets = sets_;
    request.statSheets = statSheets_;
    request.curtains = curtains_;
    request.randomDealCount = randomCount_;
    return request;
}

bool TKestoMain::SaveBtnClick(const DealAnalyser* analysis) {
    tBoardSet boards(boardSet.begin(),
                     boardSet.begin() + static_cast<std::ptrdiff_t>(FilledCount(boardSet)));
    // Header line 2 may hold the date of the deals; the PBN file's Date tag gives it.
    SaveRequest request{{boards, line1_, line2_, Mode(), DateOfText(line2_, clock_)}};
    if (analysis) {
        request.awaitAnalysis = [analysis] { return analysis; };
    } else if (ShowMakeableContracts()) {
        request.awaitAnalysis = [this] { return AwaitAnalysis(); };
    }
    request.fileName = fileName_;
    const std::optional<std::string> saved = kesto::SaveBtnClick(view_, settings_, request);
    if (!saved) {
        return false;
    }
    fileName_ = *saved;
    savedBoards_ = std::move(boards);
    Refresh();
    return true;
}

void TKestoMain::CreateBtnClick(HtmlExportView& htmlView, const HtmlPageOptions& options) {
    const std::string folder = SettingsStore(settings_).Read(kHtmlFolder);
    HtmlExportContext context{boardSet,          line1_,      line2_, statsWithHtml_,
                              options,           html_.get(), folder, ProgramDataFolder(),
                              SuppressHTMLAlert, Printed};
    if (ShowMakeableContracts()) {
        context.awaitAnalysis = [this] { return AwaitAnalysis(); };
    }
    HTMLBtnClick(context, htmlView);
    SettingsStore(settings_).Write(kHtmlFolder, context.dialogDirectory);
}

}  // namespace kesto
