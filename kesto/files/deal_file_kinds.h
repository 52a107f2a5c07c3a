#pragma once
// The kinds of deal file Kesto reads and writes, one row each, in the order the read and save
// dialogs list them. Each row names how its files are told from every other kind's, its reader
// and its writer; the dialogs' entries, the stored FileType, the kind `--save` writes for a file
// name and the README's list of kinds come from it too. A new kind is one more row, with its
// reader and writer.

#include <string>
#include <string_view>

#include "kesto/files/bri_file.h"
#include "kesto/files/deal_file.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_reader.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/files/write_deal_file.h"

namespace kesto {

struct DealFileKindRow {
    DealFileKind kind;
    // What the stored FileType holds for this kind, the same in both dialogs. Users' settings
    // keep it, so a row's number never changes.
    int fileType;
    std::string_view name;       // "DLM", as messages and the README call the kind
    std::string_view extension;  // "DLM": the dialogs list *.DLM and *.dlm
    std::string_view openLabel;  // the read dialog's entry, before its pattern
    std::string_view saveLabel;  // the save dialog's entry; empty for a kind Kesto only reads
    bool wholeDealsOnly;         // its files hold only deals of 52 cards
    // Whether a file's bytes, all of them, are of this kind. Recognisers run in increasing
    // recognitionOrder and the first that claims a file wins; two rows of one order never claim
    // the same file.
    int recognitionOrder;
    bool (*recognise)(std::string_view bytes);
    Status (*read)(std::string_view bytes, DealFileContents& contents);
    // Null for a kind Kesto only reads.
    Status (*write)(const std::string& fileName, const DealsToWrite& deals);

    bool Saved() const { return !saveLabel.empty(); }
    // "*.DLM"
    std::string Pattern() const { return "*." + std::string(extension); }
    // Its entries in the dialogs' filter lists: "Duplimate files (*.DLM)|*.DLM".
    std::string OpenEntry() const { return Entry(openLabel); }
    std::string SaveEntry() const { return Entry(saveLabel); }

  private:
    std::string Entry(std::string_view label) const {
        return std::string(label) + " (" + Pattern() + ")|" + Pattern();
    }
};

// The Kesto files and the Duplimate document file open with words of their own; a BRI file is
// tried before a DUP file, whose first record it resembles, and DGE files open with a byte no
// other kind does. PBN and LIN files are text that may give their first deal anywhere: a file
// that opens with a LIN pair is LIN whatever its text holds, any other with a PBN version line
// or a Deal tag is PBN, and what is left with an md pair anywhere is LIN.
inline constexpr DealFileKindRow kDealFileKinds[] = {
    {DealFileKind::Own, 1, "KST", "KST", "Kesto files", "Kesto", false, 1, StartsLikeOwnDealFile,
     ParseOwnDealFile,
     [](const std::string& fileName, const DealsToWrite& deals) {
         return WriteOwnDealFile(fileName, deals.boardSet, deals.header1, deals.header2,
                                 deals.mode);
     }},
    {DealFileKind::Dlm, 2, "DLM", "DLM", "Duplimate files", "Duplimate", true, 1, StartsLikeDLMFile,
     ParseDLMFile,
     [](const std::string& fileName, const DealsToWrite& deals) {
         return WriteDLMFile(fileName, deals.boardSet, deals.header1, deals.header2, deals.mode);
     }},
    {DealFileKind::Dup, 3, "DUP", "DUP", "Duplimate files (DOS version)", "Duplimate (DOS version)",
     true, 3, StartsLikeDUPFile, ParseDUPFile,
     [](const std::string& fileName, const DealsToWrite& deals) {
         return WriteDUPFile(fileName, deals.boardSet);
     }},
    {DealFileKind::Pbn, 4, "PBN", "pbn", "PBN files", "PBN", false, 4,
     [](std::string_view bytes) {
         return StartsWithPbnVersionLine(bytes) ||
                (!StartsLikeLINFile(bytes) && HoldsPbnDealTag(bytes));
     },
     ParsePbnFile,
     [](const std::string& fileName, const DealsToWrite& deals) {
         return WritePbnFile(
             fileName, {deals.boardSet, deals.header1, deals.header2, deals.date, deals.boardTags});
     }},
    {DealFileKind::Bri, 6, "BRI", "BRI", "BRI dealing machine files", "BRI dealing machine", true,
     2, LooksLikeBRIFile, ParseBRIFile,
     [](const std::string& fileName, const DealsToWrite& deals) {
         return WriteBRIFile(fileName, deals.boardSet);
     }},
    // A DGE record names all four hands, so an unfinished deal reads back as it was.
    {DealFileKind::Dge, 7, "DGE", "DGE", "DGE dealing machine files", "DGE dealing machine", false,
     3, StartsLikeDGEFile, ParseDGEFile,
     [](const std::string& fileName, const DealsToWrite& deals) {
         return WriteDGEFile(fileName, deals.boardSet);
     }},
    {DealFileKind::Lin, 8, "LIN", "lin", "LIN files for online play", "LIN for online play", true,
     5, [](std::string_view bytes) { return StartsLikeLINFile(bytes) || HoldsLINDeal(bytes); },
     ParseLINFile,
     [](const std::string& fileName, const DealsToWrite& deals) {
         return WriteLINFile(fileName, deals.boardSet, deals.header1, deals.header2);
     }},
    {DealFileKind::Legacy, 5, "legacy text", "txt", "Older Kesto text files", "", false, 1,
     StartsLikeLegacyDealFile, ParseLegacyDealFile, nullptr},
};

// The row of a kind or of a stored FileType; null when none has it.
const DealFileKindRow* FindDealFileKind(DealFileKind kind);
const DealFileKindRow* FindDealFileKind(int fileType);

// The kind of the first row, in recognitionOrder, that claims the file; Unknown when none does.
DealFileKind RecogniseDealFile(std::string_view bytes);

}  // namespace kesto
