#pragma once
// The Save button of the print page: the save dialog, the remembered file type, and the
// writer of the chosen kind.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/files/write_deal_file.h"

namespace kesto {

class Ui;
struct SettingsFile;

inline constexpr std::string_view kSaveDialogTitle = "Save deals to file";

// "Kesto (*.KST)|*.KST|Duplimate (*.DLM)|*.DLM|...": every kind of kDealFileKinds that Kesto
// saves, in the table's order.
std::string SaveDialogFilter();

// What the print page hands the Save button.
struct SaveRequest {
    DealsToWrite deals;
    // Set when the makeable contracts are shown: a PBN file then carries each analysed board's
    // DoubleDummyTricks, OptimumScore and ParContract. Gives null when nothing is to be written
    // (the wait for the analysis was cancelled, or it failed and the user has been told).
    std::function<const DealAnalyser*()> awaitAnalysis = {};
    // The file the deals were read from or last saved to; empty when they have none.
    std::string fileName = {};
};

// The kind of an entry of the save dialog (from 1; any other number: the first, the own file),
// the entry of a kind (the first for a kind Kesto does not save), and the entry's extension.
DealFileKind SaveKindOfFilterIndex(int filterIndex);
int SaveFilterIndexOfKind(DealFileKind kind);
std::string_view SaveDefaultExtension(int filterIndex);

// Asks for a file in the save dialog (overwrite question): for deals with a file of their own,
// in its folder with its name suggested, on its kind's entry when Kesto saves that kind; else
// in the folder of the last deal file chosen, no name suggested, on the stored FileType's
// kind. The kind written is the one the typed name's extension names (SavedKindOfExtension),
// else the entry picked. Stores that kind in FileType and the folder in DealFileFolder before
// writing, waits for the analysis when a PBN file is to carry it, writes, and shows the
// writer's message: an error for a failure, the plain "Nothing to print." for an empty board
// set, whatever the kind. Gives the name of the file written; none after Cancel or a failure.
std::optional<std::string> SaveBtnClick(Ui& ui, const SettingsFile& settings,
                                        const SaveRequest& request);

}  // namespace kesto
