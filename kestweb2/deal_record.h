#pragma once
// Reading one deal record: PBN tags found wherever they stand in the text, in any order.
// Every result is a view into the record or a plain value; nothing reads outside the record,
// however it ends.

#include <array>
#include <optional>
#include <string_view>

namespace kesto::kestweb2 {

// Seats in clockwise order, as the deal tag lists its hands.
enum class Seat { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3 };

enum class Vulnerability { kNone, kNorthSouth, kEastWest, kBoth };

// The digits right after the first board tag, up to the first non-digit; empty when there is
// no board tag.
std::string_view BoardNumberOf(std::string_view record);

// The seat named right after the first dealer tag (either case); nullopt when there is no
// dealer tag or the character is not a seat letter.
std::optional<Seat> DealerOf(std::string_view record);

// The first of the tags [Vulnerable "None"], "NS", "EW", "All" (looked for in that order)
// that the record holds; nullopt when it holds none of them.
std::optional<Vulnerability> VulnerabilityOf(std::string_view record);

// One hand of the deal tag. An open hand (written "-") has no cards to show.
struct HandText {
    std::string_view text;
    bool open = false;
};

// The four hands, indexed by Seat.
using DealHands = std::array<HandText, 4>;

// The hands of the first deal tag; nullopt when there is no deal tag or its first seat is not
// a seat letter (either case). Hands missing at the end of the record are empty.
std::optional<DealHands> HandsOf(std::string_view record);

}  // namespace kesto::kestweb2
