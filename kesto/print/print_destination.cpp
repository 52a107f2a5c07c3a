#include "kesto/print/print_destination.h"

#include <stdlib.h>

#include <cstdlib>

namespace kesto {

PrintDestination ReadPrintDestination(const std::string& settingsPath) {
    return ReadPrintDestination(SettingsFile{settingsPath});
}

PrintDestination ReadPrintDestination(const SettingsFile& settings) {
    const SettingsStore store(settings);
    return {store.Read(kPrinterName), store.Read(kPdfFolder)};
}

bool WritePrintDestination(const std::string& settingsPath, const PrintDestination& destination) {
    {
        SettingsStore store(settingsPath);
        store.Write(kPrinterName, destination.printerName);
        store.Write(kPdfFolder, destination.pdfFolder);
    }
    // The store reports a failed write only as a notice; read back to tell the caller.
    return ReadPrintDestination(settingsPath) == destination;
}

std::string PdfFolderOverride() {
    const char* value = std::getenv(kPdfFolderVariable);
    return value == nullptr ? std::string() : std::string(value);
}

bool SetPdfFolderOverride(const std::string& folder) {
#if defined(_WIN32)
    return ::_putenv_s(kPdfFolderVariable, folder.c_str()) == 0;
#else
    if (folder.empty()) {
        return ::unsetenv(kPdfFolderVariable) == 0;
    }
    return ::setenv(kPdfFolderVariable, folder.c_str(), 1) == 0;
#endif
}

}  // namespace kesto
