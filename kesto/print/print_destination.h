#pragma once
// Where printouts go: the printer chosen in "&Printer setup..." or, when none is chosen or it
// does not exist, PDF files in a folder. The choice lives in the settings key as kPrinterName
// and kPdfFolder (settings_table.h), which the printing library reads for itself, so the library's
// printouts and the program's own statistics sheets always go to the same place, and the
// choice survives a restart. The printer name is Windows-1252, the folder its name's bytes.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "kesto/options/settings_store.h"
#include "kesto/platform/printer_canvas.h"

namespace kesto {

// When set and not empty, every printout becomes a PDF file in this folder, whatever printer
// is chosen (the printing library honours it too). Batch runs and tests use it.
inline constexpr const char* kPdfFolderVariable = "KESTO_PDF_FOLDER";

// The folder, in the user's documents folder, that printouts go to as PDF files when no
// printer and no folder is chosen (the printing library names it alike).
inline constexpr std::string_view kDefaultPdfFolderName = "Kesto printouts";

struct PrintDestination {
    std::string printerName;  // "" when no printer is chosen
    std::string pdfFolder;    // "" for the default folder ("Kesto printouts" in the documents)
    friend bool operator==(const PrintDestination&, const PrintDestination&) = default;
};

// The stored choice; both empty when the settings hold none.
PrintDestination ReadPrintDestination(const SettingsFile& settings);
PrintDestination ReadPrintDestination(const std::string& settingsPath);
// Stores the choice (both values, an empty text included). False when the file could not be
// written (the settings store then has a notice for the user).
bool WritePrintDestination(const std::string& settingsPath, const PrintDestination& destination);

// Where the printouts of one job go, as the window resolves the stored choice at the moment
// of printing: a canvas for the statistics sheets, and the PDF folder ("" when printing on a
// printer) to name to the user afterwards.
struct PrintOutput {
    std::unique_ptr<PrinterCanvas> canvas;
    std::string pdfFolder;
};
using PrintOutputFactory = std::function<PrintOutput(const std::string& settingsPath)>;

// KESTO_PDF_FOLDER, or "" when it is unset or empty.
std::string PdfFolderOverride();
// Sets KESTO_PDF_FOLDER for this process (an empty folder removes it). For the batch
// command's --output-folder; the printing library reads the variable at every printout.
bool SetPdfFolderOverride(const std::string& folder);

}  // namespace kesto
