// The stored printer choice, read back by the program and by the printing library's own
// reader; and the job run without a window, as the batch command runs it.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>

#include "kesto/platform/file_io.h"
#include "kesto/print/print_destination.h"
#include "kesto/print/print_without_window.h"
#include "kestprt3/printer_settings.h"
#include "print_test_support.h"

namespace kesto::test {
namespace {

TEST_F(PrintJobTest, PrinterChoiceIsReadBackByProgramAndLibrary) {
    EXPECT_EQ(ReadPrintDestination(settingsPath_), PrintDestination{});
    const PrintDestination chosen{"Office Laser",
                                  "/home/director/Br\xFC"
                                  "cke PDFs"};
    ASSERT_TRUE(WritePrintDestination(settingsPath_, chosen));
    EXPECT_EQ(ReadPrintDestination(settingsPath_), chosen);

    const prt3::PrinterSettings library =
        prt3::ParsePrinterSettings(ReadWholeFile(settingsPath_).value);
    EXPECT_EQ(library.printerName, chosen.printerName);
    ASSERT_TRUE(library.pdfFolder.has_value());
    EXPECT_EQ(*library.pdfFolder, chosen.pdfFolder);

    // Choosing PDF files again clears the printer.
    ASSERT_TRUE(WritePrintDestination(settingsPath_, {"", chosen.pdfFolder}));
    EXPECT_EQ(prt3::ParsePrinterSettings(ReadWholeFile(settingsPath_).value).printerName, "");
}

TEST_F(PrintJobTest, WithoutWindowNeverAsksNorWritesSettings) {
    request_.sets = 3;
    request_.copies = 1;
    const std::string output = folder_ + "/out";
    WindowlessPrint print{request_, library_.get(), [this] { return PrintOptionsOf(*options_); },
                          nullptr, output};
    print.chosenPrinter = "Office Laser";  // an output folder goes before any printer
    print.output = [&] { return PrintOutput{std::make_unique<RecordingCanvas>(), output}; };
    print.request.statSheets = 1;
    std::ostringstream out, err;
    EXPECT_EQ(PrintWithoutWindow(print, out, err), PrintJobOutcome::Printed);
    EXPECT_EQ(PdfFolderOverride(), output);
    ::unsetenv(kPdfFolderVariable);
    EXPECT_EQ(Sequence(PrintCustomCalls()),
              (std::vector<std::string>{"PrintCustom 0", "PrintCustom 0", "PrintCustom 0",
                                        "PrintCustom 1"}));
    EXPECT_FALSE(std::filesystem::exists(settingsPath_));
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(), "Printouts written to " + output + ".\n");
}

TEST_F(PrintJobTest, WithoutWindowReportsToTheErrorStream) {
    request_.copies = 0;
    request_.sets = 0;
    WindowlessPrint print{request_, library_.get(), [this] { return PrintOptionsOf(*options_); },
                          nullptr, ""};
    std::ostringstream out, err;
    EXPECT_EQ(PrintWithoutWindow(print, out, err), PrintJobOutcome::NothingToPrint);
    EXPECT_EQ(err.str(), "kesto batch: Nothing to print.\n");

    print.request.copies = 1;
    print.request.statSheets = 1;  // no canvas to be had
    err.str("");
    EXPECT_EQ(PrintWithoutWindow(print, out, err), PrintJobOutcome::Failed);
    EXPECT_EQ(err.str(),
              "kesto batch: Printing stopped: the statistics sheet could not be printed, because "
              "no printer or PDF file could be prepared for it.\n");
    EXPECT_EQ(out.str(), "");
    // A chosen printer that resolves to PDF files is one the system lacks: nothing is printed.
    print.output = [] { return PrintOutput{nullptr, "/home/director/Kesto printouts"}; };
    print.chosenPrinter = "Office Laser";
    const std::size_t calls = Calls().size();
    err.str("");
    EXPECT_EQ(PrintWithoutWindow(print, out, err), PrintJobOutcome::Failed);
    EXPECT_TRUE(
        err.str().starts_with("kesto batch: The printer \"Office Laser\" chosen in File, "
                              "Printer setup is not on this system, so nothing was printed."));
    EXPECT_EQ(Calls().size(), calls);
}

}  // namespace
}  // namespace kesto::test
