#pragma once
// The print job's windows: the multiple set warning, the "&Printer setup..." dialog, and where
// printouts go now (the stored choice resolved against the printers this system has, so that
// the program's statistics sheets and the printing library's printouts end up together).

#include <memory>
#include <string>

#include <QWidget>

#include "kesto/gui/qt_printer_canvas.h"
#include "kesto/print/print_destination.h"
#include "kesto/print/print_job.h"

namespace kesto::gui {

// TMultipleSetWarningDlg, modal: OK (focused) and Cancel; the check box's state however the
// dialog closes.
MultipleSetAnswer RunMultipleSetWarningDialog(QWidget* parent);

// Where printouts go now, resolved as the printing library resolves it: KESTO_PDF_FOLDER
// when set; else the chosen printer when this system has it; else PDF files in the chosen
// folder or, when none is chosen, in "Kesto printouts" in the user's documents folder.
struct ResolvedDestination {
    QtPrintDestination canvas;  // printerName empty when printing to PDF
    bool toPdf = true;
    std::string pdfFolder;  // the folder PDF files go to when toPdf (its name's bytes)
};
ResolvedDestination ResolvePrintDestination(const PrintDestination& stored);

// "Kesto printouts" in the user's documents folder, as the file system names it.
std::string DefaultPdfFolder();

// A canvas for the statistics sheets to the destination stored in the settings file now, with
// the PDF folder the job names to the user (a PrintOutputFactory).
PrintOutput MakePrintOutput(const std::string& settingsPath);

// The "&Printer setup..." dialog: a printer of this system, or PDF files in a folder (with
// "&Browse..."). OK stores the choice in the settings file; false when cancelled. A failed
// store is reported to the user.
bool RunPrinterSetupDialog(QWidget* parent, const std::string& settingsPath);

}  // namespace kesto::gui
