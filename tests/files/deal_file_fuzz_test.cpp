// Random and mutated input for every reader: each must return, report failure with an empty
// board set, and never produce a hand with bits outside the ranks. The number of inputs is
// fixed and the generator seeded, so a failure repeats.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "files_test_support.h"
#include "kesto/files/bri_file.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_reader.h"
#include "kesto/files/read_deal_file.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

constexpr tSuitSet kRankBits = 0x7FFC;

bool HandIsWellFormed(const tHand& hand) {
    for (const Suit suit : kAllSuits) {
        if ((hand.Holding(suit) & ~kRankBits) != 0) {
            return false;
        }
    }
    return true;
}

class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    std::string RandomBytes(std::size_t maxSize) {
        std::string bytes(Below(maxSize + 1), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(Below(256));
        }
        return bytes;
    }

    // A few random edits: change, insert or delete bytes, cut the end, or repeat a piece.
    std::string Mutate(std::string bytes) {
        static constexpr char kInteresting[] = {'\r', '\n', '=', '|', '.', ' ',  '0',   '9',
                                                '"',  ']',  'a', 'p', 'q', '\0', '\x06'};
        const std::size_t edits = 1 + Below(8);
        for (std::size_t e = 0; e < edits && !bytes.empty(); ++e) {
            const std::size_t at = Below(bytes.size());
            switch (Below(6)) {
                case 0:
                    bytes[at] = static_cast<char>(Below(256));
                    break;
                case 1:
                    bytes[at] = kInteresting[Below(sizeof kInteresting)];
                    break;
                case 2:
                    bytes.insert(at, 1, kInteresting[Below(sizeof kInteresting)]);
                    break;
                case 3:
                    bytes.erase(at, 1 + Below(20));
                    break;
                case 4:
                    bytes.resize(at);
                    break;
                case 5:
                    if (bytes.size() < 200000) {
                        bytes.insert(at, bytes.substr(at, 1 + Below(300)));
                    }
                    break;
            }
        }
        return bytes;
    }

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

  private:
    std::mt19937 random_;
};

// parse returns success; on failure the board set must be empty.
using Parser = std::function<Status(std::string_view, DealFileContents&)>;

// What every accepted deal must be, counted card by card: no card in two hands and no hand of
// more than 13 cards; with wholeDeals, all 52 cards in four hands of 13.
bool DealCanStand(const tDeal& deal, bool wholeDeals) {
    int cards = 0;
    for (const Suit suit : kAllSuits) {
        for (int rank = 2; rank <= kAce; ++rank) {
            int holders = 0;
            for (const Seat seat : kClockwise) {
                holders += deal.Hand(seat).Holds(suit, rank) ? 1 : 0;
            }
            if (holders > 1) {
                return false;
            }
            cards += holders;
        }
    }
    for (const Seat seat : kClockwise) {
        const int count = deal.Hand(seat).CardCount();
        if (count > 13 || (wholeDeals && count != 13)) {
            return false;
        }
    }
    return !wholeDeals || cards == 52;
}

void Hammer(const Parser& parse, const std::vector<std::string>& seeds, std::uint32_t seed,
            bool wholeDeals = false) {
    Mutator mutator(seed);
    int accepted = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::string input = i % 4 == 0 ? mutator.RandomBytes(600)
                                             : mutator.Mutate(seeds[mutator.Below(seeds.size())]);
        DealFileContents contents;
        const bool ok = parse(input, contents).Ok();
        if (!ok) {
            ASSERT_TRUE(contents.boardSet.empty()) << "input " << i;
        }
        accepted += ok && !contents.boardSet.empty() ? 1 : 0;
        ASSERT_LE(contents.boardSet.size(), static_cast<std::size_t>(kMaxBoards));
        for (const tDeal& deal : contents.boardSet) {
            for (const Seat seat : kClockwise) {
                ASSERT_TRUE(HandIsWellFormed(deal.Hand(seat))) << "input " << i;
            }
            ASSERT_TRUE(DealCanStand(deal, wholeDeals)) << "input " << i;
        }
        // Whatever was read, written again as the own file, reads back the same.
        DealFileContents again;
        ASSERT_TRUE(
            ParseOwnDealFile(OwnDealFileText(contents.boardSet, "", "", DealSource::Record), again)
                .Ok());
        ASSERT_EQ(again.boardSet, contents.boardSet) << "input " << i;
    }
    // The mutations must leave enough files readable for the checks above to mean something.
    EXPECT_GT(accepted, 50);
}

