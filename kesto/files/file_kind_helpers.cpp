#include "kesto/files/file_kind_helpers.h"

#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/platform/file_io.h"

namespace kesto {

std::string NoCardFault(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7F) {
        return "holds \"" + std::string(1, c) + "\", which is no card";
    }
    return "holds the byte " + std::to_string(byte) + ", which is no card";
}

std::string AddCardOnce(tDeal& deal, Seat seat, Suit suit, int rank) {
    for (const Seat holder : kClockwise) {
        if (deal.Hand(holder).Holds(suit, rank)) {
            return "holds " + CardName(suit, rank) + " twice";
        }
    }
    deal.Hand(seat).Add(suit, rank);
    return {};
}

WriteResult SaveBoardSet(const std::string& fileName, const tBoardSet& boardSet,
                         const std::function<std::string(const tBoardSet&)>& bytes) {
    if (boardSet.empty()) {
        return {WriteStatus::EmptyBoardSet, std::string(kNothingToSaveText)};
    }
    if (boardSet.size() > static_cast<std::size_t>(kMaxBoards)) {
        return TooManyBoardsToSave();
    }
    const Status replaced = ReplaceFileAtomically(fileName, bytes(boardSet));
    if (!replaced.Ok()) {
        return SaveFailed(fileName, replaced);
    }
    return {};
}

}  // namespace kesto
