#pragma once
// Writing deals as a file of a kind the caller chooses, and choosing the kind by file name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/deal/deal_source.h"
#include "kesto/files/deal_file.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/platform/clock.h"

namespace kesto {

// What every writer needs besides the file name. boardSet is borrowed for the call.
struct DealsToWrite {
    const tBoardSet& boardSet;
    std::string header1, header2;
    DealSource mode;
    // The date of the deals, for the PBN file's Date tag; the other kinds hold no date.
    std::optional<CivilDate> date = std::nullopt;
    // Further tags of each board (the makeable contracts), for the PBN file only.
    std::vector<std::vector<PbnTag>> boardTags = {};
};

// By the file name's extension, in any case: the kind of kDealFileKinds (deal_file_kinds.h)
// that Kesto saves with that extension; none for a name without an extension or with another.
std::optional<DealFileKind> SavedKindOfExtension(std::string_view fileName);
// SavedKindOfExtension, or else the own file.
DealFileKind SaveKindOfFileName(std::string_view fileName);

// Writes the board set as the given kind (Own for Legacy and Unknown too; Pbn a PBN 2.1 export
// file, kesto/files/pbn_writer.h). For a kind whose files hold only whole deals (DLM, DUP), a
// board set with a deal of fewer than 52 cards (one left without cards on the hand-entry page)
// fails with a message naming the board, and nothing is written.
Status WriteDealFile(DealFileKind kind, const std::string& fileName, const DealsToWrite& deals);

}  // namespace kesto