std::vector<std::string> Seeds(std::initializer_list<const char*> files) {
    std::vector<std::string> seeds;
    for (const char* file : files) {
        seeds.push_back(test::FileBytes(test::DataPath(file)));
    }
    return seeds;
}

TEST(DealFileFuzz, OwnReader) {
    Hammer(ParseOwnDealFile,
           Seeds({"kst/y_two_generated_boards.kst", "kst/y_lf_line_ends_entered.kst"}), 1);
}

TEST(DealFileFuzz, LegacyReader) {
    Hammer(ParseLegacyDealFile,
           Seeds({"legacy/y_nesw_order.txt", "legacy/y_wsen_order.txt",
                  "legacy/y_lower_case_tens_lf.txt"}),
           2);
}

TEST(DealFileFuzz, DLMReader) {
    // Every DLM board code names a holder for each card.
    Hammer(ParseDLMFile,
           Seeds({"dlm/y_twelve_generated_boards.dlm", "dlm/y_ranged_from_5_to_3.dlm",
                  "interop/bigdeal/bigdeal-12.dlm"}),
           3, true);
}

TEST(DealFileFuzz, DUPReader) {
    // West takes every card not listed, so every accepted DUP deal is whole.
    Hammer(ParseDUPFile, Seeds({"dup/y_three_boards.dup", "interop/bigdeal/bigdeal-12.dup"}), 4,
           true);
}

TEST(DealFileFuzz, PBNReader) {
    const Parser parse = [](std::string_view bytes, DealFileContents& contents) {
        const Status read = ParsePbnFile(bytes, contents);
        // The file's board numbers come one a board, or not at all.
        EXPECT_TRUE(contents.boardNumbers.empty() ||
                    contents.boardNumbers.size() == contents.boardSet.size());
        return read;
    };
    Hammer(parse,
           Seeds({"pbn/y_comments.pbn", "pbn/y_hash_values.pbn", "pbn/y_west_first_any_order.pbn",
                  "pbn/y_utf8_headers.pbn", "interop/bigdeal/bigdeal-12.pbn"}),
           7);
}

TEST(DealFileFuzz, BRIDGEAndLINReaders) {
    // West takes every card not listed, so every accepted BRI deal is whole.
    Hammer(ParseBRIFile, Seeds({"bri/y_three_boards.bri"}), 8, true);
    Hammer(ParseDGEFile, Seeds({"dge/y_three_boards.dge", "dge/y_second_deal_incomplete.dge"}), 9);
    Hammer(ParseLINFile,
           Seeds({"lin/y_hand_viewer.lin", "lin/y_open_and_closed_rooms_from_5.lin",
                  "interop/deal-convert/test.lin"}),
           10);
}

TEST(DealFileFuzz, WholeReadThroughAFile) {
    // Recognition and every reader behind it, through the file system as the program reads.
    test::ScratchFolder folder;
    const std::string path = folder.Path("input");
    const std::vector<std::string> seeds =
        Seeds({"kst/y_two_generated_boards.kst", "legacy/y_nesw_order.txt",
               "dlm/y_one_entered_board.dlm", "dup/y_three_boards.dup", "pbn/y_comments.pbn"});
    Mutator mutator(5);
    for (int i = 0; i < 300; ++i) {
        test::PutFile(path, mutator.Mutate(seeds[mutator.Below(seeds.size())]));
        DealFileContents contents;
        const Status result = ReadAnyDealFile(path, contents);
        if (!result.Ok()) {
            ASSERT_TRUE(contents.boardSet.empty()) << "input " << i;
            ASSERT_TRUE(result.Reason().starts_with("Error reading " + path + "."))
                << "input " << i;
        } else {
            ASSERT_FALSE(contents.boardSet.empty()) << "input " << i;
        }
    }
}

TEST(DealFileFuzz, DecodeAnyBoardCode) {
    Mutator mutator(6);
    for (int i = 0; i < 20000; ++i) {
        tDeal deal;
        DecodeDLMBoard(deal, mutator.RandomBytes(30));
        ASSERT_LE(deal.CardCount(), 52);
        for (const Seat seat : kClockwise) {
            ASSERT_TRUE(HandIsWellFormed(deal.Hand(seat)));
        }
    }
}

}  // namespace
}  // namespace kesto::test
