#pragma once
// The Save button of the print page: the save dialog, the remembered file type, and the
// writer of the chosen kind.

#include <functional>
#include <string>
#include <string_view>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/files/write_deal_file.h"

namespace kesto {

class Ui;
class SettingsStore;

inline constexpr std::string_view kSaveDialogTitle = "Save deals to file";
inline constexpr std::string_view kSaveDialogFilter =
    "Kesto (*.KST)|*.KST|Duplimate (*.DLM)|*.DLM|"
    "Duplimate (DOS version) (*.DUP)|*.DUP|PBN (*.pbn)|*.pbn";

// What the print page hands the Save button.
struct SaveRequest {
    DealsToWrite deals;
    std::string initialDirectory;
    // Set when the makeable contracts are shown: a PBN file then carries each analysed board's
    // DoubleDummyTricks, OptimumScore and ParContract. Gives null when nothing is to be written
    // (the wait for the analysis was cancelled, or it failed and the user has been told).
    std::function<const DealAnalyser*()> awaitAnalysis = {};
};

// Filter index 2 is DLM, 3 DUP, 4 PBN, anything else the own file.
DealFileKind SaveKindOfFilterIndex(int filterIndex);
// The filter index of a save kind (Own and the kinds Kesto does not write: 1).
int SaveFilterIndexOfKind(DealFileKind kind);
// "DLM" for 2, "DUP" for 3, "pbn" for 4, "KST" for anything else.
std::string_view SaveDefaultExtension(int filterIndex);

// Asks for a file in the save dialog (filter index and default extension from the stored
// FileType, empty file name, overwrite question), stores the chosen filter index in FileType
// before writing, waits for the analysis when a PBN file is to carry it, writes, and shows the
// writer's message: an error for a failure, the plain
// "Nothing to print." for an empty board set, whatever the kind. Cancel does nothing.
void SaveBtnClick(Ui& ui, SettingsStore& settings, const SaveRequest& request);

}  // namespace kesto
