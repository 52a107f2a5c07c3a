#include "kestweb2/deal_record.h"

#include <cstddef>

namespace kesto::kestweb2 {

namespace {

constexpr std::string_view kBoardTag = "[Board \"";
constexpr std::string_view kDealerTag = "[Dealer \"";
constexpr std::string_view kDealTag = "[Deal \"";

// The text right after the first occurrence of tag, or nullopt when the record lacks it.
std::optional<std::string_view> After(std::string_view record, std::string_view tag) {
    const std::size_t at = record.find(tag);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return record.substr(at + tag.size());
}

// Only the ASCII letters change case: the record is Windows-1252 and a locale must not matter.
std::optional<Seat> SeatOfLetter(char letter) {
    switch (letter) {
        case 'N':
        case 'n':
            return Seat::kNorth;
        case 'E':
        case 'e':
            return Seat::kEast;
        case 'S':
        case 's':
            return Seat::kSouth;
        case 'W':
        case 'w':
            return Seat::kWest;
        default:
            return std::nullopt;
    }
}

bool EndsHandText(char c) {
    return c == ' ' || c == '"' || c == '-';
}

}  // namespace

std::string_view BoardNumberOf(std::string_view record) {
    const auto rest = After(record, kBoardTag);
    if (!rest) {
        return {};
    }
    std::size_t length = 0;
    while (length < rest->size() && (*rest)[length] >= '0' && (*rest)[length] <= '9') {
        ++length;
    }
    return rest->substr(0, length);
}

std::optional<Seat> DealerOf(std::string_view record) {
    const auto rest = After(record, kDealerTag);
    if (!rest || rest->empty()) {
        return std::nullopt;
    }
    return SeatOfLetter(rest->front());
}

std::optional<Vulnerability> VulnerabilityOf(std::string_view record) {
    struct Tag {
        std::string_view text;
        Vulnerability value;
    };
    static constexpr Tag kTags[] = {
        {"[Vulnerable \"None\"]", Vulnerability::kNone},
        {"[Vulnerable \"NS\"]", Vulnerability::kNorthSouth},
        {"[Vulnerable \"EW\"]", Vulnerability::kEastWest},
        {"[Vulnerable \"All\"]", Vulnerability::kBoth},
    };
    for (const Tag& tag : kTags) {
        if (record.find(tag.text) != std::string_view::npos) {
            return tag.value;
        }
    }
    return std::nullopt;
}

std::optional<DealHands> HandsOf(std::string_view record) {
    auto rest = After(record, kDealTag);
    if (!rest || rest->empty()) {
        return std::nullopt;
    }
    const auto first = SeatOfLetter(rest->front());
    if (!first) {
        return std::nullopt;
    }
    std::string_view text = rest->substr(1);
    // The colon after the seat letter; a record that lacks it keeps the character that stands
    // there as the start of the first hand.
    if (!text.empty() && text.front() == ':') {
        text.remove_prefix(1);
    }

    DealHands hands{};
    for (int i = 0; i < 4; ++i) {
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
        HandText hand;
        if (!text.empty() && text.front() == '-') {
            // A hand left open: pass over its "-" so the hands after it are read as written.
            hand.open = true;
            text.remove_prefix(1);
        } else {
            std::size_t length = 0;
            while (length < text.size() && !EndsHandText(text[length])) {
                ++length;
            }
            hand.text = text.substr(0, length);
            text.remove_prefix(length);
        }
        hands[(static_cast<int>(*first) + i) % 4] = hand;
    }
    return hands;
}

}  // namespace kesto::kestweb2
