#pragma once
// What the readers and writers of the BRI, DGE and LIN files share beyond deal_check.h and
// deal_file_io.h: the message for a byte that names no card, and the whole of a save.

#include <functional>
#include <string>

#include "kesto/deal/deal.h"
#include "kesto/files/deal_file.h"

namespace kesto {

// The rest of a sentence that begins with a board: "holds \"x\", which is no card", or "holds
// the byte 26, which is no card" for a byte that is not a printable character.
std::string NoCardFault(char c);

// Gives the card to the seat's hand; empty, or "holds the ace of spades twice" (the rest of a
// sentence that begins with a board) when a hand of the deal holds it already.
std::string AddCardOnce(tDeal& deal, Seat seat, Suit suit, int rank);

// Nothing is written for an empty board set (kNothingToSaveText) or one of more than kMaxBoards
// boards (TooManyBoardsToSave). Otherwise the file is replaced as a whole by what bytes makes; on
// failure the old file stays as it was and the message gives the system's reason (SaveFailed).
WriteResult SaveBoardSet(const std::string& fileName, const tBoardSet& boardSet,
                         const std::function<std::string(const tBoardSet&)>& bytes);

}  // namespace kesto
