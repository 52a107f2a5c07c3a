#include "kesto/print/print_without_window.h"

#include <ostream>

#include "kesto/platform/text_encoding.h"
#include "kesto/print/print_destination.h"

namespace kesto {

Answer StreamPrintJobView::ShowMessage(MessageKind, const std::string& text, MessageButtons) {
    // The terminal reads UTF-8; the core's texts are Windows-1252.
    err_ << "kesto batch: " << Windows1252ToUtf8(text) << '\n';
    return Answer::Ok;
}

void StreamPrintJobView::PrintoutsSavedIn(const std::string& folder) {
    out_ << "Printouts written to " << Windows1252ToUtf8(folder) << ".\n";
}

PrintJobOutcome PrintWithoutWindow(const WindowlessPrint& print, std::ostream& out,
                                   std::ostream& err) {
    if (!print.outputFolder.empty() && !SetPdfFolderOverride(print.outputFolder)) {
        err << "The output folder " << print.outputFolder << " could not be used.\n";
        return PrintJobOutcome::Failed;
    }
    StreamPrintJobView view(out, err);
    PrintJobState state;
    state.suppressSetWarning = true;  // a script has no one to ask
    PrintJobServices services;
    services.view = &view;
    services.library = print.library;
    services.options = print.options;
    services.statisticsCanvas = print.statisticsCanvas;
    services.rememberCounts = false;
    services.pdfFolder = PdfFolderOverride();
    if (const DealAnalyser* analysis = print.analysis)
        services.awaitAnalysis = [analysis] { return analysis; };
    return PrintBtnClick(print.request, state, services);
}

}  // namespace kesto
