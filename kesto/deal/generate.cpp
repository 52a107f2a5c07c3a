#include "kesto/deal/generate.h"

#include <array>
#include <bit>
#include <utility>

#include "kesto/deal/random.h"
#include "kesto/deal/secure_random.h"

namespace kesto {

bool GeneratingRun::Next(tDeal& deal) {
    if (classic_ != nullptr) {
        deal = tDeal::CreateRandom(deck_, *classic_);
        return true;
    }
    if (!deck_.ShuffleSecurely(*secure_)) {
        return false;
    }
    deal = tDeal::DealFrom(deck_);
    return true;
}

FixedCards::FixedCards(const tDeal& fixed) : fixed_(fixed) {
    for (const Suit suit : kAllSuits) {
        tSuitSet held = 0;
        for (const Seat seat : kClockwise) {
            held |= fixed.Hand(seat).Holding(suit);
        }
        for (int rank = 2; rank <= kAce; ++rank) {
            if ((held & RankBit(rank)) == 0) {
                free_[freeCount_++] =
                    static_cast<std::uint8_t>(std::countr_zero(LaneBit(suit, rank)));
            }
        }
    }
    for (const Seat seat : kClockwise) {
        missing_[static_cast<std::size_t>(seat)] = kCardsInHand - fixed.Hand(seat).CardCount();
    }
}

bool GeneratingRun::Next(const FixedCards& cards, tDeal& deal) {
    std::array<std::uint8_t, kCardsInDeck> free = cards.free_;
    for (std::size_t i = cards.freeCount_; i > 1; --i) {
        std::uint32_t j = 0;
        if (classic_ != nullptr) {
            j = classic_->RandomBelow(static_cast<std::uint32_t>(i));
        } else if (const std::optional<std::uint32_t> drawn =
                       secure_->Below(static_cast<std::uint32_t>(i))) {
            j = *drawn;
        } else {
            return false;
        }
        std::swap(free[i - 1], free[j]);
    }
    deal = cards.fixed_;
    std::size_t next = 0;
    for (const Seat seat : kClockwise) {
        tHand& hand = deal.Hand(seat);
        std::uint64_t lanes = hand.Lanes();
        for (int k = 0;
             k < cards.missing_[static_cast<std::size_t>(seat)] && next < cards.freeCount_;
             ++k, ++next) {
            lanes |= std::uint64_t{1} << free[next];
        }
        hand.SetLanes(lanes);
    }
    return true;
}

std::optional<std::uint32_t> GeneratingRun::Below(std::uint32_t n) {
    return classic_ != nullptr ? classic_->RandomBelow(n) : secure_->Below(n);
}

Status GeneratingRun::SourceStatus() const {
    return classic_ != nullptr ? Status() : secure_->SourceStatus();
}

Status GenerateDeals(tBoardSet& boardSet, int count, GeneratingRun& run) {
    tBoardSet deals(static_cast<std::size_t>(count > 0 ? count : 0));
    for (tDeal& deal : deals) {
        if (!run.Next(deal)) {
            return run.SourceStatus();
        }
    }
    boardSet.insert(boardSet.end(), deals.begin(), deals.end());
    return {};
}

GeneratingStreams::GeneratingStreams(GeneratingRun& run, int count) {
    runs_.push_back(&run);
    for (int k = 1; k < count; ++k) {
        if (run.classic_ != nullptr) {
            classic_.push_back(std::make_unique<RandomGenerator>(*run.classic_));
            classic_.back()->Skip((std::uint64_t{1} << 32) / static_cast<std::uint64_t>(count) *
                                  static_cast<std::uint64_t>(k));
            made_.push_back(std::make_unique<GeneratingRun>(*classic_.back()));
        } else {
            secure_.push_back(run.secure_->Sibling());
            made_.push_back(std::make_unique<GeneratingRun>(*secure_.back()));
        }
        runs_.push_back(made_.back().get());
    }
}

GeneratingStreams::~GeneratingStreams() = default;

void GenerateRandomDeals(tBoardSet& boardSet, int count, RandomGenerator& random) {
    GeneratingRun run(random);
    GenerateDeals(boardSet, count, run);
}

}  // namespace kesto
