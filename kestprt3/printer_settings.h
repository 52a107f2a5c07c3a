#pragma once
// The few values the library takes from the program's settings file (a REGEDIT4 text file,
// see kestprt3.h for where it lies). The library only reads it, tolerantly: anything it cannot
// make sense of counts as absent. No Qt here.

#include <optional>
#include <string>
#include <string_view>

namespace kesto::prt3 {

struct PrinterSettings {
    std::string printerName;               // Windows-1252; empty: no printer chosen
    std::optional<std::string> pdfFolder;  // the folder name's bytes; nullopt when absent
    bool printVulDeal = true;              // dealer and vulnerability on the printouts
};

// The values of key [HKEY_CURRENT_USER\Software\Tarnwick\Kesto\3.2] in the file's text.
// Names and the key compare without regard to ASCII case; a value given twice counts the last
// time, as in the registry.
PrinterSettings ParsePrinterSettings(std::string_view fileText);

// The settings file's path: KESTO_SETTINGS, else $XDG_CONFIG_HOME/Tarnwick/Kesto.reg (an
// absolute one), else <home>/.config/Tarnwick/Kesto.reg with $HOME or, without it, the
// account's home folder; empty when none can be formed.
std::string SettingsFilePath();

// The parsed settings file; defaults when it is missing, unreadable or no regular file (a
// named pipe is never waited on).
PrinterSettings ReadPrinterSettings();

}  // namespace kesto::prt3
