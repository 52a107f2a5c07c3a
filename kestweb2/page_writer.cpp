#include "kestweb2/page_writer.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

#include "kestweb2/deal_record.h"
#include "kestweb2/output_file.h"
#include "kestweb2/page_templates.h"

namespace kesto::kestweb2 {

namespace {

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
    static constexpr std::string_view kNames[] = {kPageTitlePlaceholder, kTitle1Placeholder,
                                                  kTitle2Placeholder};
    static const FillableTemplate head(PageHeadTemplate(), kNames);
    const std::string values[] = {
        combined.empty() ? std::string(kPageTitlePlaceholder) : combined,
        request.title1,
        request.title2,
    };
    return head.Fill(values);
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

constexpr HoldingSlot kHoldingSlots[] = {
    {Seat::kNorth, 0, "NorthSpadeSt"},   {Seat::kNorth, 1, "NorthHeartSt"},
    {Seat::kNorth, 2, "NorthDiamondSt"}, {Seat::kNorth, 3, "NorthClubSt"},
    {Seat::kEast, 0, "EastSpadeSt"},     {Seat::kEast, 1, "EastHeartSt"},
    {Seat::kEast, 2, "EastDiamondSt"},   {Seat::kEast, 3, "EastClubSt"},
    {Seat::kWest, 0, "WestSpadeSt"},     {Seat::kWest, 1, "WestHeartSt"},
    {Seat::kWest, 2, "WestDiamondSt"},   {Seat::kWest, 3, "WestClubSt"},
    {Seat::kSouth, 0, "SouthSpadeSt"},   {Seat::kSouth, 1, "SouthHeartSt"},
    {Seat::kSouth, 2, "SouthDiamondSt"}, {Seat::kSouth, 3, "SouthClubSt"},
};
constexpr std::size_t kHoldings = std::size(kHoldingSlots);

// The image placeholders of the cell and the file each one names.
constexpr std::string_view kImagePlaceholders[] = {"spade_gif", "heart_gif", "diamond_gif",
                                                   "club_gif", "board_gif"};
constexpr std::string_view kImageFiles[] = {"spade.gif", "heart.gif", "diamond.gif", "club.gif",
                                            "board.gif"};
constexpr std::size_t kImages = std::size(kImagePlaceholders);

// The cell's slots: the deal header, the holdings, then the images.
constexpr std::size_t kHeaderSlot = 0;
constexpr std::size_t kFirstHoldingSlot = 1;
constexpr std::size_t kFirstImageSlot = kFirstHoldingSlot + kHoldings;
constexpr std::size_t kCellSlots = kFirstImageSlot + kImages;

const FillableTemplate& CellTemplate() {
    static const FillableTemplate cell = [] {
        std::array<std::string_view, kCellSlots> names{};
        names[kHeaderSlot] = kDealHeaderPlaceholder;
        for (std::size_t slot = 0; slot < kHoldings; ++slot) {
            names[kFirstHoldingSlot + slot] = kHoldingSlots[slot].placeholder;
        }
        for (std::size_t image = 0; image < kImages; ++image) {
            names[kFirstImageSlot + image] = kImagePlaceholders[image];
        }
        return FillableTemplate(DealCellTemplate(), names);
    }();
    return cell;
}

// Makes the cells of one page; the image locations are the same in every cell.
class CellMaker {
  public:
    explicit CellMaker(const PageRequest& request) : request_(request) {
        std::string location = request.imageLocation;
        if (!location.empty() && location.back() != '/' && location.back() != '\\') {
            location += '/';
        }
        for (std::size_t image = 0; image < kImages; ++image) {
            values_[kFirstImageSlot + image] = location + std::string(kImageFiles[image]);
        }
    }

    // The cell of the record at position (from 0); false when the record has no readable deal.
    bool Make(std::string_view record, std::size_t position, std::string& cell) {
        const std::optional<DealHands> hands = HandsOf(record);
        if (!hands) {
            return false;
        }
        std::string& header = values_[kHeaderSlot];
        header = HeaderText(request_, record, position);
        if (!header.empty()) {
            header.insert(0, kDealHeaderOpen);
            header += kDealHeaderClose;
        }
        for (std::size_t slot = 0; slot < kHoldings; ++slot) {
            const HandText& hand = (*hands)[static_cast<std::size_t>(kHoldingSlots[slot].seat)];
            // An open hand shows nothing: " -" would claim a void.
            values_[kFirstHoldingSlot + slot] =
                hand.open
                    ? std::string()
                    : HoldingText(request_.words, SuitGroups(hand.text)[kHoldingSlots[slot].suit]);
        }
        cell = CellTemplate().Fill(values_);
        return true;
    }

  private:
    const PageRequest& request_;
    std::array<std::string, kCellSlots> values_;
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
