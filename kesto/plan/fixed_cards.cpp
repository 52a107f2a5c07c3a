#include "kesto/plan/fixed_cards.h"

#include <array>
#include <optional>

#include "kesto/deal/card.h"

namespace kesto {

tDeal FixedHands(const std::vector<FixedCard>& cards, Seat dealer) {
    tDeal deal;
    for (const FixedCard& card : cards) {
        deal.Hand(SeatOf(card.seat, dealer)).Add(card.suit, card.rank);
    }
    return deal;
}

std::string FixedCardsFault(const std::vector<FixedCard>& cards,
                            const std::function<std::string(SeatName)>& seatWord) {
    for (const Seat dealer : kClockwise) {
        // Which card went to which seat name, by suit and rank.
        std::array<std::array<std::optional<SeatName>, kAce + 1>, 4> holder{};
        std::array<int, 4> count{};
        for (const FixedCard& card : cards) {
            std::optional<SeatName>& first =
                holder[static_cast<std::size_t>(card.suit)][static_cast<std::size_t>(card.rank)];
            const Seat seat = SeatOf(card.seat, dealer);
            if (first && SeatOf(*first, dealer) != seat) {
                return CardName(card.suit, card.rank) + " is fixed to both " + seatWord(*first) +
                       " and " + seatWord(card.seat);
            }
            if (!first && ++count[static_cast<std::size_t>(seat)] > kCardsInHand) {
                return "more than 13 cards are fixed to " + seatWord(card.seat);
            }
            first = card.seat;
        }
    }
    return "";
}

}  // namespace kesto
