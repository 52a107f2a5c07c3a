#include "kesto/files/deal_check.h"

#include "kesto/deal/board.h"
#include "kesto/deal/card.h"

namespace kesto {

namespace {

constexpr std::string_view kSeatWords[] = {"North", "East", "South", "West"};

}  // namespace

std::string ImpossibleDealFault(const tDeal& deal) {
    for (const Suit suit : kAllSuits) {
        for (int rank = kAce; rank >= 2; --rank) {
            int holders = 0;
            for (const Seat seat : kClockwise) {
                holders += deal.Hand(seat).Holds(suit, rank) ? 1 : 0;
            }
            if (holders > 1) {
                return "holds " + CardName(suit, rank) + " twice";
            }
        }
    }
    for (const Seat seat : kClockwise) {
        const int count = deal.Hand(seat).CardCount();
        if (count > kCardsInHand) {
            return "gives " + std::string(kSeatWords[static_cast<int>(seat)]) + " " +
                   std::to_string(count) + " cards";
        }
    }
    return {};
}

std::string NoCardFault(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7F) {
        return QuotedNoCardFault(c);
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

std::string BoardFault(int boardNumber, std::string_view fault) {
    return "Board " + std::to_string(boardNumber) + " " + std::string(fault) + ".";
}

std::string TooManyBoardsText() {
    const std::string limit = std::to_string(kMaxBoards);
    return "The file holds more than " + limit + " boards; Kesto reads at most " + limit + ".";
}

bool KeepsRotation(std::optional<Seat> dealer, std::optional<std::string_view> vulnerability,
                   int place, int number) {
    const auto keeps = [&](int board) {
        return (!dealer || *dealer == BoardDealer(board)) &&
               (!vulnerability || *vulnerability == BoardVulnerability(board));
    };
    return keeps(place) || keeps(number);
}

Status CheckBoardSetRead(const tBoardSet& boardSet, int firstBoard) {
    if (boardSet.size() > static_cast<std::size_t>(kMaxBoards)) {
        return Status::Failure(TooManyBoardsText());
    }
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        if (const std::string fault = ImpossibleDealFault(boardSet[i]); !fault.empty()) {
            return Status::Failure(BoardFault(firstBoard + static_cast<int>(i), fault));
        }
    }
    return {};
}

}  // namespace kesto
