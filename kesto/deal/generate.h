#pragma once
// The generating run: a new deck in order, then one shuffle and deal per board.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/deal/deck.h"
#include "kesto/platform/status.h"

namespace kesto {

class RandomGenerator;
class SecureRandom;

// The cards of a deal held fixed in their hands, made ready for dealing the others again and
// again (GeneratingRun::Next).
class FixedCards {
  public:
    // fixed must hold no card twice and no hand of more than 13 cards.
    explicit FixedCards(const tDeal& fixed);

  private:
    friend class GeneratingRun;

    tDeal fixed_;
    std::array<std::uint8_t, kCardsInDeck> free_{};  // the other cards, each as its LaneBit's place
    std::size_t freeCount_ = 0;
    std::array<int, 4> missing_{};  // the cards each hand lacks, by Seat
};

// The deals of one generating run, one at a time, from the generator chosen: the classic one
// shuffles one deck once more for every deal, carrying on where the generator was; the secure
// one deals each from an unbiased shuffle by the system's cryptographic source. The generator
// must outlive the run.
class GeneratingRun {
  public:
    explicit GeneratingRun(RandomGenerator& classic) : classic_(&classic) {}
    explicit GeneratingRun(SecureRandom& secure) : secure_(&secure) {}

    // The next deal; false once the secure source has failed (SourceStatus says why).
    bool Next(tDeal& deal);
    // The next deal with the fixed cards where they are and the other cards dealt at random,
    // every way of dealing them equally likely (Fisher-Yates); false once the source has failed.
    bool Next(const FixedCards& cards, tDeal& deal);
    // A number in 0..n-1 (n from 1) from the same generator; nullopt once the source failed.
    std::optional<std::uint32_t> Below(std::uint32_t n);
    // Ok, or the secure source's failure.
    Status SourceStatus() const;

  private:
    friend class GeneratingStreams;

    RandomGenerator* classic_ = nullptr;
    SecureRandom* secure_ = nullptr;
    TDeck deck_;
};

// Runs that deal apart from one another, one for each thread that deals: the run they are made
// from is stream 0, carrying on as it would; the others are new. With the classic generator,
// stream k starts k * 2^32 / count draws ahead of stream 0, so no two streams draw the same
// numbers before each has made 2^32 / count draws, and the same seed gives the same streams.
// With the secure generator, each new stream has a source of its own. The run must outlive the
// streams.
class GeneratingStreams {
  public:
    GeneratingStreams(GeneratingRun& run, int count);
    ~GeneratingStreams();
    GeneratingStreams(const GeneratingStreams&) = delete;
    GeneratingStreams& operator=(const GeneratingStreams&) = delete;

    int Count() const { return static_cast<int>(runs_.size()); }
    GeneratingRun& operator[](int k) { return *runs_[static_cast<std::size_t>(k)]; }

  private:
    std::vector<std::unique_ptr<RandomGenerator>> classic_;
    std::vector<std::unique_ptr<SecureRandom>> secure_;
    std::vector<GeneratingRun*> runs_;
    std::vector<std::unique_ptr<GeneratingRun>> made_;
};

// Appends count deals of the run to the board set (the caller has emptied it). Fails, with the
// board set as it was, when the secure source fails.
Status GenerateDeals(tBoardSet& boardSet, int count, GeneratingRun& run);

// The classic generator's run, which cannot fail.
void GenerateRandomDeals(tBoardSet& boardSet, int count, RandomGenerator& random);

}  // namespace kesto
