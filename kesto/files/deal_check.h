#pragma once
// What a board set read from a deal file must be before anything is made from it: no card in
// two hands, no hand of more than 13 cards, no more boards than kMaxBoards. Deals with fewer
// than 52 cards are no fault here: the window's hand-entry checks deal with them.

#include <optional>
#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/platform/status.h"

namespace kesto {

// What makes the deal impossible, as the rest of a sentence that begins with its board:
// "holds the ten of hearts twice" for the first card in two hands (spades first, ace down),
// else "gives North 14 cards" for the first hand (clockwise from North) of more than 13.
// Empty when the deal can stand.
std::string ImpossibleDealFault(const tDeal& deal);

// As QuotedNoCardFault (card.h) for a printable character; a byte that is none is named by its
// number: "holds the byte 26, which is no card".
std::string NoCardFault(char c);

// Gives the card to the seat's hand; empty, or "holds the ace of spades twice" (the rest of a
// sentence that begins with a board) when a hand of the deal holds it already.
std::string AddCardOnce(tDeal& deal, Seat seat, Suit suit, int rank);

// "Board 3 holds the ten of hearts twice."
std::string BoardFault(int boardNumber, std::string_view fault);

// "The file holds more than 500 boards; Kesto reads at most 500."
std::string TooManyBoardsText();

// True when the dealer and the vulnerability ("None", "NS", "EW", "All") that a file gives a
// board, where it gives them, are the usual rotation's for the board's place in the file or for
// the number the file gives it. Kesto deals every board with its place's; a board that keeps
// the rotation of its own number is told as a change of number.
bool KeepsRotation(std::optional<Seat> dealer, std::optional<std::string_view> vulnerability,
                   int place, int number);

// Fails with TooManyBoardsText() for more than kMaxBoards boards, otherwise with the
// BoardFault of the first impossible deal; works when neither is found. firstBoard is the
// board number of the set's first deal.
Status CheckBoardSetRead(const tBoardSet& boardSet, int firstBoard = 1);

}  // namespace kesto
