#pragma once
// The print job run without a window, for the batch command: the multiple set warning is
// never shown, the settings are never written, messages go to a stream. With an output folder
// every printout (the library's and the statistics sheets) becomes a PDF file there, whatever
// printer is chosen.

#include <functional>
#include <iosfwd>
#include <string>

#include "kesto/print/print_destination.h"
#include "kesto/print/print_job.h"

namespace kesto {

// Writes each message as one line (in UTF-8, for the terminal) to err; the folder of finished
// PDF printouts as "Printouts written to <folder>." to out.
class StreamPrintJobView final : public PrintJobView {
  public:
    StreamPrintJobView(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    Answer ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) override;
    void FocusCopiesField() override {}
    // Never asked by PrintWithoutWindow; answers OK and leaves the warning on.
    MultipleSetAnswer TMultipleSetWarningDlg() override { return {true, false}; }
    void PrintoutsSavedIn(const std::string& folder) override;

  private:
    std::ostream& out_;
    std::ostream& err_;
};

struct WindowlessPrint {
    PrintJobRequest request;
    const PrintingLibrary* library = nullptr;
    std::function<PrintOptions()> options;
    // Where printouts go now, as the program resolves the stored choice; asked once, after the
    // output folder is in force. Its canvas takes the statistics sheets, its PDF folder is named
    // at the end. Null: no statistics sheet can be printed, and KESTO_PDF_FOLDER is named.
    std::function<PrintOutput()> output;
    // "" keeps the stored printer choice. Otherwise KESTO_PDF_FOLDER is set to it before any
    // printout.
    std::string outputFolder;
    // The printer chosen in the settings ("" for none). When the output resolved for it writes
    // PDF files although no PDF folder is forced, the system has no such printer: the job then
    // prints nothing and names it, rather than leave the printouts somewhere unasked for.
    std::string chosenPrinter{};
    // Set for hand records and deal sheets with the makeable contracts: the analysed deals.
    const DealAnalyser* analysis = nullptr;
};

// PrintJobOutcome::Printed when everything asked for was printed. "Nothing to print.", a
// chosen printer the system lacks and every failure are written to err.
PrintJobOutcome PrintWithoutWindow(const WindowlessPrint& print, std::ostream& out,
                                   std::ostream& err);

}  // namespace kesto
