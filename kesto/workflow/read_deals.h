#pragma once
// Next on the first page in read mode, and the File menu's "&Open...": the open dialog on
// every kind Kesto reads, in the remembered folder, reading the chosen file and telling the user
// when it cannot be read or is numbered otherwise. A date the file gives for header line 2 is
// written in the chosen date format; a file of a kind without header lines (BRI, DGE) keeps the
// lines the user has set. TKestoMain::ReadDealsFromFile runs the whole flow; its definition
// lives with these.

#include <string>
#include <string_view>
#include <vector>

#include "kesto/files/deal_file.h"

namespace kesto {

class Ui;

// The open dialog of the first page's read mode.
inline constexpr std::string_view kOpenDialogTitle = "Read deals from file";
inline constexpr std::string_view kOpenDialogDefaultExtension = "KST";
inline constexpr std::string_view kEveryDealFileEntry = "All deal files Kesto reads";
inline constexpr std::string_view kAllFilesEntry = "All files";

// The open dialog's list: first every kind Kesto reads together, then each kind of
// kDealFileKinds ("Kesto files (*.KST)|*.KST|..."), last all files.
std::string OpenDialogFilter();
// Reads the file as ReadAnyDealFile does, showing the reason as an error with an OK button
// when it fails.
bool ReadDealFile(const std::string& fileName, Ui& ui, DealFileContents& contents);

// True when the file's board numbers (DealFileContents::boardNumbers) are Kesto's own: none
// given, or every number given is the board's place (1, 2, 3 ...).
bool NumberedAsKestoNumbers(const std::vector<int>& fileNumbers);

// Kesto numbers boards by their place, and dealer and vulnerability follow that number. A file
// numbered otherwise is read only after the user has been told so (BoardsRenumberedText, OK and
// Cancel); false when the user cancels. True at once, asking nothing, for a file numbered
// as Kesto numbers.
bool AcceptBoardNumbers(const std::string& fileName, const std::vector<int>& fileNumbers, Ui& ui);

// AcceptBoardNumbers, then, when the file gives some boards another dealer or vulnerability
// than the rotation (DealFileContents::otherDealerOrVulnerability), the same kind of notice
// naming them (OtherDealerOrVulnerabilityText); false when the user cancels either.
bool AcceptFileNumbering(const std::string& fileName, const DealFileContents& contents, Ui& ui);

}  // namespace kesto
