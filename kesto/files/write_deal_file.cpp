#include "kesto/files/write_deal_file.h"

#include "kesto/files/deal_file_kinds.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

std::optional<DealFileKind> SavedKindOfExtension(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::string_view base =
        slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = base.find_last_of('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string extension = UpperAscii(base.substr(dot + 1));
    for (const DealFileKindRow& row : kDealFileKinds) {
        if (row.Saved() && UpperAscii(row.extension) == extension) {
            return row.kind;
        }
    }
    return std::nullopt;
}

DealFileKind SaveKindOfFileName(std::string_view fileName) {
    return SavedKindOfExtension(fileName).value_or(DealFileKind::Own);
}

namespace {

// The Duplimate, BRI and LIN files give every card no hand holds to West (or to the hand left
// out), so a deal of fewer than 52 cards would read back as another deal, or not at all: such
// a board set is not written.
Status RefuseDealsNotWhole(const tBoardSet& boardSet, std::string_view extension) {
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        const int cards = boardSet[i].CardCount();
        if (cards != kCardsInDeck) {
            return Status::Failure("Board " + std::to_string(i + 1) + " has " +
                                   std::to_string(cards) + " cards, and a ." +
                                   std::string(extension) +
                                   " file holds only whole deals. The deals were not "
                                   "saved.");
        }
    }
    return {};
}

}  // namespace

Status WriteDealFile(DealFileKind kind, const std::string& fileName, const DealsToWrite& deals) {
    const DealFileKindRow* row = FindDealFileKind(kind);
    if (row == nullptr || row->write == nullptr) {
        row = FindDealFileKind(DealFileKind::Own);
    }
    if (row->wholeDealsOnly) {
        const Status refused = RefuseDealsNotWhole(deals.boardSet, row->extension);
        if (!refused.Ok()) {
            return refused;
        }
    }
    return row->write(fileName, deals);
}

}  // namespace kesto
