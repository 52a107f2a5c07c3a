#include "kesto/deal/generate.h"

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

void GenerateRandomDeals(tBoardSet& boardSet, int count, RandomGenerator& random) {
    GeneratingRun run(random);
    GenerateDeals(boardSet, count, run);
}

}  // namespace kesto
