#pragma once
// Reading deals from a file of any kind: the kind is recognised from the first bytes,
// whatever the file's name or the filter the user chose, and the matching reader runs.

#include <string>
#include <string_view>

#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

class Ui;

// The open dialog of the first page's read mode.
inline constexpr std::string_view kOpenDialogTitle = "Read deals from file";
inline constexpr std::string_view kOpenDialogFilter =
    "Kesto files (*.KST)|*.KST|Duplimate files (*.DLM)|*.DLM|"
    "Duplimate files (DOS version) (*.DUP)|*.DUP|All files|*.*";
inline constexpr std::string_view kOpenDialogDefaultExtension = "KST";

// Without a user interface (the batch front end). Empties contents, then reads the file. A
// file that cannot be opened or read fails with the system's reason naming the file; an
// unknown kind, a malformed file or a file that holds no deal fails with "Error reading " +
// fileName + ".". On failure the board set is empty. DUP files give empty header lines and
// complete deals; a DLM file without a Headline line gives DealsComplete false.
Status ReadAnyDealFile(const std::string& fileName, DealFileContents& contents);

// As ReadAnyDealFile, showing the reason as an error with an OK button when it fails.
bool ReadDealFile(const std::string& fileName, Ui& ui, DealFileContents& contents);

}  // namespace kesto
