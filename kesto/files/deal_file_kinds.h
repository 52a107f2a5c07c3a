#pragma once
// The kinds of deal file Kesto reads and writes, one row each, in the order the read and save
// dialogs list them. The dialogs' entries, the stored FileType, the kind `--save` writes for a
// file name and the README's list of kinds all come from this table: a new kind is one more
// row, with its reader (read_deal_file.cpp) and its writer (write_deal_file.cpp).

#include <string>
#include <string_view>

#include "kesto/files/deal_file.h"

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

inline constexpr DealFileKindRow kDealFileKinds[] = {
    {DealFileKind::Own, 1, "KST", "KST", "Kesto files", "Kesto", false},
    {DealFileKind::Dlm, 2, "DLM", "DLM", "Duplimate files", "Duplimate", true},
    {DealFileKind::Dup, 3, "DUP", "DUP", "Duplimate files (DOS version)", "Duplimate (DOS version)",
     true},
    {DealFileKind::Pbn, 4, "PBN", "pbn", "PBN files", "PBN", false},
    {DealFileKind::Legacy, 5, "legacy text", "txt", "Older Kesto text files", "", false},
};

// The row of a kind or of a stored FileType; null when none has it.
const DealFileKindRow* FindDealFileKind(DealFileKind kind);
const DealFileKindRow* FindDealFileKind(int fileType);

}  // namespace kesto
