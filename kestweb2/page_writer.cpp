#include "kestweb2/page_writer.h"

#include <cstddef>
#include <string_view>

#include "kestweb2/deal_record.h"
#include "kestweb2/output_file.h"
#include "kestweb2/page_templates.h"

namespace kesto::kestweb2 {

namespace {

// Each placeholder stands once in its template, but a text put in its place may hold a later
// placeholder's name; replacing only the first occurrence, in a fixed order, keeps the page
// the same whatever the caller's texts hold.
void ReplaceFirst(std::string& text, std::string_view placeholder, std::string_view by) {
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos) {
        text.replace(at, placeholder.size(), by);
    }
}

void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view by) {
    std::size_t at = text.find(placeholder);
    while (at != std::string::npos) {
        text.replace(at, placeholder.size(), by);
        at = text.find(placeholder, at + by.size());
    }
}

std::string PageHead(const PageRequest& request) {
    std::string combined;
    if (!request.title1.empty()) {
        combined = request.title1;
        if (request.title2Given) {
            combined += ' ';
            combined += request.title2;
        }
    } else {
        combined = request.title2;
    }
    std::string head = PageHeadTemplate();
    if (!combined.empty()) {
        ReplaceFirst(head, kPageTitlePlaceholder, combined);
    }
    ReplaceFirst(head, kTitle1Placeholder, request.title1);
    ReplaceFirst(head, kTitle2Placeholder, request.title2);
    return head;
}

// The deal cell with the image locations of this page in place.
std::string PreparedCell(std::string location) {
    if (!location.empty() && location.back() != '/' && location.back() != '\\') {
        location += '/';
    }
    std::string cell = DealCellTemplate();
    ReplaceAll(cell, "spade_gif", location + "spade.gif");
    ReplaceAll(cell, "heart_gif", location + "heart.gif");
    ReplaceAll(cell, "diamond_gif", location + "diamond.gif");
    ReplaceAll(cell, "club_gif", location + "club.gif");
    ReplaceAll(cell, "board_gif", location + "board.gif");
    return cell;
}

Seat DealerByPosition(std::size_t boardNumber) {
    switch (boardNumber % 4) {
        case 1:
            return Seat::kNorth;
        case 2:
            return Seat::kEast;
        case 3:
            return Seat::kSouth;
        default:
            return Seat::kWest;
    }
}

Vulnerability VulnerabilityByPosition(std::size_t boardNumber) {
    switch (boardNumber % 16) {
        case 1:
        case 8:
        case 11:
        case 14:
            return Vulnerability::kNone;
        case 2:
        case 5:
        case 12:
        case 15:
            return Vulnerability::kNorthSouth;
        case 4:
        case 7:
        case 10:
        case 13:
            return Vulnerability::kBoth;
        default:
            return Vulnerability::kEastWest;
    }
}

const std::string& Letter(const PageWords& words, Seat seat) {
    return words.seatLetters[static_cast<std::size_t>(seat)];
}

std::string VulnerabilityText(const PageWords& words, Vulnerability vulnerability) {
    switch (vulnerability) {
        case Vulnerability::kNone:
            return words.noneVulnerable;
        case Vulnerability::kNorthSouth:
            return Letter(words, Seat::kNorth) + "-" + Letter(words, Seat::kSouth);
        case Vulnerability::kEastWest:
            return Letter(words, Seat::kEast) + "-" + Letter(words, Seat::kWest);
        case Vulnerability::kBoth:
            return words.bothVulnerable;
    }
    return {};
}

// Board number, dealer and vulnerability of the record at position (from 0), as one line.
std::string HeaderText(const PageRequest& request, std::string_view record, std::size_t position) {
    const PageWords& words = request.words;
    const std::size_t boardNumber = position + 1;
    std::string header;

    const std::string number =
        request.boardByPosition ? std::to_string(boardNumber) : std::string(BoardNumberOf(record));
    if (!number.empty()) {
        header += words.boardLabel;
        header += ' ';
        header += number;
    }

    const std::optional<Seat> dealer =
        request.dealerVulByPosition ? DealerByPosition(boardNumber) : DealerOf(record);
    if (dealer) {
        header += " / ";
        header += words.dealerLabel;
        header += ": ";
        header += Letter(words, *dealer);
    }

    const std::optional<Vulnerability> vulnerability = request.dealerVulByPosition
                                                           ? VulnerabilityByPosition(boardNumber)
                                                           : VulnerabilityOf(record);
    if (vulnerability) {
        header += " / ";
        header += words.vulnerabilityLabel;
        header += ": ";
        header += VulnerabilityText(words, *vulnerability);
    }
    return header;
}

