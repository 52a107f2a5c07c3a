#pragma once
// Next on the first page in read mode: the open dialog, the remembered file type, reading
// the chosen file and telling the user when it cannot be read. TKestoMain::ReadDealsFromFile
// runs the whole flow; its definition lives with these.

#include <string>
#include <string_view>

#include "kesto/files/deal_file.h"

namespace kesto {

class Ui;

// The open dialog of the first page's read mode.
inline constexpr std::string_view kOpenDialogTitle = "Read deals from file";
inline constexpr std::string_view kOpenDialogFilter =
    "Kesto files (*.KST)|*.KST|Duplimate files (*.DLM)|*.DLM|"
    "Duplimate files (DOS version) (*.DUP)|*.DUP|All files|*.*";
inline constexpr std::string_view kOpenDialogDefaultExtension = "KST";

// Reads the file as ReadAnyDealFile does, showing the reason as an error with an OK button
// when it fails.
bool ReadDealFile(const std::string& fileName, Ui& ui, DealFileContents& contents);

}  // namespace kesto
