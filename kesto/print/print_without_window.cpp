#include "kesto/print/print_without_window.h"

#include <ostream>

#include "kesto/platform/text_encoding.h"

namespace kesto {

Answer StreamPrintJobView::ShowMessage(MessageKind, const std::string& text, MessageButtons) {
    // The terminal reads UTF-8; the core's texts are Windows-1252, file names their bytes.
    err_ << "kesto batch: " << MessageToUtf8(text) << '\n';
    return Answer::Ok;
}

void StreamPrintJobView::PrintoutsSavedIn(const std::string& folder) {
    out_ << "Printouts written to " << MessageToUtf8(folder) << ".\n";
}

PrintJobOutcome PrintWithoutWindow(const WindowlessPrint& print, std::ostream& out,
                                   std::ostream& err) {
    if (!print.outputFolder.empty() && !SetPdfFolderOverride(print.outputFolder)) {
        err << "The output folder " << print.outputFolder << " could not be used.\n";
        return PrintJobOutcome::Failed;
    }
    StreamPrintJobView view(out, err);
    const PrintOutput output = print.output ? print.output() : PrintOutput{};
    if (!print.chosenPrinter.empty() && PdfFolderOverride().empty() && !output.pdfFolder.empty()) {
        view.ShowMessage(MessageKind::Error,
                         "The printer \"" + print.chosenPrinter +
                             "\" chosen in File, Printer setup is not on this system, so nothing "
                             "was printed. Choose a printer there, or give --output-folder to "
                             "have the printouts written as PDF files.",
                         MessageButtons::Ok);
        return PrintJobOutcome::Failed;
    }
    PrintJobState state;
    state.suppressSetWarning = true;  // a script has no one to ask
    PrintJobServices services;
    services.view = &view;
    services.library = print.library;
    services.options = print.options;
    services.statisticsCanvas = [&output] { return output.canvas.get(); };
    services.rememberCounts = false;
    services.pdfFolder = print.output ? output.pdfFolder : PdfFolderOverride();
    if (const DealAnalyser* analysis = print.analysis) {
        services.awaitAnalysis = [analysis] { return analysis; };
    }
    return PrintBtnClick(print.request, state, services);
}

}  // namespace kesto
