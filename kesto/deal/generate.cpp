#include "kesto/deal/generate.h"

#include <array>
#include <utility>

#include "kesto/deal/card.h"
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

bool GeneratingRun::Next(const tDeal& fixed, tDeal& deal) {
    deal = fixed;
    std::array<Card, kCardsInDeck> free{};
    std::size_t count = 0;
    for (const Suit suit : kAllSuits) {
        tSuitSet held = 0;
        for (const Seat seat : kClockwise) {
            held |= fixed.Hand(seat).Holding(suit);
        }
        for (int rank = 2; rank <= kAce; ++rank) {
            if ((held & RankBit(rank)) == 0) {
                free[count++] = {suit, rank};
            }
        }
    }
    for (std::size_t i = count; i > 1; --i) {
        const std::optional<std::uint32_t> j = Below(static_cast<std::uint32_t>(i));
        if (!j) {
            return false;
        }
        std::swap(free[i - 1], free[*j]);
    }
    std::size_t next = 0;
    for (const Seat seat : kClockwise) {
        tHand& hand = deal.Hand(seat);
        for (int missing = kCardsInHand - hand.CardCount(); missing > 0 && next < count;
             --missing, ++next) {
            hand.Add(free[next].suit, free[next].rank);
        }
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