std::string HoldingText(const PageWords& words, std::string_view group) {
    std::string text = " ";
    for (const char card : group) {
        switch (card) {
            case 'A':
                text += words.ace;
                break;
            case 'K':
                text += words.king;
                break;
            case 'Q':
                text += words.queen;
                break;
            case 'J':
                text += words.jack;
                break;
            case 'T':
                text += words.ten;
                break;
            default:
                text += card;
                break;
        }
        text += ' ';
    }
    text.pop_back();
    return text.empty() ? std::string(" -") : text;
}

// The four suit groups of a hand text, spades first; missing groups are empty.
std::array<std::string_view, 4> SuitGroups(std::string_view hand) {
    std::array<std::string_view, 4> groups{};
    for (std::size_t suit = 0; suit < groups.size() && !hand.empty(); ++suit) {
        const std::size_t stop = hand.find('.');
        groups[suit] = hand.substr(0, stop);
        hand = stop == std::string_view::npos ? std::string_view() : hand.substr(stop + 1);
    }
    return groups;
}

void FillHoldings(std::string& cell, const PageWords& words, const DealHands& hands) {
    struct SeatName {
        Seat seat;
        std::string_view name;
    };
    static constexpr SeatName kSeats[] = {{Seat::kNorth, "North"},
                                          {Seat::kEast, "East"},
                                          {Seat::kWest, "West"},
                                          {Seat::kSouth, "South"}};
    static constexpr std::string_view kSuits[] = {"Spade", "Heart", "Diamond", "Club"};

    std::string placeholder;
    for (const SeatName& seat : kSeats) {
        const HandText& hand = hands[static_cast<std::size_t>(seat.seat)];
        const std::array<std::string_view, 4> groups = SuitGroups(hand.text);
        for (std::size_t suit = 0; suit < groups.size(); ++suit) {
            placeholder.assign(seat.name);
            placeholder += kSuits[suit];
            placeholder += "St";
            // An open hand shows nothing: " -" would claim a void.
            ReplaceFirst(cell, placeholder, hand.open ? "" : HoldingText(words, groups[suit]));
        }
    }
}

}  // namespace

KestWeb2Status WritePage(const std::vector<std::string>& deals, const PageRequest& request) {
    if (deals.empty()) {
        return kKestWeb2Ok;
    }
    const std::string prepared = PreparedCell(request.imageLocation);

    OutputFile file(request.fileName);
    if (!file.Write(PageHead(request))) {
        return file.Close();
    }

    const std::size_t count = deals.size();
    std::string cell;
    for (std::size_t position = 0; position < count; ++position) {
        const std::string_view record = deals[position];
        cell = prepared;
        const std::string header = HeaderText(request, record, position);
        if (header.empty()) {
            ReplaceFirst(cell, kDealHeaderPlaceholder, "");
        } else {
            std::string wrapped(kDealHeaderOpen);
            wrapped += header;
            wrapped += kDealHeaderClose;
            ReplaceFirst(cell, kDealHeaderPlaceholder, wrapped);
        }

        const std::optional<DealHands> hands = HandsOf(record);
        if (!hands) {
            continue;  // no cell and no row break for a record without a readable deal
        }
        FillHoldings(cell, request.words, *hands);
        if (!file.Write(cell)) {
            return file.Close();
        }
        if (position + 1 < count && (position + 1) % 3 == 0 && !file.Write(kRowBreak)) {
            return file.Close();
        }
    }

    std::string lastRow;
    if (count % 3 != 0) {
        for (std::size_t filler = 0; filler < 3 - count % 3; ++filler) {
            lastRow += kFillerCell;
        }
    }
    lastRow += kLastRowClose;
    if (file.Write(lastRow)) {
        file.Write(kPageClose);
    }
    return file.Close();
}

}  // namespace kesto::kestweb2
