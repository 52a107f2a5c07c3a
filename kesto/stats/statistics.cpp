#include "kesto/stats/statistics.h"

#include <algorithm>
#include <clocale>

#include "kesto/platform/text_encoding.h"

namespace kesto {

const std::array<int, kPatternCount> kPatternTable = {
    0x4432, 0x5332, 0x5431, 0x5422, 0x4333, 0x6322, 0x6421, 0x6331, 0x5521, 0x4441,
    0x7321, 0x6430, 0x5440, 0x5530, 0x6511, 0x6520, 0x7222, 0x7411, 0x7420, 0x7330,
    0x8221, 0x8311, 0x7510, 0x8320, 0x6610, 0x8410, 0x7600, 0x8500, 0x9211, 0x9310,
    0x9220, 0xA210, 0x9400, 0xA111, 0xA300, 0xB110, 0xB200, 0xC100, 0xD000,
};

namespace {

using PointRow = std::array<std::int32_t, kPointValues>;

// The patterns are few and fixed; a linear search keeps the table the one source of order.
int PatternIndex(int shapeCode) {
    const auto found = std::find(kPatternTable.begin(), kPatternTable.end(), shapeCode);
    return found == kPatternTable.end() ? -1 : static_cast<int>(found - kPatternTable.begin());
}

void CountFits(const tDeal& deal, tStatistics& statistics) {
    int hi = 0;
    int lo = 0;
    bool first = true;
    for (const Suit suit : kAllSuits) {
        const int combined = deal.North.SuitLength(suit) + deal.South.SuitLength(suit);
        hi = first ? combined : std::max(hi, combined);
        lo = first ? combined : std::min(lo, combined);
        first = false;
    }
    // Hands of more than 13 cards never reach the board set; the bounds keep a bad one from
    // writing outside the table.
    if (hi >= kShortestFit && hi < kShortestFit + kFitLengths) {
        ++statistics.FitCounts[PairIndex(Pair::NorthSouth)][hi - kShortestFit];
    }
    if (lo <= 13 - kShortestFit && lo >= 0) {
        ++statistics.FitCounts[PairIndex(Pair::EastWest)][(13 - lo) - kShortestFit];
    }
}

std::int64_t Total(const PointRow& counts) {
    std::int64_t total = 0;
    for (const std::int32_t n : counts) {
        total += n;
    }
    return total;
}

// The point value at position (from 1) of the ascending list where p repeats counts[p] times.
int ValueAtPosition(const PointRow& counts, std::int64_t position) {
    std::int64_t seen = 0;
    for (int p = 0; p < kPointValues; ++p) {
        seen += counts[p];
        if (seen >= position) {
            return p;
        }
    }
    return kPointValues - 1;
}

// numerator / denominator (both >= 0, denominator > 0) rounded half up to two decimals.
std::string TwoDecimals(std::int64_t numerator, std::int64_t denominator,
                        std::string_view separator) {
    const std::int64_t hundredths = (numerator * 200 + denominator) / (2 * denominator);
    std::string text = std::to_string(hundredths / 100);
    text += separator;
    const std::int64_t fraction = hundredths % 100;
    if (fraction < 10) {
        text += '0';
    }
    text += std::to_string(fraction);
    return text;
}

}  // namespace

tStatistics ComputeStatistics(const tBoardSet& boardSet) {
    tStatistics statistics;
    for (const tDeal& deal : boardSet) {
        for (const Seat seat : kClockwise) {
            const tHand& hand = deal.Hand(seat);
            const int points = hand.Points();
            if (points >= 0 && points < kPointValues) {
                ++statistics.PointCounts[SeatIndex(seat)][points];
            }
            const int pattern = PatternIndex(hand.Shape());
            if (pattern >= 0) {
                ++statistics.ShapeCounts[SeatIndex(seat)][pattern];
            }
        }
        CountFits(deal, statistics);
    }
    return statistics;
}

SeatCounts PointCountsOf(const tStatistics& statistics, int points) {
    SeatCounts counts{};
    for (int seat = 0; seat < kSeatCount; ++seat) {
        counts[seat] = statistics.PointCounts[seat][points];
    }
    return counts;
}

SeatCounts ShapeCountsOf(const tStatistics& statistics, int pattern) {
    SeatCounts counts{};
    for (int seat = 0; seat < kSeatCount; ++seat) {
        counts[seat] = statistics.ShapeCounts[seat][pattern];
    }
    return counts;
}

bool AnyCounted(const SeatCounts& counts) {
    return std::any_of(counts.begin(), counts.end(), [](std::int32_t n) { return n != 0; });
}

std::string LocaleDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr ||
        conventions->decimal_point[0] == '\0') {
        return ".";
    }
    const std::string separator = Utf8ToWindows1252(conventions->decimal_point);
    return separator.find('?') == std::string::npos ? separator : std::string(".");
}

std::string MeanText(const tStatistics& statistics, Seat seat, std::string_view decimalSeparator) {
    const PointRow& counts = statistics.PointCounts[SeatIndex(seat)];
    const std::int64_t total = Total(counts);
    if (total == 0) {
        return std::string(kNoFigureText);
    }
    std::int64_t weighted = 0;
    for (int p = 0; p < kPointValues; ++p) {
        weighted += static_cast<std::int64_t>(p) * counts[p];
    }
    return TwoDecimals(weighted, total, decimalSeparator);
}

std::string MedianText(const tStatistics& statistics, Seat seat,
                       std::string_view decimalSeparator) {
    const PointRow& counts = statistics.PointCounts[SeatIndex(seat)];
    const std::int64_t total = Total(counts);
    if (total == 0) {
        return std::string(kNoFigureText);
    }
    if (total % 2 == 1) {
        return TwoDecimals(ValueAtPosition(counts, (total + 1) / 2), 1, decimalSeparator);
    }
    const int sum = ValueAtPosition(counts, total / 2) + ValueAtPosition(counts, total / 2 + 1);
    return TwoDecimals(sum, 2, decimalSeparator);
}

std::string ModeText(const tStatistics& statistics, Seat seat) {
    const PointRow& counts = statistics.PointCounts[SeatIndex(seat)];
    const std::int32_t most = *std::max_element(counts.begin(), counts.end());
    if (most == 0) {
        return std::string(kNoFigureText);
    }
    std::string text;
    for (int p = 0; p < kPointValues; ++p) {
        if (counts[p] == most) {
            if (!text.empty()) {
                text += ',';
            }
            text += std::to_string(p);
        }
    }
    return text;
}

std::string ShapeText(int shapeCode) {
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4) {
        if (!text.empty()) {
            text += '-';
        }
        text += std::to_string((shapeCode >> shift) & 0xF);
    }
    return text;
}

}  // namespace kesto
