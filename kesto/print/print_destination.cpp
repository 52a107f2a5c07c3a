#include "kesto/print/print_destination.h"

#include <stdlib.h>

#include <cstdlib>

namespace kesto {

PrintDestination ReadPrintDestination(const std::string& settingsPath) {
    return ReadPrintDestination(SettingsFile{settingsPath});
}

PrintDestination ReadPrintDestination(const SettingsFile& settings) {
    PrintDestination destination;
    SettingsStore store(settings);
    if (store.OpenKey(kSettingsKey, false)) {
        destination.printerName = store.Read(kPrinterName);
        destination.pdfFolder = store.Read(kPdfFolder);
    }
    store.CloseKey();
    return destination;
}

bool WritePrintDestination(const std::string& settingsPath, const PrintDestination& destination) {
    SettingsStore store(settingsPath);
    if (!store.OpenKey(kSettingsKey, true)) {
        return false;
    }
    store.Write(kPrinterName, destination.printerName);
    store.Write(kPdfFolder, destination.pdfFolder);
    store.CloseKey();
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
