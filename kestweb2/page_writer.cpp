#include "kestweb2/page_writer.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

#include "kestweb2/deal_record.h"
#include "kestweb2/output_file.h"
#include "kestweb2/page_templates.h"

namespace kesto::kestweb2 {

namespace {

// Each placeholder stands once in its template, but a text put in earlier may hold a later
// placeholder's name: only the first occurrence is replaced, in a fixed order, so even such a
// page comes out one defined way.
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

// One holding placeholder of the cell.
struct HoldingSlot {
    Seat seat;
    std::size_t suit;  // 0 spades .. 3 clubs
    std::string_view placeholder;
};

// The order in which the holdings are put in: North, East, West, South.
constexpr HoldingSlot kFillOrder[] = {
    {Seat::kNorth, 0, "NorthSpadeSt"},   {Seat::kNorth, 1, "NorthHeartSt"},
    {Seat::kNorth, 2, "NorthDiamondSt"}, {Seat::kNorth, 3, "NorthClubSt"},
    {Seat::kEast, 0, "EastSpadeSt"},     {Seat::kEast, 1, "EastHeartSt"},
    {Seat::kEast, 2, "EastDiamondSt"},   {Seat::kEast, 3, "EastClubSt"},
    {Seat::kWest, 0, "WestSpadeSt"},     {Seat::kWest, 1, "WestHeartSt"},
    {Seat::kWest, 2, "WestDiamondSt"},   {Seat::kWest, 3, "WestClubSt"},
    {Seat::kSouth, 0, "SouthSpadeSt"},   {Seat::kSouth, 1, "SouthHeartSt"},
    {Seat::kSouth, 2, "SouthDiamondSt"}, {Seat::kSouth, 3, "SouthClubSt"},
};
constexpr std::size_t kSlots = std::size(kFillOrder);

// The same slots in the order they stand in the template: North, West, East, South.
constexpr std::size_t kTemplateOrder[kSlots] = {0, 1, 2, 3, 8,  9,  10, 11,
                                                4, 5, 6, 7, 12, 13, 14, 15};

using Holdings = std::array<std::string, kSlots>;  // by fill order

void MakeHoldings(const PageWords& words, const DealHands& hands, Holdings& holdings) {
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        const HandText& hand = hands[static_cast<std::size_t>(kFillOrder[slot].seat)];
        // An open hand shows nothing: " -" would claim a void.
        holdings[slot] = hand.open
                             ? std::string()
                             : HoldingText(words, SuitGroups(hand.text)[kFillOrder[slot].suit]);
    }
}

bool HoldsHoldingPlaceholder(std::string_view text) {
    if (text.find("St") == std::string_view::npos) {
        return false;
    }
    for (const HoldingSlot& slot : kFillOrder) {
        if (text.find(slot.placeholder) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Header and holding texts are made of the caller's words, digits, record characters set
// apart by blanks, and fixed pieces with blanks, hyphens and colons; a placeholder name (letters
// only) can turn up in them only inside one of the caller's words. The same goes for the image
// location in the prepared cell.
bool CallerTextsHoldPlaceholders(const PageRequest& request) {
    const PageWords& words = request.words;
    for (const std::string* text :
         {&request.imageLocation, &words.ace, &words.king, &words.queen, &words.jack, &words.ten,
          &words.noneVulnerable, &words.bothVulnerable, &words.dealerLabel, &words.boardLabel,
          &words.vulnerabilityLabel, &words.seatLetters[0], &words.seatLetters[1],
          &words.seatLetters[2], &words.seatLetters[3]}) {
        if (HoldsHoldingPlaceholder(*text)) {
            return true;
        }
    }
    return false;
}

// Makes the cells of one page. The cell is defined by replacing each placeholder's first
// occurrence in turn. When no caller text holds a placeholder name, every first occurrence is
// the template's own, and the cell is put together from the template's pieces in one pass;
// otherwise the replacements run one by one.
class CellMaker {
  public:
    explicit CellMaker(const PageRequest& request)
        : request_(request),
          prepared_(PreparedCell(request.imageLocation)),
          oneByOne_(CallerTextsHoldPlaceholders(request)) {
        if (oneByOne_) {
            return;
        }
        std::size_t from = 0;
        const auto cut = [&](std::string_view placeholder) {
            const std::size_t at = prepared_.find(placeholder, from);
            pieces_.push_back(std::string_view(prepared_).substr(from, at - from));
            from = at + placeholder.size();
        };
        cut(kDealHeaderPlaceholder);
        for (const std::size_t slot : kTemplateOrder) {
            cut(kFillOrder[slot].placeholder);
        }
        pieces_.push_back(std::string_view(prepared_).substr(from));
    }

    // The cell of the record at position (from 0); false when the record has no readable deal.
    bool Make(std::string_view record, std::size_t position, std::string& cell) {
        const std::optional<DealHands> hands = HandsOf(record);
        if (!hands) {
            return false;
        }
        std::string header = HeaderText(request_, record, position);
        if (!header.empty()) {
            header.insert(0, kDealHeaderOpen);
            header += kDealHeaderClose;
        }
        MakeHoldings(request_.words, *hands, holdings_);

        if (oneByOne_) {
            cell = prepared_;
            ReplaceFirst(cell, kDealHeaderPlaceholder, header);
            for (std::size_t slot = 0; slot < kSlots; ++slot) {
                ReplaceFirst(cell, kFillOrder[slot].placeholder, holdings_[slot]);
            }
            return true;
        }
        cell.assign(pieces_[0]);
        cell += header;
        for (std::size_t i = 0; i < kSlots; ++i) {
            cell += pieces_[i + 1];
            cell += holdings_[kTemplateOrder[i]];
        }
        cell += pieces_[kSlots + 1];
        return true;
    }

  private:
    const PageRequest& request_;
    const std::string prepared_;
    const bool oneByOne_;
    std::vector<std::string_view> pieces_;  // into prepared_, around the placeholders
    Holdings holdings_;
};

}  // namespace

KestWeb2Status WritePage(const std::vector<std::string>& deals, const PageRequest& request) {
    if (deals.empty()) {
        return kKestWeb2Ok;
    }
    CellMaker maker(request);

    OutputFile file(request.fileName);
    if (!file.Write(PageHead(request))) {
        return file.Close();
    }

    const std::size_t count = deals.size();
    std::string cell;
    for (std::size_t position = 0; position < count; ++position) {
        if (!maker.Make(deals[position], position, cell)) {
            continue;  // no cell and no row break for a record without a readable deal
        }
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
